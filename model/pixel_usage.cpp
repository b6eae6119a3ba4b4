#include "model/pixel_usage.h"

#include "model/bitmap_image.h"

namespace {

// The first n pixels of the byte value, from its high bits down, each counted count times.
void AddPixelsOfByte(uint32_t value, uint64_t count, uint32_t n, uint32_t bitCount, uint64_t* perIndex) {
    const uint32_t mask = (1u << bitCount) - 1;
    for (uint32_t k = 1; k <= n; ++k) {
        perIndex[value >> (8 - bitCount * k) & mask] += count;
    }
}

}  // namespace

// One pass over the bytes that hold pixels counts each byte value, the bytes that are whole pixels
// apart from a row's last, partly filled one; the byte values are split into pixels afterwards,
// 256 of them at most, so no pixel costs more than one table increment.
int CountPixelUsage(const uint8_t* bits,
                    uint64_t size,
                    int32_t width,
                    int32_t height,
                    uint32_t bitCount,
                    uint32_t tableCount,
                    PixelUsage* usage) {
    uint32_t bytesPerLine;
    const uint64_t rows = HeightMagnitude(height);
    // Both factors are below 2^32, so the product cannot overflow 64 bits.
    if ((bitCount != 1 && bitCount != 4 && bitCount != 8) || width < 1 ||
        !ComputeBytesPerLine(width, bitCount, &bytesPerLine) || rows * bytesPerLine > size) {
        return 0;
    }
    const uint32_t pixelsPerByte = 8 / bitCount;
    const uint32_t wholeBytes = static_cast<uint32_t>(width) / pixelsPerByte;
    const uint32_t lastPixels = static_cast<uint32_t>(width) % pixelsPerByte;
    uint64_t whole[256] = {};
    uint64_t last[256] = {};
    for (uint64_t r = 0; r < rows; ++r) {
        const uint8_t* row = bits + r * bytesPerLine;
        for (uint32_t i = 0; i < wholeBytes; ++i) {
            ++whole[row[i]];
        }
        if (lastPixels != 0) {
            ++last[row[wholeBytes]];
        }
    }
    uint64_t perIndex[kIndexedEntries] = {};
    for (uint32_t value = 0; value < 256; ++value) {
        AddPixelsOfByte(value, whole[value], pixelsPerByte, bitCount, perIndex);
        AddPixelsOfByte(value, last[value], lastPixels, bitCount, perIndex);
    }
    *usage = PixelUsage{};
    for (uint32_t i = 0; i < kIndexedEntries; ++i) {
        if (i < tableCount) {
            usage->perEntry[i] = perIndex[i];
        } else {
            usage->beyondTable += perIndex[i];
        }
    }
    return 1;
}

int CountPixelUsage(const BitmapImage& image, uint32_t tableCount, PixelUsage* usage) {
    uint8_t info[kInfoHeaderSize];
    image.GetHeaders(nullptr, info);
    const InfoHeaderFields fields = DecodeInfoHeader(info);
    return CountPixelUsage(image.GetBits(), image.GetImageSize(), fields.biWidth, fields.biHeight, fields.biBitCount,
                           tableCount, usage);
}
