#include "tools/korvane_report_json.h"

#include <cinttypes>
#include <cstdio>

#include "model/bitmap_image.h"
#include "model/bmp_format.h"

namespace {

// The length of the well-formed UTF-8 character at text[at]; 0 when none starts there.
size_t Utf8CharacterLength(const std::string& text, size_t at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (length == 0 || length > text.size() - at) {
        return 0;
    }
    uint32_t code = lead & (0x7Fu >> length);
    for (size_t i = 1; i < length; ++i) {
        const unsigned char trail = static_cast<unsigned char>(text[at + i]);
        if ((trail & 0xC0) != 0x80) {
            return 0;
        }
        code = code << 6 | (trail & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no characters.
    constexpr uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    return code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF ? 0 : length;
}

void AppendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8CharacterLength(text, at);
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (length == 0) {
            out += "\\ufffd";
            ++at;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out.append(text, at, length);
        }
        at += length;
    }
    out += '"';
}

// "name": value, each of a group on one line.
struct Member {
    const char* name;
    int64_t value;
};

void AppendMembers(std::string& out, std::initializer_list<Member> members, const char* between) {
    const char* separator = "";
    for (const Member& m : members) {
        char text[80];
        snprintf(text, sizeof text, "%s\"%s\": %" PRId64, separator, m.name, m.value);
        out += text;
        separator = between;
    }
}

}  // namespace

std::string BuildReportJson(const BitmapImage& image, const std::string& utf8Path, int64_t actualSize) {
    uint8_t fileBytes[kFileHeaderSize] = {};
    uint8_t infoBytes[kInfoHeaderSize] = {};
    image.GetHeaders(fileBytes, infoBytes);
    const FileHeaderFields f = DecodeFileHeader(fileBytes);
    const InfoHeaderFields i = DecodeInfoHeader(infoBytes);
    const uint32_t colorCount = image.GetColorCount();
    std::string out = "{\n  \"fileName\": ";
    AppendJsonString(out, utf8Path);
    out += ",\n  \"BITMAPFILEHEADER\": {";
    AppendMembers(out,
                  {{"bfType", f.bfType},
                   {"bfSize", f.bfSize},
                   {"bfReserved1", f.bfReserved1},
                   {"bfReserved2", f.bfReserved2},
                   {"bfOffBits", f.bfOffBits}},
                  ", ");
    out += "},\n  \"BITMAPINFOHEADER\": {";
    AppendMembers(out,
                  {{"biSize", i.biSize},
                   {"biWidth", i.biWidth},
                   {"biHeight", i.biHeight},
                   {"biPlanes", i.biPlanes},
                   {"biBitCount", i.biBitCount},
                   {"biCompression", i.biCompression},
                   {"biSizeImage", i.biSizeImage},
                   {"biXPelsPerMeter", i.biXPelsPerMeter},
                   {"biYPelsPerMeter", i.biYPelsPerMeter},
                   {"biClrUsed", i.biClrUsed},
                   {"biClrImportant", i.biClrImportant}},
                  ", ");
    out += "},\n  ";
    // As the summary computes them; the reader refuses any image whose sum does not fit 32 bits.
    AppendMembers(out,
                  {{"colorCount", colorCount},
                   {"bytesPerLine", image.GetBytesPerLine()},
                   {"computedFileSize", int64_t{kHeadersSize} + 4 * int64_t{colorCount} + image.GetImageSize()}},
                  ",\n  ");
    out += ",\n  \"actualFileSize\": ";
    out += actualSize < 0 ? "null" : std::to_string(actualSize);
    out += "\n}\n";
    return out;
}
