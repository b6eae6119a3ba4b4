// Rectangles in screen or client coordinates, as the window system gives them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

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

// Sizes in 64 bits: the edges are any 32-bit values, so their difference may not fit 32 bits.
inline int64_t Width(const WindowRect& r) {
    return static_cast<int64_t>(r.right) - r.left;
}

inline int64_t Height(const WindowRect& r) {
    return static_cast<int64_t>(r.bottom) - r.top;
}

// A 64-bit figure held at the 32-bit bounds.
inline int32_t HeldToInt32(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
