#include "palette_editor/hex_colors.h"

#include "model/color_table.h"
#include "model/palette_text.h"

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',';
}

// The code of one token into rgb; 0 when it is none of the three forms.
int ReadCode(const char* token, size_t length, uint8_t rgb[3]) {
    const bool hash = length > 0 && token[0] == '#';
    const size_t digits = length - (hash ? 1 : 0);
    size_t at = 0;
    uint32_t value = 0;
    if ((digits != 6 && !(hash && digits == 3)) ||
        !ReadHexDigits(std::string_view(token + (hash ? 1 : 0), digits), &at, digits, &value)) {
        return 0;
    }
    for (int c = 0; c < 3; ++c) {
        // "#RGB" doubles each digit: #F80 is #FF8800.
        rgb[c] =
            static_cast<uint8_t>(digits == 3 ? (value >> (4 * (2 - c)) & 0xF) * 17 : value >> (8 * (2 - c)) & 0xFF);
    }
    return 1;
}

}  // namespace

HexColorsRead ReadHexColors(const char* text, size_t length, std::vector<uint8_t>* rgb) {
    rgb->clear();
    size_t at = 0;
    while (at < length && rgb->size() / 3 < kMostHexColors) {
        if (IsSeparator(text[at])) {
            ++at;
            continue;
        }
        size_t end = at;
        // A token longer than any code is refused at its eighth character, however long it is.
        while (end < length && !IsSeparator(text[end]) && end - at < 8) {
            ++end;
        }
        uint8_t code[3];
        if (!ReadCode(text + at, end - at, code)) {
            rgb->clear();
            return HexColorsRead::kNotColors;
        }
        rgb->insert(rgb->end(), code, code + 3);
        at = end;
    }
    return rgb->empty() ? HexColorsRead::kEmpty : HexColorsRead::kRead;
}

std::string HexColor(const ColorTable& table, uint32_t i) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string code = "#";
    const uint8_t* e = table.GetEntry(i);
    for (int c = 0; c < 3; ++c) {
        code += kDigits[e[c] >> 4];
        code += kDigits[e[c] & 15];
    }
    return code;
}

std::string HexColorLines(const ColorTable& table) {
    std::string lines;
    lines.reserve(9 * static_cast<size_t>(table.GetCount()));
    for (uint32_t i = 0; i < table.GetCount(); ++i) {
        lines += HexColor(table, i) + "\r\n";
    }
    return lines;
}
