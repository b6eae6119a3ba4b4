// What the native tests read and write: BMP files as bytes, expected reports, a folder of their own.
#pragma once

#include <cstring>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include <stdlib.h>

#include "model/bmp_format.h"
#include "tools/text_encoding.h"
#include "views/plain_string.h"

using Bytes = std::vector<uint8_t>;

// bytes with 32-bit little-endian values put at the given offsets, in order.
inline Bytes Poke(Bytes bytes, std::initializer_list<std::pair<uint32_t, uint32_t>> offsetsAndValues) {
    for (const auto& [offset, value] : offsetsAndValues) {
        WriteLe32(&bytes[offset], value);
    }
    return bytes;
}

// A file with a 40-byte header, then entries quads and the pixels, all the bytes 0, 1, 2, ... (for 256
// entries the pixels start again at 0). Every field the reader checks is right until poked.
inline Bytes MakeBmp(int32_t w, int32_t h, uint16_t bits, uint32_t entries, uint32_t used = 0) {
    const uint32_t image = ((w > 0 ? w : 0) * bits + 31) / 32 * 4 * std::abs(h);
    const uint32_t offBits = kHeadersSize + 4 * entries;
    Bytes b = Poke(Bytes(offBits + image), {{0, 0x4D42}, {2, offBits + image}, {10, offBits}, {14, 40}, {34, image}});
    b = Poke(b, {{18, uint32_t(w)}, {22, uint32_t(h)}, {26, 1u | bits << 16}, {46, used}});
    std::iota(b.begin() + kHeadersSize, b.end(), uint8_t(0));
    return b;
}

inline Bytes ReadAllBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

inline std::string Golden(const std::string& name) {
    const Bytes text = ReadAllBytes(std::string(KORVANE_SOURCE_DIR) + "/tests/views/data/" + name + ".txt");
    return std::string(text.begin(), text.end());
}

inline std::string Utf8(const char* cp932) {
    PlainString out;
    return cp932 && Cp932ToUtf8(cp932, static_cast<int32_t>(strlen(cp932)), out) && out.Data() ? out.Data() : "";
}

// A folder of its own for each test, removed afterwards.
struct TempDir {
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name) const { return path + "/" + name; }

    std::string path = mkdtemp(std::string("/tmp/korvane-test-XXXXXX").data());
};
