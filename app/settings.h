// The persisted settings: the record with its defaults, the byte layouts of the two binary
// registry values, and the checks applied when they are read.
#pragma once

#include <cstdint>

#include "palette_editor/grid_settings.h"
#include "views/display_settings.h"
#include "views/geometry.h"

// Where the main window opens when nothing usable is stored.
constexpr WindowRect kDefaultWindowRect{50, 50, 380, 350};

struct Settings : DisplaySettings {
    WindowRect windowInfo = kDefaultWindowRect;
    ColorGridSettings colorGrid;
    // Whether the colour-table editor's changes show on the image before they are applied.
    uint32_t PreviewColorTable = 1;
};

constexpr uint32_t kOptionBytes = 4;
constexpr uint32_t kWindowInfoBytes = 16;
constexpr uint32_t kDrawColorTableBytes = 28;
constexpr uint32_t kLargestSettingsValueBytes = kDrawColorTableBytes;

// Byte layouts: signed 32-bit little-endian integers in field order.
void EncodeWindowInfo(const WindowRect& rect, uint8_t* bytes16);
void EncodeDrawColorTable(const ColorGridSettings& grid, uint8_t* bytes28);

// Decoding takes the bytes as read from the store. A value of any other size than the
// field's leaves the field untouched and returns 0. A value of the right size that fails
// the checks below resets the field to its default and returns 0; otherwise 1.
int DecodeWindowInfo(const uint8_t* bytes, uint32_t byteCount, WindowRect* rect);
int DecodeDrawColorTable(const uint8_t* bytes, uint32_t byteCount, ColorGridSettings* grid);
int DecodeOption(const uint8_t* bytes, uint32_t byteCount, uint32_t* option);
// A switch is 0 or 1; any other value of the right size resets it to on, its default.
int DecodeSwitch(const uint8_t* bytes, uint32_t byteCount, uint32_t* on);

// 1 when the rectangle has a positive width and height, each fitting a 32-bit int.
int HasPositiveSize(const WindowRect& rect);

// What window creation does to a top-level window's size, and how much of the band along its
// top edge (the caption, by which the user drags it) must show for the user to take hold of it.
struct WindowLimits {
    int32_t minWidth;
    int32_t minHeight;
    int32_t maxWidth;
    int32_t maxHeight;
    int32_t captionHeight;
    int32_t gripWidth;
};

// Judged at the size creation will give it, a rectangle whose caption band shows in one work
// area at least half its height high and gripWidth wide (the whole width of a narrower window)
// stays exactly as it is. Any other moves onto the nearest work area at that size, cut to the
// area where larger. With no usable area it stays as it is.
void FitRectToWorkAreas(WindowRect& rect, const WindowRect* workAreas, int count, const WindowLimits& limits);

// The stored values in the order they are read and written: the first seven as ever, then the
// ones added since, which an older program passes over.
enum class SettingsValueKind { kDword, kBinary };

struct SettingsValueInfo {
    const char* name;
    SettingsValueKind kind;
    uint32_t byteCount;
};

constexpr int kSettingsValueCount = 8;

const SettingsValueInfo& GetSettingsValueInfo(int index);

// Writes value `index` of the record into bytes (its byteCount bytes, at most
// kLargestSettingsValueBytes).
void EncodeSettingsValue(const Settings& settings, int index, uint8_t* bytes);

// Applies value `index` as read from the store, with the rules of the Decode functions above.
int DecodeSettingsValue(const uint8_t* bytes, uint32_t byteCount, int index, Settings* settings);
