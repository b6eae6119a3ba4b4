#include "app/document.h"

#include <cstring>

namespace {

struct ColorMode {
    const char* text;
    uint32_t bitsPerPixel;
    uint32_t entryCount;
};

constexpr ColorMode kColorModes[kColorModeCount] = {
    {"白黒", 1, 2},
    {"16色", 4, 16},
    {"256色", 8, 256},
    {"ﾌﾙｶﾗｰ", 24, 0},
};

int ValidMode(int modeIndex) {
    return modeIndex >= 0 && modeIndex < kColorModeCount;
}

}  // namespace

void MarkChanged(Document& document) {
    document.dirty = 1;
    ++document.changes;
}

int NeedsSavePrompt(const Document& document) {
    return document.dirty != 0 || std::strcmp(document.path, kNewImagePath) == 0;
}

void CopyPath(char* destination, const char* text) {
    size_t n = std::strlen(text);
    if (n > kPathBytes - 1) {
        n = kPathBytes - 1;
    }
    std::memmove(destination, text, n);
    destination[n] = '\0';
}

const char* ColorModeText(int modeIndex) {
    return ValidMode(modeIndex) ? kColorModes[modeIndex].text : "";
}

uint32_t ColorModeBitsPerPixel(int modeIndex) {
    return ValidMode(modeIndex) ? kColorModes[modeIndex].bitsPerPixel : 0;
}

uint32_t ColorModeEntryCount(int modeIndex) {
    return ValidMode(modeIndex) ? kColorModes[modeIndex].entryCount : 0;
}
