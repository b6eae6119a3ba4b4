#include "palette_editor/entry_tip.h"

#include <cstdio>

#include "model/color_table.h"
#include "palette_editor/hex_colors.h"
#include "resources/texts.h"

std::string EntryTip(const ColorTable& table, uint32_t i, uint64_t pixels, uint64_t imagePixels) {
    const uint8_t* e = table.GetEntry(i);
    char text[160];
    std::snprintf(text, sizeof(text), kEntryTipFormat, static_cast<unsigned>(i), e[0], e[1], e[2],
                  HexColor(table, i).c_str());
    if (pixels == 0 || imagePixels == 0) {
        return text + std::string(kEntryUnusedText);
    }
    // Rounded to the nearest tenth; pixels * 2000 fits 64 bits for any image a surface can hold.
    const uint64_t tenths = (pixels * 2000 / imagePixels + 1) / 2;
    const std::string share = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    char used[96];
    std::snprintf(used, sizeof(used), kEntryUsedFormat, std::to_string(pixels).c_str(), share.c_str());
    return text + std::string(used);
}
