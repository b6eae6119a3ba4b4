#include "app/path_split.h"

namespace {

// Copies [begin, end) cut to 255 bytes without splitting a double-byte character.
void CopyPart(const char* begin, const char* end, char* out) {
    int n = 0;
    const char* p = begin;
    while (p < end) {
        int step = IsCp932LeadByte(static_cast<unsigned char>(*p)) && p + 1 < end ? 2 : 1;
        if (n + step > kPathPartBytes - 1) {
            break;
        }
        for (int i = 0; i < step; ++i) {
            out[n++] = *p++;
        }
    }
    out[n] = '\0';
}

}  // namespace

int IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

void SplitPath(const char* path, PathParts& parts) {
    const char* nameStart = path;
    const char* dot = nullptr;
    const char* p = path;
    while (*p != '\0') {
        unsigned char c = static_cast<unsigned char>(*p);
        if (IsCp932LeadByte(c)) {
            // A lead byte right before the end has no trail byte to take.
            p += p[1] != '\0' ? 2 : 1;
            continue;
        }
        if (c == '\\' || c == '/') {
            nameStart = p + 1;
            dot = nullptr;
        } else if (c == '.') {
            dot = p;
        }
        ++p;
    }
    const char* nameEnd = dot != nullptr ? dot : p;
    CopyPart(nameStart, nameEnd, parts.name);
    CopyPart(nameEnd, p, parts.extension);
}
