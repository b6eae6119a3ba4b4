// The two palette formats of hexadecimal lines: Lospec's HEX (RRGGBB) and paint.net's text
// (AARRGGBB after ';' comment lines). Blank lines may stand anywhere in either.
#include <string_view>

#include "model/color_table.h"
#include "model/palette_formats.h"
#include "model/palette_text.h"

namespace {

constexpr size_t kHexDigits = 6;
constexpr size_t kPaintNetDigits = 8;
constexpr char kPaintNetComment = ';';
constexpr char kNoComment = '\0';

int IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Lines of digits hexadecimal digits, the colour in the last six, between blank lines and, where
// the format has them, comment lines.
int DecodeHexLines(const uint8_t* bytes, size_t size, size_t digits, char comment, std::vector<uint8_t>* entries) {
    std::string_view rest(reinterpret_cast<const char*>(bytes), size);
    std::string_view line;
    while (NextLine(&rest, &line)) {
        size_t at = SkipBlanks(line, 0);
        if (at == line.size() || (comment != kNoComment && line[at] == comment)) {
            continue;
        }
        uint32_t value;
        if (!ReadHexDigits(line, &at, digits, &value) || SkipBlanks(line, at) != line.size()) {
            return 0;
        }
        AppendEntry(entries, static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
                    static_cast<uint8_t>(value));
    }
    return 1;
}

}  // namespace

int DecodeHexPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries) {
    return DecodeHexLines(bytes, size, kHexDigits, kNoComment, entries);
}

void EncodeHexPalette(const ColorTable& table, std::vector<uint8_t>* bytes) {
    AppendLines(table, "%02x%02x%02x\n", bytes);
}

int DecodePaintNetPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries) {
    return DecodeHexLines(bytes, size, kPaintNetDigits, kPaintNetComment, entries);
}

void EncodePaintNetPalette(const ColorTable& table, std::vector<uint8_t>* bytes) {
    constexpr char kHeader[] = "; paint.net palette, written by Korvane\r\n; one colour a line: AARRGGBB\r\n";
    bytes->insert(bytes->end(), kHeader, kHeader + sizeof kHeader - 1);
    AppendLines(table, "FF%02X%02X%02X\r\n", bytes);
}

int StartsAsPaintNetPalette(const uint8_t* start, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(start), size);
    size_t at = 0;
    while (at < text.size() && (IsBlank(text[at]) || IsLineEnd(text[at]))) {
        ++at;
    }
    if (at < text.size() && text[at] == kPaintNetComment) {
        return 1;
    }
    // Eight digits and no more; whatever follows them, the reader checks every line.
    uint32_t value;
    return ReadHexDigits(text, &at, kPaintNetDigits, &value);
}
