// The BMP file layout: field offsets, little-endian access and the size rules shared by
// reading, creating, writing and the header report.
#pragma once

#include <cstddef>
#include <cstdint>

struct ReadRefusal;

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
constexpr uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr uint32_t kCompressionRgb = 0;
// A pixel of at most 8 bits names one of the first 256 entries; no pixel reaches any entry after them.
constexpr uint32_t kIndexedEntries = 256;

// Offsets inside the 14-byte file header.
constexpr uint32_t kOffBfType = 0;
constexpr uint32_t kOffBfSize = 2;
constexpr uint32_t kOffBfReserved1 = 6;
constexpr uint32_t kOffBfReserved2 = 8;
constexpr uint32_t kOffBfOffBits = 10;

// Offsets inside the 40-byte info header.
constexpr uint32_t kOffBiSize = 0;
constexpr uint32_t kOffBiWidth = 4;
constexpr uint32_t kOffBiHeight = 8;
constexpr uint32_t kOffBiPlanes = 12;
constexpr uint32_t kOffBiBitCount = 14;
constexpr uint32_t kOffBiCompression = 16;
constexpr uint32_t kOffBiSizeImage = 20;
constexpr uint32_t kOffBiXPelsPerMeter = 24;
constexpr uint32_t kOffBiYPelsPerMeter = 28;
constexpr uint32_t kOffBiClrUsed = 32;
constexpr uint32_t kOffBiClrImportant = 36;

inline uint16_t ReadLe16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (static_cast<uint32_t>(p[1]) << 8));
}

inline uint32_t ReadLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

// The 32-bit pattern read as two's complement, without an implementation-defined narrowing.
inline int32_t AsSigned32(uint32_t u) {
    return u <= INT32_MAX ? static_cast<int32_t>(u) : -static_cast<int32_t>(~u) - 1;
}

inline int32_t ReadLe32Signed(const uint8_t* p) {
    return AsSigned32(ReadLe32(p));
}

inline void WriteLe16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

inline void WriteLe32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

// The header fields as the report and the tests read them.
struct FileHeaderFields {
    uint16_t bfType;
    uint32_t bfSize;
    uint16_t bfReserved1;
    uint16_t bfReserved2;
    uint32_t bfOffBits;
};

struct InfoHeaderFields {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};

FileHeaderFields DecodeFileHeader(const uint8_t* bytes14);
InfoHeaderFields DecodeInfoHeader(const uint8_t* bytes40);
void EncodeFileHeader(const FileHeaderFields& fields, uint8_t* bytes14);

// The magnitude of a signed height as an unsigned count; INT32_MIN gives 2^31 without overflow.
uint32_t HeightMagnitude(int32_t height);

// Bytes of one row: the bits rounded up to whole 32-bit words. 1 and the result on success,
// 0 when the width is negative or the row does not fit 32 bits.
int ComputeBytesPerLine(int32_t width, uint32_t bitCount, uint32_t* bytesPerLine);

// The bit counts a plain RGB image may have.
inline bool IsKnownBitCount(uint32_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

// The colour-table index of pixel x in a row of an indexed image of 1, 4 or 8 bits per pixel,
// the leftmost pixel in a byte's highest bits.
inline uint32_t ReadPixelIndex(const uint8_t* line, size_t x, uint32_t bitCount) {
    switch (bitCount) {
        case 1:
            return (line[x / 8] >> (7 - x % 8)) & 1;
        case 4:
            return (line[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF;
        default:
            return line[x];
    }
}

// N on reading: biClrUsed when set, else 2^bits below 16 bits per pixel, else 0.
uint32_t ColorCountOnRead(uint32_t biClrUsed, uint32_t bitCount);

// The sizes that follow from a header: row length, image size, colour-table bytes and the
// whole file (54 + 4N + image size). 0 when any of them does not fit 32 bits, named in refusal
// when one is given.
struct BitmapSizes {
    uint32_t bytesPerLine;
    uint32_t imageSize;
    uint32_t colorTableBytes;
    uint32_t fileSize;
};
int ComputeBitmapSizes(int32_t width,
                       int32_t height,
                       uint32_t bitCount,
                       uint32_t colorCount,
                       BitmapSizes* sizes,
                       ReadRefusal* refusal = nullptr);
