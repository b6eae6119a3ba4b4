#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> Le32s(const std::vector<int64_t>& values) {
    std::vector<uint8_t> bytes;
    for (int64_t v : values) {
        uint32_t u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<uint8_t>(u >> shift));
        }
    }
    return bytes;
}

void ExpectGrid(const ColorGridSettings& g, std::initializer_list<int32_t> expected) {
    const int32_t actual[] = {g.margin, g.cursorWidth, g.gap, g.entryWidth, g.entryHeight, g.columns, g.rows};
    ASSERT_EQ(expected.size(), 7u);
    int i = 0;
    for (int32_t e : expected) {
        EXPECT_EQ(actual[i], e) << "field " << i;
        ++i;
    }
}

void ExpectRect(const WindowRect& r, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(SettingsLayout, DefaultsEncodeAsLittleEndianFieldsInOrder) {
    uint8_t grid[kDrawColorTableBytes];
    EncodeDrawColorTable(ColorGridSettings(), grid);
    EXPECT_EQ(std::vector<uint8_t>(grid, grid + sizeof grid), Le32s({10, 1, 2, 12, 12, 16, 16}));

    uint8_t rect[kWindowInfoBytes];
    EncodeWindowInfo(WindowRect(), rect);
    EXPECT_EQ(std::vector<uint8_t>(rect, rect + sizeof rect), Le32s({50, 50, 380, 350}));
}

TEST(SettingsLayout, NegativeCoordinatesRoundTripAsTwosComplement) {
    WindowRect r;
    r.left = -1280;
    r.top = INT32_MIN;
    r.right = -8;
    r.bottom = -1;
    uint8_t bytes[kWindowInfoBytes];
    EncodeWindowInfo(r, bytes);
    EXPECT_EQ(bytes[8], 0xF8);
    EXPECT_EQ(bytes[11], 0xFF);
    WindowRect back;
    EXPECT_EQ(DecodeWindowInfo(bytes, sizeof bytes, &back), 1);
    ExpectRect(back, -1280, INT32_MIN, -8, -1);
}

TEST(SettingsValues, NamesKindsAndSizesInStoreOrder) {
    const char* names[] = {"ViewData", "ImageOption", "TextOption",    "BgColor",
                           "Notation", "WindowInfo",  "DrawColorTable"};
    for (int i = 0; i < kSettingsValueCount; ++i) {
        const SettingsValueInfo& info = GetSettingsValueInfo(i);
        EXPECT_STREQ(info.name, names[i]);
        EXPECT_EQ(info.kind, i < 5 ? SettingsValueKind::kDword : SettingsValueKind::kBinary) << names[i];
        EXPECT_LE(info.byteCount, kLargestSettingsValueBytes);
    }
    EXPECT_EQ(GetSettingsValueInfo(4).byteCount, 4u);
    EXPECT_EQ(GetSettingsValueInfo(5).byteCount, 16u);
    EXPECT_EQ(GetSettingsValueInfo(6).byteCount, 28u);
}

TEST(SettingsValues, EveryValueRoundTripsThroughItsBytes) {
    Settings written;
    written.ViewData = 1;
    written.ImageOption = 2;
    written.TextOption = 3;
    written.BgColor = 4;
    written.Notation = 0xFFFFFFFF;
    written.windowInfo = {-100, 20, 400, 700};
    written.colorGrid = {0, 10, 100, 1, 50, 5, 0};

    Settings read;
    for (int i = 0; i < kSettingsValueCount; ++i) {
        uint8_t bytes[kLargestSettingsValueBytes];
        EncodeSettingsValue(written, i, bytes);
        EXPECT_EQ(DecodeSettingsValue(bytes, GetSettingsValueInfo(i).byteCount, i, &read), 1) << i;
    }
    EXPECT_EQ(read.ViewData, 1u);
    EXPECT_EQ(read.ImageOption, 2u);
    EXPECT_EQ(read.TextOption, 3u);
    EXPECT_EQ(read.BgColor, 4u);
    EXPECT_EQ(read.Notation, 0xFFFFFFFFu);
    ExpectRect(read.windowInfo, -100, 20, 400, 700);
    ExpectGrid(read.colorGrid, {0, 10, 100, 1, 50, 5, 0});
}

TEST(SettingsValues, OptionIsLittleEndianAndTakenAsRead) {
    uint32_t option = 0;
    const uint8_t seven[] = {7, 0, 0, 0};
    EXPECT_EQ(DecodeOption(seven, 4, &option), 1);
    EXPECT_EQ(option, 7u);
    const uint8_t mixed[] = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(DecodeOption(mixed, 4, &option), 1);
    EXPECT_EQ(option, 0x12345678u);
}

// A value of any size but its field's leaves the field as it was (the default at load).
TEST(SettingsValues, WrongSizedValuesLeaveEveryFieldUntouched) {
    std::vector<uint8_t> bytes = Le32s({1, 1, 1, 20, 20, 20, 20, 20});  // valid prefixes of every value
    for (int i = 0; i < kSettingsValueCount; ++i) {
        uint32_t size = GetSettingsValueInfo(i).byteCount;
        for (uint32_t count : {0u, 1u, size - 1, size + 1, size + 4}) {
            Settings s;
            EXPECT_EQ(DecodeSettingsValue(bytes.data(), count, i, &s), 0) << i << " " << count;
            EXPECT_EQ(s.ViewData + s.ImageOption + s.TextOption + s.BgColor + s.Notation, 0u);
            ExpectRect(s.windowInfo, 50, 50, 380, 350);
            ExpectGrid(s.colorGrid, {10, 1, 2, 12, 12, 16, 16});
        }
    }
}

TEST(SettingsWindowInfo, EmptyOrInvertedRectangleFallsBackToDefault) {
    const std::vector<int64_t> bad[] = {
        {100, 100, 100, 300},  // zero width
        {100, 100, 300, 100},  // zero height
        {300, 100, 100, 400},  // negative width
        {100, 400, 300, 100},  // negative height
        {INT32_MAX, 0, INT32_MIN, 10},
    };
    for (const auto& values : bad) {
        WindowRect r{1, 2, 3, 4};
        std::vector<uint8_t> bytes = Le32s(values);
        EXPECT_EQ(DecodeWindowInfo(bytes.data(), kWindowInfoBytes, &r), 0);
        ExpectRect(r, 50, 50, 380, 350);
    }
}

// Sizes that do not fit a 32-bit int would wrap to negative ones when the window is made.
TEST(SettingsWindowInfo, SizeBeyond32BitsFallsBackToTheDefault) {
    WindowRect r;
    std::vector<uint8_t> bytes = Le32s({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
    EXPECT_EQ(DecodeWindowInfo(bytes.data(), kWindowInfoBytes, &r), 0);
    ExpectRect(r, 50, 50, 380, 350);
    bytes = Le32s({-2000000000, 0, 2000000000, 300});
    EXPECT_EQ(DecodeWindowInfo(bytes.data(), kWindowInfoBytes, &r), 0);
    ExpectRect(r, 50, 50, 380, 350);
    bytes = Le32s({-100, -200, INT32_MAX - 100, 300});
    EXPECT_EQ(DecodeWindowInfo(bytes.data(), kWindowInfoBytes, &r), 1);
}

TEST(SettingsColorGrid, BoundariesOfEveryRangeAreAccepted) {
    ColorGridSettings g;
    std::vector<uint8_t> low = Le32s({0, 1, 0, 1, 1, 5, 0});
    EXPECT_EQ(DecodeDrawColorTable(low.data(), kDrawColorTableBytes, &g), 1);
    ExpectGrid(g, {0, 1, 0, 1, 1, 5, 0});
    std::vector<uint8_t> high = Le32s({100, 10, 100, 50, 50, 30, 30});
    EXPECT_EQ(DecodeDrawColorTable(high.data(), kDrawColorTableBytes, &g), 1);
    ExpectGrid(g, {100, 10, 100, 50, 50, 30, 30});
}

// One field just outside its range replaces the whole table, not only that field.
TEST(SettingsColorGrid, AnyFieldOutOfRangeReplacesTheWholeTableByDefaults) {
    const int32_t below[] = {-1, 0, -1, 0, 0, 4, -1};
    const int32_t above[] = {101, 11, 101, 51, 51, 31, 31};
    const int32_t others[] = {20, 3, 7, 30, 40, 25, 8};  // valid, all different from the defaults
    for (int field = 0; field < 7; ++field) {
        for (int32_t wrong : {below[field], above[field], INT32_MIN, INT32_MAX}) {
            uint8_t bytes[kDrawColorTableBytes];
            for (int i = 0; i < 7; ++i) {
                int32_t v = i == field ? wrong : others[i];
                std::vector<uint8_t> le = Le32s({v});
                std::memcpy(bytes + 4 * i, le.data(), 4);
            }
            ColorGridSettings g{20, 3, 7, 30, 40, 25, 8};
            EXPECT_EQ(DecodeDrawColorTable(bytes, sizeof bytes, &g), 0) << field << " " << wrong;
            ExpectGrid(g, {10, 1, 2, 12, 12, 16, 16});
        }
    }
}

const WindowRect kLeftMonitor{-1280, 0, 0, 984};
const WindowRect kMainMonitor{0, 0, 1920, 1040};

TEST(SettingsFitRect, RectangleTouchingAnyAreaStaysPut) {
    const WindowRect areas[] = {kLeftMonitor, kMainMonitor};
    WindowRect inside{50, 50, 380, 350};
    EXPECT_EQ(FitRectToArea(inside, areas, 2), 0);
    ExpectRect(inside, 50, 50, 380, 350);
    WindowRect straddling{-100, 900, 200, 1200};
    EXPECT_EQ(FitRectToArea(straddling, areas, 2), 0);
    ExpectRect(straddling, -100, 900, 200, 1200);
    WindowRect onSecond{-1000, 10, -700, 300};
    EXPECT_EQ(FitRectToArea(onSecond, areas, 2), 0);
}

TEST(SettingsFitRect, OffscreenRectangleMovesOntoNearestAreaKeepingItsSize) {
    const WindowRect areas[] = {kLeftMonitor, kMainMonitor};
    WindowRect right{3000, 500, 3330, 800};
    EXPECT_EQ(FitRectToArea(right, areas, 2), 1);
    ExpectRect(right, 1590, 500, 1920, 800);

    WindowRect farLeft{-5000, -400, -4670, -100};
    EXPECT_EQ(FitRectToArea(farLeft, areas, 2), 1);
    ExpectRect(farLeft, -1280, 0, -950, 300);

    // Under the left monitor's bottom (984): 26 pixels below it, but only 10 left of the main one.
    WindowRect corner{-30, 1010, -10, 1030};
    EXPECT_EQ(FitRectToArea(corner, areas, 2), 1);
    ExpectRect(corner, 0, 1010, 20, 1030);
    WindowRect underLeft{-400, 1000, -100, 1030};
    EXPECT_EQ(FitRectToArea(underLeft, areas, 2), 1);
    ExpectRect(underLeft, -400, 954, -100, 984);
}

TEST(SettingsFitRect, EdgeContactIsNotOverlap) {
    WindowRect beside{1920, 100, 2250, 400};
    EXPECT_EQ(FitRectToArea(beside, &kMainMonitor, 1), 1);
    ExpectRect(beside, 1590, 100, 1920, 400);
}

TEST(SettingsFitRect, RectangleLargerThanTheAreaIsCutToIt) {
    WindowRect huge{5000, -3000, 9000, 3000};
    EXPECT_EQ(FitRectToArea(huge, &kMainMonitor, 1), 1);
    ExpectRect(huge, 0, 0, 1920, 1040);
}

TEST(SettingsFitRect, ExtremeCoordinatesDoNotOverflow) {
    WindowRect r{INT32_MIN, INT32_MIN, -1, INT32_MIN + 10};
    EXPECT_EQ(FitRectToArea(r, &kMainMonitor, 1), 1);
    ExpectRect(r, 0, 0, 1920, 10);
    WindowRect far{INT32_MAX - 10, INT32_MAX - 10, INT32_MAX, INT32_MAX};
    EXPECT_EQ(FitRectToArea(far, &kMainMonitor, 1), 1);
    ExpectRect(far, 1910, 1030, 1920, 1040);
}

TEST(SettingsFitRect, NoUsableAreaOrNoSizeLeavesRectangle) {
    WindowRect r{3000, 3000, 3100, 3100};
    EXPECT_EQ(FitRectToArea(r, nullptr, 0), 0);
    const WindowRect empty{0, 0, 0, 0};
    EXPECT_EQ(FitRectToArea(r, &empty, 1), 0);
    ExpectRect(r, 3000, 3000, 3100, 3100);
    WindowRect inverted{3100, 3100, 3000, 3000};
    EXPECT_EQ(FitRectToArea(inverted, &kMainMonitor, 1), 0);
    ExpectRect(inverted, 3100, 3100, 3000, 3000);
}

}  // namespace
