#include "palette_editor/grid_options.h"

int StoreGridOptions(ColorGridSettings& grid,
                     const std::function<uint32_t(int control)>& readEdit,
                     const GridOption** failed) {
    for (const GridOption& option : kGridOptions) {
        int32_t value = static_cast<int32_t>(readEdit(option.control));
        if (value < option.smallest || value > option.largest) {
            *failed = &option;
            return 0;
        }
        grid.*option.field = value;
    }
    return 1;
}
