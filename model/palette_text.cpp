#include "model/palette_text.h"

#include <cstdio>

#include "model/color_table.h"

namespace {

// Digits from at on, refused as soon as they pass largest, so nothing can overflow.
int ReadNumber(std::string_view line, size_t* at, uint32_t largest, uint32_t* value) {
    size_t i = *at;
    uint32_t v = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        v = v * 10 + static_cast<uint32_t>(line[i] - '0');
        if (v > largest) {
            return 0;
        }
    }
    if (i == *at) {
        return 0;
    }
    *at = i;
    *value = v;
    return 1;
}

int HexDigitValue(char c, uint32_t* value) {
    if (c >= '0' && c <= '9') {
        *value = static_cast<uint32_t>(c - '0');
    } else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
        *value = static_cast<uint32_t>((c | 0x20) - 'a' + 10);
    } else {
        return 0;
    }
    return 1;
}

}  // namespace

int NextLine(std::string_view* rest, std::string_view* line) {
    if (rest->empty()) {
        return 0;
    }
    size_t end = rest->find('\n');
    *line = rest->substr(0, end);
    rest->remove_prefix(end == std::string_view::npos ? rest->size() : end + 1);
    if (!line->empty() && line->back() == '\r') {
        line->remove_suffix(1);
    }
    return 1;
}

size_t SkipBlanks(std::string_view line, size_t at) {
    while (at < line.size() && IsBlank(line[at])) {
        ++at;
    }
    return at;
}

int ReadLoneNumber(std::string_view line, uint32_t largest, uint32_t* value) {
    size_t at = SkipBlanks(line, 0);
    return ReadNumber(line, &at, largest, value) && SkipBlanks(line, at) == line.size();
}

int ReadRgb(std::string_view line, size_t* at, std::vector<uint8_t>* entries) {
    uint8_t entry[4] = {0, 0, 0, 0};
    size_t i = *at;
    for (int c = 0; c < 3; ++c) {
        // A number takes every digit in a row, so what follows it is a blank or a refusal.
        i = SkipBlanks(line, i);
        uint32_t value;
        if (!ReadNumber(line, &i, 255, &value)) {
            return 0;
        }
        entry[c] = static_cast<uint8_t>(value);
    }
    entries->insert(entries->end(), entry, entry + 4);
    *at = i;
    return 1;
}

int ReadHexDigits(std::string_view line, size_t* at, size_t count, uint32_t* value) {
    uint32_t v = 0;
    size_t i = *at;
    for (uint32_t digit; i < line.size() && HexDigitValue(line[i], &digit); ++i) {
        v = v << 4 | digit;  // more digits than count push the first out, and are refused below
    }
    if (i - *at != count) {
        return 0;
    }
    *at = i;
    *value = v;
    return 1;
}

void AppendLines(const ColorTable& table, const char* lineFormat, std::vector<uint8_t>* bytes) {
    for (uint32_t i = 0; i < table.GetCount(); ++i) {
        const uint8_t* e = table.GetEntry(i);
        char line[16];
        const int length = snprintf(line, sizeof line, lineFormat, e[0], e[1], e[2]);
        bytes->insert(bytes->end(), line, line + length);
    }
}
