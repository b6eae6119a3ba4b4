#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

std::vector<uint8_t> Le32s(const std::vector<int64_t>& values) {
    std::vector<uint8_t> bytes;
    for (int64_t v : values) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> shift));
        }
    }
    return bytes;
}

std::vector<int64_t> Fields(const ColorGridSettings& g) {
    return {g.margin, g.cursorWidth, g.gap, g.entryWidth, g.entryHeight, g.columns, g.rows};
}
std::vector<int64_t> Fields(const WindowRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

const std::vector<int64_t> kDefaultGrid = {10, 1, 2, 12, 12, 16, 16};
const std::vector<int64_t> kDefaultRect = {50, 50, 380, 350};

TEST(SettingsLayout, ValuesInStoreOrderWithTheirBytes) {
    const char* names[] = {"ViewData", "ImageOption", "TextOption",    "BgColor",
                           "Notation", "WindowInfo",  "DrawColorTable"};
    const uint32_t sizes[] = {4, 4, 4, 4, 4, 16, 28};
    for (int i = 0; i < kSettingsValueCount; ++i) {
        const SettingsValueInfo& info = GetSettingsValueInfo(i);
        EXPECT_STREQ(info.name, names[i]);
        EXPECT_EQ(info.kind, i < 5 ? SettingsValueKind::kDword : SettingsValueKind::kBinary) << names[i];
        EXPECT_EQ(info.byteCount, sizes[i]) << names[i];
    }

    // Signed 32-bit little-endian fields in order, negative ones as two's complement.
    uint8_t grid[kDrawColorTableBytes];
    EncodeDrawColorTable(ColorGridSettings(), grid);
    EXPECT_EQ(std::vector<uint8_t>(grid, grid + sizeof grid), Le32s(kDefaultGrid));
    uint8_t rect[kWindowInfoBytes];
    EncodeWindowInfo(WindowRect{-1280, INT32_MIN, -8, -1}, rect);
    EXPECT_EQ(std::vector<uint8_t>(rect, rect + sizeof rect), Le32s({-1280, INT32_MIN, -8, -1}));

    Settings written;
    written.ViewData = 1;
    written.ImageOption = 2;
    written.TextOption = 3;
    written.BgColor = 4;
    written.Notation = 0x12345678;  // options are taken as read; start-up normalises them
    written.windowInfo = {-100, 20, 400, 700};
    written.colorGrid = {0, 10, 100, 1, 50, 5, 0};
    Settings read;
    std::vector<uint8_t> stored;
    for (int i = 0; i < kSettingsValueCount; ++i) {
        uint8_t bytes[kLargestSettingsValueBytes];
        EncodeSettingsValue(written, i, bytes);
        stored.insert(stored.end(), bytes, bytes + sizes[i]);
        EXPECT_EQ(DecodeSettingsValue(bytes, sizes[i], i, &read), 1) << i;
    }
    EXPECT_EQ(stored, Le32s({1, 2, 3, 4, 0x12345678, -100, 20, 400, 700, 0, 10, 100, 1, 50, 5, 0}));
    EXPECT_EQ((std::vector<uint32_t>{read.ViewData, read.ImageOption, read.TextOption, read.BgColor, read.Notation}),
              (std::vector<uint32_t>{1, 2, 3, 4, 0x12345678}));
    EXPECT_EQ(Fields(read.windowInfo), (std::vector<int64_t>{-100, 20, 400, 700}));
    EXPECT_EQ(Fields(read.colorGrid), (std::vector<int64_t>{0, 10, 100, 1, 50, 5, 0}));
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
            EXPECT_EQ(Fields(s.windowInfo), kDefaultRect);
            EXPECT_EQ(Fields(s.colorGrid), kDefaultGrid);
        }
    }
}

// No positive width or height, or one that does not fit a 32-bit int (it would wrap when the
// window is made): the default rectangle.
TEST(SettingsValues, WindowInfoWithoutAPositiveSizeFallsBackToTheDefault) {
    const std::vector<int64_t> cases[] = {
        {100, 100, 100, 300},
        {100, 100, 300, 100},
        {300, 100, 100, 400},
        {100, 400, 300, 100},
        {INT32_MAX, 0, INT32_MIN, 10},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
        {-2000000000, 0, 2000000000, 300},
    };
    for (const auto& values : cases) {
        WindowRect r{1, 2, 3, 4};
        std::vector<uint8_t> bytes = Le32s(values);
        EXPECT_EQ(DecodeWindowInfo(bytes.data(), kWindowInfoBytes, &r), 0) << values[0] << "," << values[2];
        EXPECT_EQ(Fields(r), kDefaultRect);
    }
    WindowRect r = kDefaultWindowRect;
    std::vector<uint8_t> bytes = Le32s({-100, -200, INT32_MAX - 100, 300});
    EXPECT_EQ(DecodeWindowInfo(bytes.data(), kWindowInfoBytes, &r), 1);
}

