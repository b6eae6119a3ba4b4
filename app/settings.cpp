#include "app/settings.h"

#include <cstddef>

#include "model/bmp_format.h"

Settings gSettings;

namespace {

const SettingsValueInfo kSettingsValues[kSettingsValueCount] = {
    {"ViewData", SettingsValueKind::kDword, kOptionBytes},
    {"ImageOption", SettingsValueKind::kDword, kOptionBytes},
    {"TextOption", SettingsValueKind::kDword, kOptionBytes},
    {"BgColor", SettingsValueKind::kDword, kOptionBytes},
    {"Notation", SettingsValueKind::kDword, kOptionBytes},
    {"WindowInfo", SettingsValueKind::kBinary, kWindowInfoBytes},
    {"DrawColorTable", SettingsValueKind::kBinary, kDrawColorTableBytes},
};

constexpr int kWindowInfoValue = 5;
constexpr int kDrawColorTableValue = 6;

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

int InRange(int32_t value, int32_t smallest, int32_t largest) {
    return value >= smallest && value <= largest;
}

int64_t Width(const WindowRect& r) {
    return static_cast<int64_t>(r.right) - r.left;
}

int64_t Height(const WindowRect& r) {
    return static_cast<int64_t>(r.bottom) - r.top;
}

int Overlaps(const WindowRect& a, const WindowRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Gap between two ranges along one axis, 0 when they overlap.
int64_t AxisGap(int32_t lowA, int32_t highA, int32_t lowB, int32_t highB) {
    if (highA <= lowB) {
        return static_cast<int64_t>(lowB) - highA;
    }
    if (highB <= lowA) {
        return static_cast<int64_t>(lowA) - highB;
    }
    return 0;
}

// Places [low, low + length) inside [areaLow, areaHigh) with the smallest move; a range longer
// than the area is cut to it.
void FitAxis(int32_t* low, int32_t* high, int64_t length, int32_t areaLow, int32_t areaHigh) {
    int64_t areaLength = static_cast<int64_t>(areaHigh) - areaLow;
    if (length > areaLength) {
        length = areaLength;
    }
    int64_t start = *low;
    if (start + length > areaHigh) {
        start = areaHigh - length;
    }
    if (start < areaLow) {
        start = areaLow;
    }
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
// that lies off every screen is moved at start-up, where the screens are known.
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

int IsValidColorGrid(const ColorGridSettings& grid) {
    return InRange(grid.margin, 0, 100) && InRange(grid.cursorWidth, 1, 10) && InRange(grid.gap, 0, 100) &&
           InRange(grid.entryWidth, 1, 50) && InRange(grid.entryHeight, 1, 50) && InRange(grid.columns, 5, 30) &&
           InRange(grid.rows, 0, 30);
}

// The window is made from width = right - left and height = bottom - top as 32-bit ints, so a
// size beyond INT32_MAX would wrap to a negative one.
int HasPositiveSize(const WindowRect& rect) {
    return Width(rect) > 0 && Height(rect) > 0 && Width(rect) <= INT32_MAX && Height(rect) <= INT32_MAX;
}

int FitRectToArea(WindowRect& rect, const WindowRect* workAreas, int count) {
    if (!HasPositiveSize(rect)) {
        return 0;
    }
    int nearest = -1;
    double nearestDistance = 0;
    for (int i = 0; i < count; ++i) {
        const WindowRect& area = workAreas[i];
        if (!HasPositiveSize(area)) {
            continue;
        }
        if (Overlaps(rect, area)) {
            return 0;
        }
        // A gap may approach 2^32, whose square would overflow 64-bit integers.
        double dx = static_cast<double>(AxisGap(rect.left, rect.right, area.left, area.right));
        double dy = static_cast<double>(AxisGap(rect.top, rect.bottom, area.top, area.bottom));
        double distance = dx * dx + dy * dy;
        if (nearest < 0 || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    if (nearest < 0) {
        return 0;
    }
    const WindowRect& area = workAreas[nearest];
    int64_t width = Width(rect);
    int64_t height = Height(rect);
    FitAxis(&rect.left, &rect.right, width, area.left, area.right);
    FitAxis(&rect.top, &rect.bottom, height, area.top, area.bottom);
    return 1;
}

const SettingsValueInfo& GetSettingsValueInfo(int index) {
    return kSettingsValues[index];
}

void EncodeSettingsValue(const Settings& settings, int index, uint8_t* bytes) {
    if (index == kWindowInfoValue) {
        EncodeWindowInfo(settings.windowInfo, bytes);
    } else if (index == kDrawColorTableValue) {
        EncodeDrawColorTable(settings.colorGrid, bytes);
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
    return DecodeOption(bytes, byteCount, &(settings->*kOptionFields[index]));
}
