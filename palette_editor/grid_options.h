// The five grid figures the options dialog offers, in the order OK checks them, and the check.
#pragma once

#include <cstdint>
#include <functional>

#include "palette_editor/grid_settings.h"
#include "resources/resource.h"

struct GridOption {
    int control;
    int32_t ColorGridSettings::*field;
    int32_t smallest;
    int32_t largest;
};

constexpr int kGridOptionCount = 5;
constexpr GridOption kGridOptions[kGridOptionCount] = {
    {IDC_OPT_ENTRY_WIDTH, &ColorGridSettings::entryWidth, 1, 50},
    {IDC_OPT_ENTRY_HEIGHT, &ColorGridSettings::entryHeight, 1, 50},
    {IDC_OPT_COLUMNS, &ColorGridSettings::columns, 5, 30},
    {IDC_OPT_ROWS, &ColorGridSettings::rows, 0, 30},
    {IDC_OPT_CURSOR_WIDTH, &ColorGridSettings::cursorWidth, 1, 10},
};

// 1 when the value lies in the option's range, taken as a signed 32-bit integer.
inline int OptionHolds(const GridOption& option, int32_t value) {
    return value >= option.smallest && value <= option.largest;
}

// 1 when every option and the margin and gap (0..100, set only in the registry) lie in range.
int IsValidColorGrid(const ColorGridSettings& grid);

// Reads each option's edit as an unsigned number and stores it at once, in order. A value out
// of range, taken as a signed 32-bit integer, stops there: 0 with *failed set to that option,
// the earlier values stored and the later ones neither read nor stored. 1 when all are stored.
int StoreGridOptions(ColorGridSettings& grid,
                     const std::function<uint32_t(int control)>& readEdit,
                     const GridOption** failed);