// Every field at the ends of the options dialog's ranges is taken; one field just outside its
// range replaces the whole table by the defaults, not only that field.
TEST(SettingsValues, DrawColorTableOutsideTheDialogRangesIsReplacedWhole) {
    const std::vector<int64_t> low = {0, 1, 0, 1, 1, 5, 0};
    const std::vector<int64_t> high = {100, 10, 100, 50, 50, 30, 30};
    for (const auto& values : {low, high}) {
        ColorGridSettings g;
        EXPECT_EQ(DecodeDrawColorTable(Le32s(values).data(), kDrawColorTableBytes, &g), 1);
        EXPECT_EQ(Fields(g), values);
    }
    const std::vector<int64_t> others = {20, 3, 7, 30, 40, 25, 8};  // valid, all different from the defaults
    for (size_t field = 0; field < 7; ++field) {
        for (int64_t wrong : {low[field] - 1, high[field] + 1, int64_t{INT32_MIN}, int64_t{INT32_MAX}}) {
            std::vector<int64_t> values = others;
            values[field] = wrong;
            ColorGridSettings g{20, 3, 7, 30, 40, 25, 8};
            EXPECT_EQ(DecodeDrawColorTable(Le32s(values).data(), kDrawColorTableBytes, &g), 0) << field << " " << wrong;
            EXPECT_EQ(Fields(g), kDefaultGrid);
        }
    }
}

// A rectangle that overlaps no work area moves onto the nearest one, keeping its size unless it
// is larger than that area.
TEST(SettingsFitRect, OnlyARectangleOffEveryAreaMoves) {
    const WindowRect kTwo[] = {{-1280, 0, 0, 984}, {0, 0, 1920, 1040}};  // left monitor, main monitor
    const WindowRect* kMain = &kTwo[1];
    const WindowRect kEmpty{0, 0, 0, 0};
    const struct {
        WindowRect rect;
        const WindowRect* areas;
        int count;
        int moved;
        WindowRect expected;
    } cases[] = {
        {{50, 50, 380, 350}, kTwo, 2, 0, {50, 50, 380, 350}},
        {{-100, 900, 200, 1200}, kTwo, 2, 0, {-100, 900, 200, 1200}},  // straddling
        {{-1000, 10, -700, 300}, kTwo, 2, 0, {-1000, 10, -700, 300}},  // on the second monitor
        {{3000, 500, 3330, 800}, kTwo, 2, 1, {1590, 500, 1920, 800}},
        {{-5000, -400, -4670, -100}, kTwo, 2, 1, {-1280, 0, -950, 300}},
        // Under the left monitor's bottom (984): 26 pixels below it, but only 10 left of the main one.
        {{-30, 1010, -10, 1030}, kTwo, 2, 1, {0, 1010, 20, 1030}},
        {{-400, 1000, -100, 1030}, kTwo, 2, 1, {-400, 954, -100, 984}},
        {{1920, 100, 2250, 400}, kMain, 1, 1, {1590, 100, 1920, 400}},  // edge contact is no overlap
        {{5000, -3000, 9000, 3000}, kMain, 1, 1, {0, 0, 1920, 1040}},   // larger than the area: cut
        {{INT32_MIN, INT32_MIN, -1, INT32_MIN + 10}, kMain, 1, 1, {0, 0, 1920, 10}},
        {{INT32_MAX - 10, INT32_MAX - 10, INT32_MAX, INT32_MAX}, kMain, 1, 1, {1910, 1030, 1920, 1040}},
        {{3000, 3000, 3100, 3100}, nullptr, 0, 0, {3000, 3000, 3100, 3100}},  // no usable area
        {{3000, 3000, 3100, 3100}, &kEmpty, 1, 0, {3000, 3000, 3100, 3100}},
        {{3100, 3100, 3000, 3000}, kMain, 1, 0, {3100, 3100, 3000, 3000}},  // no size
    };
    for (const auto& c : cases) {
        WindowRect r = c.rect;
        EXPECT_EQ(FitRectToArea(r, c.areas, c.count), c.moved) << c.rect.left << "," << c.rect.top;
        EXPECT_EQ(Fields(r), Fields(c.expected)) << c.rect.left << "," << c.rect.top;
    }
}

}  // namespace
