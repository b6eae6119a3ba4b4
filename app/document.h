// The one document of the program and the values of the new-image dialog.
#pragma once

#include <cstdint>

#include "app/window_system.h"
#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "resources/texts.h"

// The path of a new image that was never saved.
constexpr char kNewImagePath[] = "Bitmap";

struct Document {
    Document() = default;
    ~Document() { delete image; }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    char path[kPathBytes] = {};
    int32_t dirty = 0;
    // Counts the changes made to the image (MarkChanged), so a command that waits in a modal
    // loop can tell whether one happened meanwhile.
    uint32_t changes = 0;
    BitmapImage* image = nullptr;
    ColorTable snapshot;
};

// Records a change to the image that is not written yet: the document becomes dirty.
void MarkChanged(Document& document);
// 1 when closing the document must ask whether to save it.
int NeedsSavePrompt(const Document& document);
// Copies text into a path buffer, cut to 259 bytes.
void CopyPath(char* destination, const char* text);

struct NewImageSettings {
    uint32_t width = 256;
    uint32_t height = 256;
    uint32_t entryCount = 256;
    int32_t modeIndex = 2;
};

constexpr int kColorModeCount = 4;
// The drop-down list's text of mode i (0..3).
const char* ColorModeText(int modeIndex);
// Bits per pixel and the entry count that choosing the mode sets; 0 for an unknown mode.
uint32_t ColorModeBitsPerPixel(int modeIndex);
uint32_t ColorModeEntryCount(int modeIndex);
