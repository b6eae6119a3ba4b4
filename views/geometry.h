// Rectangles in screen or client coordinates, as the window system gives them.
#pragma once

#include <cstdint>

struct WindowRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};
