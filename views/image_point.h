// Which pixel of the image a point of the image view shows, by the geometry a paint draws with
// (paint_plan.h): at actual size the image unscaled at 0, 0; fitted, stretched over the whole
// client area, each direction on its own.
#pragma once

#include <cstdint>

#include "views/display_settings.h"
#include "views/geometry.h"

// 1 with the pixel (counted from the image's top-left corner as shown) under the client point;
// 0 on the background, outside the client area, or in the text view.
int ImagePixelAt(const DisplaySettings& settings,
                 const WindowRect& client,
                 int32_t imageWidth,
                 int32_t imageHeight,
                 int32_t x,
                 int32_t y,
                 int32_t* pixelX,
                 int32_t* pixelY);
