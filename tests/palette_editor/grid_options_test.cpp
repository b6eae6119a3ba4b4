#include <gtest/gtest.h>

#include <string>

#include "palette_editor/grid_options.h"

// OK reads the edits in order (entry width, height, columns, rows, cursor width), storing each
// value as it passes; the first out of range, as a signed number, stops the rest unread.
TEST(GridOptions, StoredInOrderUntilOneIsOutOfRange) {
    const std::pair<std::vector<uint32_t>, const char*> kCases[] = {
        {{12, 12, 16, 16, 1}, "12 12 16 16 1 read 5"},
        {{0, 9, 9, 9, 9}, "12 12 16 16 1 read 1 1-50"},
        {{20, 7, 40, 9, 9}, "20 7 16 16 1 read 3 5-30"},
        {{50, 50, 30, 0, 10}, "50 50 30 0 10 read 5"},
        {{5, 5, 5, 30, 0}, "5 5 5 30 1 read 5 1-10"},
        {{1, 1, 5, 31, 1}, "1 1 5 16 1 read 4 0-30"},
        {{0xFFFFFFFFu, 1, 5, 0, 1}, "12 12 16 16 1 read 1 1-50"}};
    for (const auto& [typed, expected] : kCases) {
        ColorGridSettings grid;
        size_t reads = 0;
        const GridOption* failed = nullptr;
        auto read = [&, &typed = typed](int control) {
            return control == kGridOptions[reads].control ? typed[reads++] : 0;
        };
        std::string seen = StoreGridOptions(grid, read, &failed)
                               ? ""
                               : " " + std::to_string(failed->smallest) + "-" + std::to_string(failed->largest);
        seen = std::to_string(grid.entryWidth) + " " + std::to_string(grid.entryHeight) + " " +
               std::to_string(grid.columns) + " " + std::to_string(grid.rows) + " " + std::to_string(grid.cursorWidth) +
               " read " + std::to_string(reads) + seen;
        EXPECT_EQ(seen, expected);
    }
}
