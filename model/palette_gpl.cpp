// GIMP palettes: a signature line, optional Name: and Columns: lines, then "R G B" lines, each
// perhaps followed by a name; comment lines (#) and blank lines anywhere.
#include <cstdio>
#include <string_view>

#include "model/color_table.h"
#include "model/palette_formats.h"
#include "model/palette_text.h"

namespace {

// GIMP offers at most 256 columns.
constexpr uint32_t kMostColumns = 256;

}  // namespace

int DecodeGplPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries) {
    std::string_view rest(reinterpret_cast<const char*>(bytes), size);
    std::string_view line;
    if (!NextLine(&rest, &line) || line != "GIMP Palette") {
        return 0;
    }
    int inHeader = 1;
    while (NextLine(&rest, &line)) {
        size_t at = SkipBlanks(line, 0);
        if (at == line.size() || line[at] == '#' || (inHeader && line.substr(0, 5) == "Name:")) {
            continue;
        }
        if (inHeader && line.substr(0, 8) == "Columns:") {
            // Only how GIMP lays the colours out, so checked but not kept.
            uint32_t columns;
            if (!ReadLoneNumber(line.substr(8), kMostColumns, &columns)) {
                return 0;
            }
            continue;
        }
        inHeader = 0;
        if (!ReadRgb(line, &at, entries) || (at != line.size() && !IsBlank(line[at]))) {
            return 0;
        }
    }
    return 1;
}

void EncodeGplPalette(const ColorTable& table, std::vector<uint8_t>* bytes) {
    constexpr char kHeader[] = "GIMP Palette\nName: Korvane\nColumns: 16\n#\n";
    bytes->insert(bytes->end(), kHeader, kHeader + sizeof kHeader - 1);
    for (uint32_t i = 0; i < table.GetCount(); ++i) {
        const uint8_t* e = table.GetEntry(i);
        char line[40];
        int length = snprintf(line, sizeof line, "%3d %3d %3d\tIndex %u\n", e[0], e[1], e[2], i);
        bytes->insert(bytes->end(), line, line + length);
    }
}
