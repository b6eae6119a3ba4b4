#include <gtest/gtest.h>

#include <map>
#include <string>

#include "palette_editor/grid_options.h"

// What OK does with the five edits, in order: each value stored as soon as it passes, the first
// out of range stopping the rest unread. Edits: entry width, height, columns, rows, cursor width.
TEST(GridOptions, StoredInOrderUntilOneIsOutOfRange) {
    struct Case {
        uint32_t typed[kGridOptionCount];
        const char* stored;  // entry width, height, columns, rows, cursor width; then reads, then the range
    };
    const Case kCases[] = {
        {{12, 12, 16, 16, 1}, "12 12 16 16 1 5"},
        {{0, 9, 9, 9, 9}, "12 12 16 16 1 1 1-50"},
        {{20, 7, 40, 9, 9}, "20 7 16 16 1 3 5-30"},
        {{50, 50, 30, 0, 10}, "50 50 30 0 10 5"},
        {{5, 5, 5, 30, 0}, "5 5 5 30 1 5 1-10"},
        {{1, 1, 31, 0, 1}, "1 1 16 16 1 3 5-30"},
        {{0xFFFFFFFFu, 1, 5, 0, 1}, "12 12 16 16 1 1 1-50"},  // too large to be a signed number
    };
    for (const Case& c : kCases) {
        ColorGridSettings grid;
        std::map<int, uint32_t> edits;
        for (int i = 0; i < kGridOptionCount; ++i) {
            edits[kGridOptions[i].control] = c.typed[i];
        }
        int reads = 0;
        const GridOption* failed = nullptr;
        int stored = StoreGridOptions(
            grid, [&](int control) { return ++reads, edits.at(control); }, &failed);
        std::string seen = std::to_string(grid.entryWidth) + " " + std::to_string(grid.entryHeight) + " " +
                           std::to_string(grid.columns) + " " + std::to_string(grid.rows) + " " +
                           std::to_string(grid.cursorWidth) + " " + std::to_string(reads);
        if (!stored) {
            seen += " " + std::to_string(failed->smallest) + "-" + std::to_string(failed->largest);
        }
        EXPECT_EQ(seen, c.stored);
        EXPECT_EQ(grid.margin * 100 + grid.gap, 1002);
    }
}
