// BMP files as bytes, and a folder of their own, for the native tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include <stdlib.h>

#include "model/bmp_format.h"

using Bytes = std::vector<uint8_t>;

// bytes with 32-bit little-endian values put at the given offsets, in order.
inline Bytes Poke(Bytes bytes, std::initializer_list<std::pair<uint32_t, uint32_t>> offsetsAndValues) {
    for (const auto& p : offsetsAndValues) {
        WriteLe32(&bytes[p.first], p.second);
    }
    return bytes;
}

// A file with a 40-byte header, then entries quads (i, 3i, 255 - i, 0x77), then the pixel bytes
// 0, 1, 2, ... Every field the reader checks is right until poked.
inline Bytes MakeBmp(int32_t w, int32_t h, uint16_t bits, uint32_t entries, uint32_t used = 0) {
    uint32_t bytesPerLine = 0;
    ComputeBytesPerLine(w < 0 ? 0 : w, bits, &bytesPerLine);
    uint32_t image = bytesPerLine * HeightMagnitude(h);
    uint32_t offBits = kHeadersSize + 4 * entries;
    Bytes b = Poke(Bytes(offBits + image), {{0, 0x4D42}, {2, offBits + image}, {10, offBits}, {14, 40}, {34, image}});
    b = Poke(b, {{18, uint32_t(w)}, {22, uint32_t(h)}, {26, 1u | bits << 16}, {46, used}});
    for (uint32_t i = 0; i < entries; ++i) {
        WriteLe32(&b[kHeadersSize + 4 * i], 0x77000000u | (255 - i) % 256 << 16 | i * 3 % 256 << 8 | i % 256);
    }
    std::iota(b.begin() + offBits, b.end(), uint8_t(0));
    return b;
}

inline Bytes ReadAllBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

// A folder of its own for each test, removed afterwards.
struct TempDir {
    TempDir() { path = mkdtemp(pattern) ? pattern : ""; }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name) const { return path + "/" + name; }

    char pattern[25] = "/tmp/korvane-test-XXXXXX";
    std::string path;
};
