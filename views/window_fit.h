// The arithmetic of the two commands that size the main window to the image: each gives the
// place and outer size to move the window to, from its outer and client rectangles. Sizes
// beyond 32 bits are held at the largest int.
#pragma once

#include <cstdint>

#include "views/geometry.h"

// Same place and height, the width that gives the client area clientWidth.
WindowPlacement WithClientWidth(const WindowRect& outer, const WindowRect& client, int32_t clientWidth);
// Same place and width, the height that gives the client area clientHeight.
WindowPlacement WithClientHeight(const WindowRect& outer, const WindowRect& client, int32_t clientHeight);
// Same place and width, the height that gives the client area the image's proportions:
// client width x image height / image width, truncated.
WindowPlacement WithImageProportions(const WindowRect& outer,
                                     const WindowRect& client,
                                     int32_t imageWidth,
                                     int32_t imageHeight);
