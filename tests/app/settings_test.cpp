#include "app/settings.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using Ints = std::vector<int64_t>;

static std::vector<uint8_t> Le32s(const Ints& values) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < 4 * values.size(); ++i) {
        bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(values[i / 4]) >> (8 * (i % 4))));
    }
    return bytes;
}

// The fields of each value in stored order: five options, the rectangle, the grid, the preview.
static std::vector<Ints> Fields(const Settings& s) {
    const Ints rect = {s.windowInfo.left, s.windowInfo.top, s.windowInfo.right, s.windowInfo.bottom};
    const ColorGridSettings& g = s.colorGrid;
    const Ints grid = {g.margin, g.cursorWidth, g.gap, g.entryWidth, g.entryHeight, g.columns, g.rows};
    return {{s.ViewData}, {s.ImageOption},      {s.TextOption}, {s.BgColor}, {s.Notation}, rect,
            grid,         {s.PreviewColorTable}};
}

// Values are their fields as signed 32-bit little-endian integers. One of another size leaves its field;
// the default replaces a rectangle without a positive 32-bit size (the window is made from right - left),
// a grid outside the options dialog's ranges, or a preview switch other than 0 or 1.
TEST(Settings, ValuesTheirLayoutsAndTheirChecks) {
    const std::vector<Ints> defaults = {{0}, {0}, {0}, {0}, {0}, {50, 50, 380, 350}, {10, 1, 2, 12, 12, 16, 16}, {1}};
    const std::vector<Ints> others = {{1}, {2}, {3}, {4}, {7}, {-1280, INT32_MIN, -8, -1}, {0, 10, 100, 1, 50, 5, 0},
                                      {0}};
    EXPECT_EQ(Fields(Settings()), defaults);
    Settings read;
    for (int i = 0; i < kSettingsValueCount; ++i) {
        std::vector<uint8_t> stored = Le32s(others[i]), written(stored.size());
        EXPECT_EQ(DecodeSettingsValue(stored.data(), GetSettingsValueInfo(i).byteCount, i, &read), 1);
        EncodeSettingsValue(read, i, written.data());
        EXPECT_EQ(written, stored);
    }
    EXPECT_EQ(Fields(read), others);

    const Ints low = {0, 1, 0, 1, 1, 5, 0}, high = {100, 10, 100, 50, 50, 30, 30};
    // Value, its fields, their byte count, and the field afterwards (taken when it equals them).
    std::vector<std::tuple<int, Ints, uint32_t, Ints>> cases = {
        {5, {100, 100, 100, 300}, 16, defaults[5]},
        {5, {100, 100, 300, 100}, 16, defaults[5]},
        {5, {INT32_MAX, 0, INT32_MIN, 10}, 16, defaults[5]},
        {5, {-2000000000, 0, 2000000000, 300}, 16, defaults[5]},
        {5, {-100, -200, INT32_MAX - 100, 300}, 16, {-100, -200, INT32_MAX - 100, 300}},
        {6, low, 28, low},
        {6, high, 28, high},
        {7, {2}, 4, defaults[7]}};
    for (size_t field = 0; field < low.size(); ++field) {
        for (int64_t wrong : {low[field] - 1, high[field] + 1}) {
            cases.emplace_back(6, high, 28, defaults[6]);
            std::get<1>(cases.back())[field] = wrong;
        }
    }
    for (int i = 0; i < kSettingsValueCount; ++i) {
        for (uint32_t size : {0u, GetSettingsValueInfo(i).byteCount - 1, GetSettingsValueInfo(i).byteCount + 1}) {
            cases.emplace_back(i, Ints(8, 20), size, others[i]);
        }
    }
    for (const auto& [index, values, size, expected] : cases) {
        Settings s = read;
        EXPECT_EQ(DecodeSettingsValue(Le32s(values).data(), size, index, &s), expected == values);
        EXPECT_EQ(Fields(s)[index], expected) << index << " " << values[0] << " " << size;
    }
}

TEST(Settings, StartUpFitLeavesTheCaptionWithinReach) {
    const WindowLimits limits = {40, 27, 1292, 1036, 20, 60};  // a 1280x1024 screen; narrow windows allowed
    const std::vector<WindowRect> screen = {{0, 0, 1280, 1024}}, two = {{-1280, 0, 0, 984}, {0, 0, 1920, 1040}};
    // Stored, the work areas (two: a left monitor and the main one), and where it opens.
    const std::tuple<WindowRect, std::vector<WindowRect>, Ints> cases[] = {
        {{0, 0, 5000, 5000}, screen, {0, 0, 5000, 5000}},          // larger than creation allows
        {{1220, 100, 1820, 600}, screen, {1220, 100, 1820, 600}},  // just the grip width
        {{100, -10, 700, 500}, screen, {100, -10, 700, 500}},      // just half the caption
        {{10, -10, 50, 400}, screen, {10, -10, 50, 400}},          // narrower than the grip
        {{-1000, 10, -700, 300}, two, {-1000, 10, -700, 300}},
        {{3000, 3000, 3100, 3100}, {{0, 0, 0, 0}}, {3000, 3000, 3100, 3100}},  // no usable area
        {{100, -11, 700, 500}, screen, {100, 0, 700, 511}},
        {{1270, 100, 1870, 600}, screen, {680, 100, 1280, 600}},
        {{1279, 1023, 1281, 1025}, screen, {1240, 997, 1280, 1024}},  // at the smallest size
        {{-5000, -5000, 5000, 5000}, screen, {0, 0, 1280, 1024}},
        {{-5000, 100, 5000, 600}, screen, {0, 100, 1280, 600}},  // uncut, the caption would show
        {{3000, 500, 3330, 800}, two, {1590, 500, 1920, 800}},
        {{-30, 1010, -10, 1030}, two, {0, 1010, 40, 1037}},  // under the left one, nearer the main one
        {{INT32_MIN, INT32_MIN, -1, INT32_MIN + 10}, screen, {0, 0, 1280, 27}},
        {{INT32_MAX - 10, INT32_MAX - 10, INT32_MAX, INT32_MAX}, screen, {1240, 997, 1280, 1024}}};
    for (const auto& [stored, areas, expected] : cases) {
        WindowRect r = stored;
        FitRectToWorkAreas(r, areas.data(), static_cast<int>(areas.size()), limits);
        EXPECT_EQ((Ints{r.left, r.top, r.right, r.bottom}), expected) << stored.left << "," << stored.top;
    }
}
