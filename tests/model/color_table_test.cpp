#include "model/color_table.h"

#include <gtest/gtest.h>

TEST(ColorTable, ColorValueIsPaletteRelativeAndZeroOutOfRange) {
    ColorTable t;
    EXPECT_EQ(t.GetColor(0), 0u);
    const uint8_t quad[] = {0x56, 0x34, 0x12, 0xAA};
    ASSERT_TRUE(t.AssignFromRGBQuads(quad, 1));
    EXPECT_EQ(t.GetColor(0), 0x02563412u);
    EXPECT_EQ(t.GetColor(1), 0u);
    EXPECT_EQ(t.GetColor(0xFFFFFFFFu), 0u);
}

TEST(ColorTable, QuadsAreReorderedAndReservedByteDropped) {
    ColorTable t;
    const uint8_t quad[] = {3, 2, 1, 9};
    ASSERT_TRUE(t.AssignFromRGBQuads(quad, 1));
    const uint8_t* e = t.GetEntry(0);
    EXPECT_EQ(e[0], 1);
    EXPECT_EQ(e[1], 2);
    EXPECT_EQ(e[2], 3);
    EXPECT_EQ(e[3], 0);
}

TEST(ColorTable, SetColorKeepsLowBytesAndRefusesOutOfRange) {
    ColorTable t;
    const uint8_t quads[8] = {};
    ASSERT_TRUE(t.AssignFromRGBQuads(quads, 2));
    EXPECT_EQ(t.SetColor(1, 0x1FF, 0x100, 0xFFFFFFFFu), 1);
    EXPECT_EQ(t.GetColor(1), 0x02FF00FFu);
    EXPECT_EQ(t.SetColor(2, 1, 2, 3), 0);
    EXPECT_EQ(t.GetColor(0), 0x02000000u);
    // Swapping red and green through shifted colour values, as the editor does.
    ASSERT_TRUE(t.SetColor(0, 0x12, 0x34, 0x56));
    uint32_t v = t.GetColor(0);
    ASSERT_TRUE(t.SetColor(0, v >> 8, v, v >> 16));
    EXPECT_EQ(t.GetColor(0), 0x02561234u);
}

TEST(ColorTable, CopyAndAssignReplaceTheWholeContents) {
    ColorTable big;
    ColorTable small;
    uint8_t quads[256 * 4];
    for (int i = 0; i < 256 * 4; ++i) {
        quads[i] = static_cast<uint8_t>(i);
    }
    ASSERT_TRUE(big.AssignFromRGBQuads(quads, 256));
    ASSERT_TRUE(small.AssignFromRGBQuads(quads, 16));
    ASSERT_TRUE(big.CopyFrom(small));
    EXPECT_EQ(big.GetCount(), 16u);
    EXPECT_EQ(big.GetColor(15), small.GetColor(15));

    ColorTable empty;
    ASSERT_TRUE(big.CopyFrom(empty));
    EXPECT_EQ(big.GetCount(), 0u);
    EXPECT_EQ(big.GetEntries(), nullptr);

    // Taking the first entries of a table, including from the table itself.
    ColorTable target;
    ASSERT_TRUE(big.AssignFromRGBQuads(quads, 256));
    ASSERT_TRUE(target.Assign(big.GetEntries(), 16));
    EXPECT_EQ(target.GetCount(), 16u);
    EXPECT_EQ(target.GetColor(15), big.GetColor(15));
    ASSERT_TRUE(big.Assign(big.GetEntries() + 4, 8));
    EXPECT_EQ(big.GetCount(), 8u);
    EXPECT_EQ(big.GetColor(0), target.GetColor(1));
}

// A table the user works on survives a request that cannot be met.
TEST(ColorTable, ImpossibleSizeIsRefusedAndKeepsTheContents) {
    ColorTable t;
    const uint8_t quads[8] = {1, 2, 3, 0, 4, 5, 6, 0};
    ASSERT_TRUE(t.AssignFromRGBQuads(quads, 2));
    EXPECT_FALSE(t.Assign(quads, 0x40000000u));  // 4n does not fit 32 bits
    EXPECT_FALSE(t.AssignFromRGBQuads(quads, 0xFFFFFFFFu));
    EXPECT_EQ(t.GetCount(), 2u);
    EXPECT_EQ(t.GetColor(1), 0x02040506u);
}
