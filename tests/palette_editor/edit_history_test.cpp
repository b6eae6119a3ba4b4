#include "palette_editor/edit_history.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/color_table.h"

// Thirty changes of every entry of a 65536-entry table: a step keeps each entry once (12 bytes),
// so 16 MiB hold the newest 21 steps; undoing all of them leaves the table as after the ninth.
// With a budget smaller than one step, nothing is kept.
TEST(EditHistory, KeepsTheNewestStepsWithinItsBudget) {
    constexpr uint32_t kEntries = 65536;
    ColorTable tables[2];
    EditHistory histories[2] = {EditHistory(), EditHistory(kEntries)};
    for (int h = 0; h < 2; ++h) {
        ASSERT_TRUE(tables[h].Assign(std::vector<uint8_t>(4 * kEntries).data(), kEntries));
        for (uint8_t step = 1; step <= 30; ++step) {
            const uint8_t value[4] = {step, 0, 0, 0};
            for (uint32_t i = 0; i < kEntries; ++i) {
                histories[h].Set(tables[h], i, value);
            }
            histories[h].Close();
            EXPECT_LE(histories[h].Bytes(), h == 0 ? kHistoryBudget : 0);
        }
    }
    int undone = 0;
    while (histories[0].Undo(tables[0])) {
        ++undone;
    }
    EXPECT_EQ(undone, 21);
    EXPECT_EQ(tables[0].GetEntry(0)[0], 9);
    EXPECT_EQ(tables[0].GetEntry(kEntries - 1)[0], 9);
    EXPECT_EQ(histories[1].CanUndo(), 0);
}
