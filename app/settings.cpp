#include "app/settings.h"

#include <algorithm>
#include <cstddef>

#include "model/bmp_format.h"
#include "palette_editor/grid_options.h"

namespace {

const SettingsValueInfo kSettingsValues[kSettingsValueCount] = {
    {"ViewData", SettingsValueKind::kDword, kOptionBytes},
    {"ImageOption", SettingsValueKind::kDword, kOptionBytes},
    {"TextOption", SettingsValueKind::kDword, kOptionBytes},
    {"BgColor", SettingsValueKind::kDword, kOptionBytes},
    {"Notation", SettingsValueKind::kDword, kOptionBytes},
    {"WindowInfo", SettingsValueKind::kBinary, kWindowInfoBytes},
    {"DrawColorTable", SettingsValueKind::kBinary, kDrawColorTableBytes},
    {"PreviewColorTable", SettingsValueKind::kDword, kOptionBytes},
};

constexpr int kWindowInfoValue = 5;
constexpr int kDrawColorTableValue = 6;
constexpr int kPreviewColorTableValue = 7;

// The fields of the two binary values, in their stored order.
int32_t WindowRect::*const kWindowInfoFields[] = {&WindowRect::left, &WindowRect::top, &WindowRect::right,
                                                  &WindowRect::bottom};
int32_t ColorGridSettings::*const kDrawColorTableFields[] = {
    &ColorGridSettings::margin,     &ColorGridSettings::cursorWidth, &ColorGridSettings::gap,
    &ColorGridSettings::entryWidth, &ColorGridSettings::entryHeight, &ColorGridSettings::columns,
    &ColorGridSettings::rows};

// Signed 32-bit little-endian integers, one per field, in field order.
template <typename Record, size_t N>
void EncodeFields(const Record& record, int32_t Record::*const (&fields)[N], uint8_t* bytes) {
    for (size_t i = 0; i < N; ++i) {
        WriteLe32(bytes + 4 * i, static_cast<uint32_t>(record.*fields[i]));
    }
}

template <typename Record, size_t N>
Record DecodeFields(const uint8_t* bytes, int32_t Record::*const (&fields)[N]) {
    Record record;
    for (size_t i = 0; i < N; ++i) {
        record.*fields[i] = ReadLe32Signed(bytes + 4 * i);
    }
    return record;
}

// The five options, at the first five value indexes.
uint32_t Settings::*const kOptionFields[] = {&Settings::ViewData, &Settings::ImageOption, &Settings::TextOption,
                                             &Settings::BgColor, &Settings::Notation};

// The length creation gives a window along one axis: cut to the largest, then raised to the
// smallest, as the window system does.
int64_t CreatedLength(int64_t length, int32_t smallest, int32_t largest) {
    return std::max<int64_t>(std::min<int64_t>(length, largest), smallest);
}

// How much of [low, high) lies inside [areaLow, areaHigh).
int64_t ShownLength(int64_t low, int64_t high, int32_t areaLow, int32_t areaHigh) {
    return std::max<int64_t>(0, std::min<int64_t>(high, areaHigh) - std::max<int64_t>(low, areaLow));
}

// Gap between two ranges along one axis, 0 when they overlap.
int64_t AxisGap(int64_t low, int64_t high, int32_t areaLow, int32_t areaHigh) {
    return std::max<int64_t>({0, areaLow - high, low - areaHigh});
}

// Places a range of the given length inside the area with the smallest move from low; a range
// longer than the area is cut to it.
void FitAxis(int32_t* low, int32_t* high, int64_t length, int32_t areaLow, int32_t areaHigh) {
    length = std::min<int64_t>(length, static_cast<int64_t>(areaHigh) - areaLow);
    int64_t start = std::max<int64_t>(std::min<int64_t>(*low, areaHigh - length), areaLow);
    // Both ends now lie inside the area, so they fit 32 bits.
    *low = static_cast<int32_t>(start);
    *high = static_cast<int32_t>(start + length);
}

}  // namespace

void EncodeWindowInfo(const WindowRect& rect, uint8_t* bytes) {
    EncodeFields(rect, kWindowInfoFields, bytes);
}

void EncodeDrawColorTable(const ColorGridSettings& grid, uint8_t* bytes) {
    EncodeFields(grid, kDrawColorTableFields, bytes);
}

