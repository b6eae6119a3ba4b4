#include "views/window_fit.h"

#include <algorithm>

namespace {

WindowPlacement Placed(const WindowRect& outer, int64_t width, int64_t height) {
    return WindowPlacement{outer.left, outer.top, HeldToInt32(width), HeldToInt32(height)};
}

}  // namespace

WindowPlacement WithClientWidth(const WindowRect& outer, const WindowRect& client, int32_t clientWidth) {
    return Placed(outer, Width(outer) - Width(client) + clientWidth, Height(outer));
}

WindowPlacement WithClientHeight(const WindowRect& outer, const WindowRect& client, int32_t clientHeight) {
    return Placed(outer, Width(outer), Height(outer) - Height(client) + clientHeight);
}

// A tall image in a wide window overflows 32 bits (4000 x 600000), hence the 64-bit product;
// every figure is a 32-bit value, so no step here overflows 64 bits.
WindowPlacement WithImageProportions(const WindowRect& outer,
                                     const WindowRect& client,
                                     int32_t imageWidth,
                                     int32_t imageHeight) {
    int64_t frameHeight = Height(outer) - Height(client);
    int64_t clientHeight = static_cast<int64_t>(client.right) * imageHeight / std::max<int32_t>(imageWidth, 1);
    return Placed(outer, Width(outer), frameHeight + clientHeight);
}
