// The seven figures that size and draw the colour grid of the colour-table editor, stored with
// the other settings in this order.
#pragma once

#include <cstdint>

struct ColorGridSettings {
    int32_t margin = 10;
    int32_t cursorWidth = 1;
    int32_t gap = 2;
    int32_t entryWidth = 12;
    int32_t entryHeight = 12;
    int32_t columns = 16;
    int32_t rows = 16;
};
