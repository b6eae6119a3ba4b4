// The display options the view commands set, each 0 or 1 once its command has run.
#pragma once

#include <cstdint>

struct DisplaySettings {
    uint32_t ViewData = 0;     // text view, image view
    uint32_t ImageOption = 0;  // actual size, fit to window
    uint32_t TextOption = 0;   // summary, member list
    uint32_t BgColor = 0;      // black, white
    uint32_t Notation = 0;     // decimal, hexadecimal
};
