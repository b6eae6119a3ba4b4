// Builds BMP files as byte arrays for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/bmp_format.h"

struct BmpLayout {
    int32_t width = 4;
    int32_t height = 2;
    uint16_t bitCount = 8;
    uint32_t compression = 0;
    uint32_t clrUsed = 0;
    uint32_t infoSize = 40;
    uint32_t tableEntries = 256;  // entries actually written
    uint32_t offBits = 0;         // 0: right after the colour table
};

inline BmpLayout Layout(int32_t width, int32_t height, uint16_t bitCount, uint32_t tableEntries, uint32_t clrUsed = 0) {
    BmpLayout s;
    s.width = width;
    s.height = height;
    s.bitCount = bitCount;
    s.tableEntries = tableEntries;
    s.clrUsed = clrUsed;
    return s;
}

inline std::vector<uint8_t> MakeBmp(const BmpLayout& s, uint8_t pixelFill = 0) {
    uint32_t bpl = 0;
    ComputeBytesPerLine(s.width < 0 ? 0 : s.width, s.bitCount, &bpl);
    uint32_t image = bpl * HeightMagnitude(s.height);
    std::vector<uint8_t> b(14 + s.infoSize + 4 * s.tableEntries + image, 0);
    b[0] = 'B';
    b[1] = 'M';
    WriteLe32(&b[2], static_cast<uint32_t>(b.size()));
    WriteLe32(&b[10], s.offBits ? s.offBits : 14 + s.infoSize + 4 * s.tableEntries);
    uint8_t* h = &b[14];
    WriteLe32(h + 0, s.infoSize);
    WriteLe32(h + 4, static_cast<uint32_t>(s.width));
    WriteLe32(h + 8, static_cast<uint32_t>(s.height));
    WriteLe16(h + 12, 1);
    WriteLe16(h + 14, s.bitCount);
    WriteLe32(h + 16, s.compression);
    WriteLe32(h + 20, image);
    WriteLe32(h + 32, s.clrUsed);
    for (uint32_t i = 0; i < s.tableEntries; ++i) {
        uint8_t* q = &b[14 + s.infoSize + 4 * i];
        q[0] = static_cast<uint8_t>(i);        // blue
        q[1] = static_cast<uint8_t>(i * 3);    // green
        q[2] = static_cast<uint8_t>(255 - i);  // red
        q[3] = 0x77;                           // reserved bytes are kept as read
    }
    for (uint32_t i = 0; i < image; ++i) {
        b[b.size() - image + i] = static_cast<uint8_t>(pixelFill + i);
    }
    return b;
}

inline std::vector<uint8_t> ReadAllBytes(const std::string& path) {
    std::vector<uint8_t> data;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        uint8_t buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
            data.insert(data.end(), buf, buf + n);
        }
        std::fclose(f);
    }
    return data;
}

inline void WriteAllBytes(const std::string& path, const std::vector<uint8_t>& data) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f != nullptr) {
        std::fwrite(data.data(), 1, data.size(), f);
        std::fclose(f);
    }
}
