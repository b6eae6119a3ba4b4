#include "palette_editor/table_operations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/color_table.h"
#include "palette_editor/hex_colors.h"

using Rgb = std::vector<uint8_t>;

// Each form in any case with blanks around; lists by line breaks, blanks or commas; anything else
// refused whole; a huge text read for at most 65536 colours and a huge token refused at once.
TEST(HexColors, ReadsTheThreeFormsAndListsOfThem) {
    std::vector<uint8_t> rgb;
    const std::string list = " #1a2B3c,FFee00\r\n\t#F80 ";
    EXPECT_EQ(ReadHexColors(list.data(), list.size(), &rgb), HexColorsRead::kRead);
    EXPECT_EQ(rgb, (Rgb{0x1A, 0x2B, 0x3C, 0xFF, 0xEE, 0, 0xFF, 0x88, 0}));
    for (const std::string& text : std::vector<std::string>{"F80", "#12345", "#1234567", "#12345G", "0x123456",
                                                            "#123456;", "12 34 56", std::string("#123\0", 5)}) {
        EXPECT_EQ(ReadHexColors(text.data(), text.size(), &rgb), HexColorsRead::kNotColors) << text;
        EXPECT_TRUE(rgb.empty());
    }
    EXPECT_EQ(ReadHexColors(" ,\r\n", 4, &rgb), HexColorsRead::kEmpty);
    std::string huge;
    for (int i = 0; i < 70000; ++i) {
        huge += "#010203\n";
    }
    EXPECT_EQ(ReadHexColors((huge + "junk").data(), huge.size() + 4, &rgb), HexColorsRead::kRead);
    EXPECT_EQ(rgb.size(), 3u * kMostHexColors);
    const std::string token(1 << 20, 'a');
    EXPECT_EQ(ReadHexColors(token.data(), token.size(), &rgb), HexColorsRead::kNotColors);
}

// The entries strictly between the ends ramp from the lower end's colour to the higher end's
// (halves rounded up), whichever end comes first; neighbours, the same end or one outside change
// nothing. The highlight keeps one entry's colour and greys the others by their brightness.
TEST(TableOperations, RampsBetweenTwoEndsAndHighlightsOneEntry) {
    ColorTable table, ramped, highlighted;
    auto entries = [](const ColorTable& t) { return Rgb{t.GetEntry(0), t.GetEntry(0) + 4 * t.GetCount()}; };
    ASSERT_TRUE(table.Assign(Rgb{0, 255, 10, 0, 9, 9, 9, 0, 9, 9, 9, 0, 9, 9, 9, 0, 100, 0, 11, 0}.data(), 5));
    for (const auto& [end, otherEnd] : {std::pair(0u, 4u), {4u, 0u}}) {
        ASSERT_TRUE(ramped.CopyFrom(table) && FillRamp(ramped, end, otherEnd));
        EXPECT_EQ(entries(ramped), (Rgb{0, 255, 10, 0, 25, 191, 10, 0, 50, 128, 11, 0, 75, 64, 11, 0, 100, 0, 11, 0}));
    }
    for (const auto& [end, otherEnd] : {std::pair(1u, 2u), {2u, 2u}, {0u, 5u}}) {
        EXPECT_FALSE(FillRamp(ramped, end, otherEnd)) << end << " " << otherEnd;
    }
    ASSERT_TRUE(MakeHighlightTable(table, 4, &highlighted));
    EXPECT_EQ(entries(highlighted), (Rgb{75, 75, 75, 0, 5, 5, 5, 0, 5, 5, 5, 0, 5, 5, 5, 0, 100, 0, 11, 0}));
    EXPECT_FALSE(MakeHighlightTable(table, 5, &highlighted));
}
