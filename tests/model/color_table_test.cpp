#include "model/color_table.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

// Entries R, G, B, 0; replaced whole (also from entries of their own), or kept when memory is short.
TEST(ColorTable, EntriesAreReplacedWholeOrKept) {
    uint8_t quads[64];
    std::iota(quads, quads + 64, uint8_t(0));
    ColorTable table, small;
    ASSERT_TRUE(table.AssignFromRGBQuads(quads, 16) && small.AssignFromRGBQuads(quads + 16, 4));
    EXPECT_EQ(std::vector<uint8_t>(small.GetEntries(), small.GetEntries() + 8),
              (std::vector<uint8_t>{18, 17, 16, 0, 22, 21, 20, 0}));
    EXPECT_TRUE(small.SetColor(0, 0x1FF, 0x100, 0xFFFFFFFFu) && !small.SetColor(4, 1, 2, 3));  // the low bytes
    EXPECT_EQ((std::vector<uint32_t>{small.GetColor(0), small.GetColor(1), small.GetColor(4), small.GetColor(~0u)}),
              (std::vector<uint32_t>{0x02FF00FFu, 0x02141516u, 0, 0}));
    ASSERT_TRUE(table.CopyFrom(small) && table.Assign(table.GetEntries() + 4, 2) && table.CopyFrom(table));
    EXPECT_FALSE(table.Assign(quads, 0x40000000u) || table.AssignFromRGBQuads(quads, ~0u));  // 4n over 32 bits
    EXPECT_EQ(std::vector<uint8_t>(table.GetEntries(), table.GetEntries() + 4 * table.GetCount()),
              std::vector<uint8_t>(small.GetEntries() + 4, small.GetEntries() + 12));
    EXPECT_TRUE(table.CopyFrom(ColorTable()) && table.GetCount() == 0 && table.GetEntries() == nullptr);
}