// A rectangle with no area cannot be shown or grabbed, so it gives way to the default; one
// whose caption the user could not reach is moved at start-up, where the screens are known.
int DecodeWindowInfo(const uint8_t* bytes, uint32_t byteCount, WindowRect* rect) {
    if (byteCount != kWindowInfoBytes) {
        return 0;
    }
    WindowRect read = DecodeFields(bytes, kWindowInfoFields);
    if (!HasPositiveSize(read)) {
        *rect = kDefaultWindowRect;
        return 0;
    }
    *rect = read;
    return 1;
}

// The grid divides by columns and by the cell pitches, so a hand-edited table is taken only
// as a whole and only within the ranges the options dialog would let the user choose.
int DecodeDrawColorTable(const uint8_t* bytes, uint32_t byteCount, ColorGridSettings* grid) {
    if (byteCount != kDrawColorTableBytes) {
        return 0;
    }
    ColorGridSettings read = DecodeFields(bytes, kDrawColorTableFields);
    if (!IsValidColorGrid(read)) {
        *grid = ColorGridSettings();
        return 0;
    }
    *grid = read;
    return 1;
}

// Any value is kept: the start-up view commands turn a nonzero option into 1.
int DecodeOption(const uint8_t* bytes, uint32_t byteCount, uint32_t* option) {
    if (byteCount != kOptionBytes) {
        return 0;
    }
    *option = ReadLe32(bytes);
    return 1;
}

int DecodeSwitch(const uint8_t* bytes, uint32_t byteCount, uint32_t* on) {
    if (byteCount != kOptionBytes) {
        return 0;
    }
    *on = ReadLe32(bytes) == 0 ? 0 : 1;
    return ReadLe32(bytes) <= 1;
}

// The window is made from width = right - left and height = bottom - top as 32-bit ints, so a
// size beyond INT32_MAX would wrap to a negative one.
int HasPositiveSize(const WindowRect& rect) {
    return Width(rect) > 0 && Height(rect) > 0 && Width(rect) <= INT32_MAX && Height(rect) <= INT32_MAX;
}

void FitRectToWorkAreas(WindowRect& rect, const WindowRect* workAreas, int count, const WindowLimits& limits) {
    int64_t width = CreatedLength(Width(rect), limits.minWidth, limits.maxWidth);
    int64_t height = CreatedLength(Height(rect), limits.minHeight, limits.maxHeight);
    const WindowRect* nearest = nullptr;
    double nearestDistance = 0;
    for (int i = 0; i < count; ++i) {
        const WindowRect& area = workAreas[i];
        if (!HasPositiveSize(area)) {
            continue;
        }
        int64_t captionShown = ShownLength(rect.top, rect.top + int64_t{limits.captionHeight}, area.top, area.bottom);
        int64_t widthShown = ShownLength(rect.left, rect.left + width, area.left, area.right);
        if (2 * captionShown >= limits.captionHeight && widthShown >= std::min<int64_t>(width, limits.gripWidth)) {
            return;
        }
        // A gap may approach 2^32, whose square would overflow 64-bit integers.
        double dx = static_cast<double>(AxisGap(rect.left, rect.left + width, area.left, area.right));
        double dy = static_cast<double>(AxisGap(rect.top, rect.top + height, area.top, area.bottom));
        double distance = dx * dx + dy * dy;
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = &area;
            nearestDistance = distance;
        }
    }
    if (nearest != nullptr) {
        FitAxis(&rect.left, &rect.right, width, nearest->left, nearest->right);
        FitAxis(&rect.top, &rect.bottom, height, nearest->top, nearest->bottom);
    }
}

const SettingsValueInfo& GetSettingsValueInfo(int index) {
    return kSettingsValues[index];
}

void EncodeSettingsValue(const Settings& settings, int index, uint8_t* bytes) {
    if (index == kWindowInfoValue) {
        EncodeWindowInfo(settings.windowInfo, bytes);
    } else if (index == kDrawColorTableValue) {
        EncodeDrawColorTable(settings.colorGrid, bytes);
    } else if (index == kPreviewColorTableValue) {
        WriteLe32(bytes, settings.PreviewColorTable);
    } else {
        WriteLe32(bytes, settings.*kOptionFields[index]);
    }
}

int DecodeSettingsValue(const uint8_t* bytes, uint32_t byteCount, int index, Settings* settings) {
    if (index == kWindowInfoValue) {
        return DecodeWindowInfo(bytes, byteCount, &settings->windowInfo);
    }
    if (index == kDrawColorTableValue) {
        return DecodeDrawColorTable(bytes, byteCount, &settings->colorGrid);
    }
    if (index == kPreviewColorTableValue) {
        return DecodeSwitch(bytes, byteCount, &settings->PreviewColorTable);
    }
    return DecodeOption(bytes, byteCount, &(settings->*kOptionFields[index]));
}
