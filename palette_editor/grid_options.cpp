#include "palette_editor/grid_options.h"

#include <algorithm>

int StoreGridOptions(ColorGridSettings& grid,
                     const std::function<uint32_t(int control)>& readEdit,
                     const GridOption** failed) {
    for (const GridOption& option : kGridOptions) {
        int32_t value = static_cast<int32_t>(readEdit(option.control));
        if (!OptionHolds(option, value)) {
            *failed = &option;
            return 0;
        }
        grid.*option.field = value;
    }
    return 1;
}

int IsValidColorGrid(const ColorGridSettings& grid) {
    constexpr int32_t kLargestSpacing = 100;
    auto spacing = [](int32_t value) { return value >= 0 && value <= kLargestSpacing; };
    return spacing(grid.margin) && spacing(grid.gap) &&
           std::all_of(std::begin(kGridOptions), std::end(kGridOptions),
                       [&](const GridOption& option) { return OptionHolds(option, grid.*option.field); });
}
