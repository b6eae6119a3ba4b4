// JASC-PAL: a signature line, a version line, the entry count, then one "R G B" line each.
#include <cstdio>
#include <string_view>

#include "model/color_table.h"
#include "model/palette_formats.h"
#include "model/palette_text.h"

int DecodeJascPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries) {
    std::string_view rest(reinterpret_cast<const char*>(bytes), size);
    std::string_view line;
    uint32_t count;
    if (!NextLine(&rest, &line) || line != "JASC-PAL" || !NextLine(&rest, &line) || line != "0100" ||
        !NextLine(&rest, &line) || !ReadLoneNumber(line, kLargestPaletteEntries, &count)) {
        return 0;
    }
    // Growing with the lines actually there, never reserving what the count promises.
    for (uint32_t i = 0; i < count; ++i) {
        size_t at = 0;
        if (!NextLine(&rest, &line) || !ReadRgb(line, &at, entries) || SkipBlanks(line, at) != line.size()) {
            return 0;
        }
    }
    // Editors often leave empty lines at the end; anything more is a file we do not understand.
    while (NextLine(&rest, &line)) {
        if (SkipBlanks(line, 0) != line.size()) {
            return 0;
        }
    }
    return 1;
}

void EncodeJascPalette(const ColorTable& table, std::vector<uint8_t>* bytes) {
    char line[32];
    const int length = snprintf(line, sizeof line, "JASC-PAL\r\n0100\r\n%u\r\n", table.GetCount());
    bytes->insert(bytes->end(), line, line + length);
    AppendLines(table, "%d %d %d\r\n", bytes);
}
