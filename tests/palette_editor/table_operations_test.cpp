#include "palette_editor/table_operations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/color_table.h"
#include "palette_editor/hex_colors.h"

using Rgb = std::vector<uint8_t>;

static Rgb Entries(const ColorTable& table, uint32_t first, uint32_t last) {
    Rgb rgb;
    for (uint32_t i = first; i <= last; ++i) {
        rgb.insert(rgb.end(), table.GetEntry(i), table.GetEntry(i) + 3);
    }
    return rgb;
}

// Each form in any case with blanks around; lists by line breaks, blanks or commas; anything else
// refused whole; a huge text read for at most 65536 colours and a huge token refused at once.
TEST(HexColors, ReadsTheThreeFormsAndListsOfThem) {
    const std::pair<std::string, Rgb> kRead[] = {
        {" #1a2B3c\r\n", {0x1A, 0x2B, 0x3C}},
        {"FFee00", {0xFF, 0xEE, 0}},
        {"\t#F80 ", {0xFF, 0x88, 0}},
        {"#000000,#fff\n\n0a0b0c 123456", {0, 0, 0, 255, 255, 255, 10, 11, 12, 0x12, 0x34, 0x56}}};
    std::vector<uint8_t> rgb;
    for (const auto& [text, expected] : kRead) {
        EXPECT_EQ(ReadHexColors(text.data(), text.size(), &rgb), HexColorsRead::kRead) << text;
        EXPECT_EQ(rgb, expected) << text;
    }
    for (const std::string& text :
         std::vector<std::string>{"F80", "#12345", "#1234567", "#12345G", "0x123456", "#123456;", "12 34 56",
                                  "#123456 red", std::string("#123\0", 5), "#12345678"}) {
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

// The entries strictly between the ends ramp from the lower end's colour to the higher end's,
// whichever end was chosen first; neighbours, one end outside or the same end change nothing.
TEST(TableOperations, RampsBetweenTwoEndsAndHighlightsOneEntry) {
    ColorTable table;
    const Rgb ends = {0, 255, 10, 9, 9, 9, 9, 9, 9, 9, 9, 9, 100, 0, 11};
    ASSERT_TRUE(table.Assign(Rgb{0, 255, 10, 0, 9, 9, 9, 0, 9, 9, 9, 0, 9, 9, 9, 0, 100, 0, 11, 0}.data(), 5));
    for (const auto& [end, otherEnd] : {std::pair(0u, 4u), {4u, 0u}}) {
        ColorTable ramped;
        ASSERT_TRUE(ramped.CopyFrom(table) && FillRamp(ramped, end, otherEnd));
        EXPECT_EQ(Entries(ramped, 0, 4), (Rgb{0, 255, 10, 25, 191, 10, 50, 128, 11, 75, 64, 11, 100, 0, 11}));
    }
    for (const auto& [end, otherEnd] : {std::pair(1u, 2u), {2u, 2u}, {0u, 5u}}) {
        EXPECT_FALSE(FillRamp(table, end, otherEnd)) << end << " " << otherEnd;
    }
    EXPECT_EQ(Entries(table, 0, 4), ends);
    ColorTable highlighted;
    ASSERT_TRUE(MakeHighlightTable(table, 4, &highlighted));
    EXPECT_EQ(Entries(highlighted, 0, 4), (Rgb{75, 75, 75, 5, 5, 5, 5, 5, 5, 5, 5, 5, 100, 0, 11}));
    EXPECT_FALSE(MakeHighlightTable(table, 5, &highlighted));
    EXPECT_EQ(HexColor(table, 4), "#64000B");
    EXPECT_EQ(HexColorLines(table).substr(0, 18), "#00FF0A\r\n#090909\r\n");
}
