#include "model/pixel_usage.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/model/test_files.h"

// 1-, 4- and 8-bit rows, odd widths whose last byte is partly padding, both row orders; every padding bit is set, so
// padding counted would show. Indices past the table's count are counted apart; what is no table index, or fewer
// bytes than the rows need, is refused.
TEST(PixelUsage, CountsEachEntryAndWhatIsBeyondTheTable) {
    struct Case {
        uint32_t bitCount, tableCount;
        int32_t width, height;
        Bytes bits;
        std::map<uint32_t, uint64_t> uses;
        uint64_t beyond;
    };
    const Case cases[] = {
        {1, 2, 3, 2, {0xBF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {{0, 1}, {1, 5}}, 0},  // 1 0 1, 1 1 1
        {1, 1, 33, -1, Bytes(8, 0xFF), {}, 33},
        {4, 3, 3, -2, {0x0F, 0x2F, 0xFF, 0xFF, 0x22, 0x7F, 0xFF, 0xFF}, {{0, 1}, {2, 3}}, 2},  // 0 15 2, 2 2 7
        {8, 256, 5, 1, {0xFF, 0, 0, 3, 0xFF, 1, 1, 1}, {{0, 2}, {3, 1}, {255, 2}}, 0},
        {8, 4, 2, 2, {4, 0, 0xFF, 0xFF, 200, 3, 0xFF, 0xFF}, {{0, 1}, {3, 1}}, 2},
    };
    for (const Case& c : cases) {
        PixelUsage usage;
        ASSERT_TRUE(CountPixelUsage(c.bits.data(), c.bits.size(), c.width, c.height, c.bitCount, c.tableCount, &usage));
        for (uint32_t i = 0; i < kIndexedEntries; ++i) {
            EXPECT_EQ(usage.perEntry[i], c.uses.count(i) ? c.uses.at(i) : 0) << c.bitCount << "-bit entry " << i;
        }
        EXPECT_EQ(usage.beyondTable, c.beyond) << c.bitCount << "-bit, " << c.tableCount << " entries";
    }
    const Bytes eight(8);
    PixelUsage usage;
    EXPECT_FALSE(CountPixelUsage(eight.data(), 8, 1, 2, 24, 0, &usage));
    EXPECT_FALSE(CountPixelUsage(eight.data(), 8, 0, 2, 8, 256, &usage));
    EXPECT_FALSE(CountPixelUsage(eight.data(), 7, 1, -2, 8, 256, &usage));
}
