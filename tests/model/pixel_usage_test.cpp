#include "model/pixel_usage.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/model/test_files.h"

namespace {

// Rows of indices packed from the high bits down, each padded to 32-bit words with bits set: padding read as pixels
// would count as the last entry.
Bytes PackRows(const std::vector<std::vector<uint32_t>>& rows, uint32_t bitCount) {
    Bytes bits;
    for (const auto& row : rows) {
        Bytes packed((row.size() * bitCount + 31) / 32 * 4, 0xFF);
        for (size_t x = 0; x < row.size(); ++x) {
            const size_t shift = 8 - bitCount - x * bitCount % 8;
            packed[x * bitCount / 8] &= ~(((1u << bitCount) - 1) << shift);
            packed[x * bitCount / 8] |= row[x] << shift;
        }
        bits.insert(bits.end(), packed.begin(), packed.end());
    }
    return bits;
}

}  // namespace

// 1-, 4- and 8-bit rows, odd widths whose last byte is partly padding, both row orders; indices past the table's
// count are counted apart, and what is not a table index, or not enough bytes, is refused.
TEST(PixelUsage, CountsEachEntryAndWhatIsBeyondTheTable) {
    struct Case {
        uint32_t bitCount, tableCount;
        int32_t height;
        std::vector<std::vector<uint32_t>> rows;
        std::map<uint32_t, uint64_t> uses;
        uint64_t beyond;
    };
    const Case cases[] = {
        {1, 2, 2, {{1, 0, 1}, {1, 1, 1}}, {{0, 1}, {1, 5}}, 0},
        {1, 1, -1, {std::vector<uint32_t>(33, 1)}, {}, 33},
        {4, 3, -2, {{0, 15, 2}, {2, 2, 7}}, {{0, 1}, {2, 3}}, 2},
        {4, 16, 1, {{5, 5, 5, 5, 5, 5, 5, 5}}, {{5, 8}}, 0},
        {8, 256, 1, {{255, 0, 0, 3, 255}}, {{0, 2}, {3, 1}, {255, 2}}, 0},
        {8, 4, 2, {{4, 0}, {200, 3}}, {{0, 1}, {3, 1}}, 2},
    };
    for (const Case& c : cases) {
        const Bytes bits = PackRows(c.rows, c.bitCount);
        PixelUsage usage;
        ASSERT_TRUE(CountPixelUsage(bits.data(), bits.size(), int32_t(c.rows[0].size()), c.height, c.bitCount,
                                    c.tableCount, &usage));
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
