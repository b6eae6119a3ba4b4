#include "palette_editor/edit_history.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/color_table.h"

// Thirty steps, each changing every entry of a 65536-entry table twice: a step keeps each entry once (12
// bytes), so 16 MiB hold the newest 21, undone back to the ninth. A budget under one step keeps nothing.
TEST(EditHistory, KeepsTheNewestStepsWithinItsBudget) {
    constexpr uint32_t kEntries = 65536;
    for (size_t budget : {kHistoryBudget, size_t{kEntries}}) {
        ColorTable table;
        EditHistory history(budget);
        ASSERT_TRUE(table.Assign(std::vector<uint8_t>(4 * kEntries).data(), kEntries));
        for (uint8_t step = 1; step <= 30; ++step) {
            for (uint32_t i = 0; i < kEntries; ++i) {
                const uint8_t first[4] = {99}, value[4] = {step};
                history.Set(table, i, first), history.Set(table, i, value);
            }
            history.Close();
            EXPECT_LE(history.Bytes(), budget);
        }
        int undone = 0;
        while (history.Undo(table)) {
            ++undone;
        }
        EXPECT_EQ(undone, budget == kHistoryBudget ? 21 : 0);
        EXPECT_EQ(table.GetEntry(kEntries - 1)[0], budget == kHistoryBudget ? 9 : 30);
    }
}
