// Rectangles in screen or client coordinates, as the window system gives them.
#pragma once

#include <cstdint>

struct WindowRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// A window's place and outer size, as a move takes them.
struct WindowPlacement {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};
