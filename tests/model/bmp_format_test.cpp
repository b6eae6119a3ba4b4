#include "model/bmp_format.h"

#include <gtest/gtest.h>

// Width, height, bits, entries; bytes per row, image, file, or 0s: does not fit 32 bits.
TEST(BmpFormat, SizesAreComputedOrRefused) {
    const int64_t cases[][7] = {
        {33, 1, 1, 2, 8, 8, 70},         {9, 4, 4, 16, 8, 32, 150},        {256, -256, 8, 256, 256, 65536, 66614},
        {3, 1, 32, 0, 12, 12, 66},       {0, 1, 8, 0, 0, 0, 54},           {-1, 1, 8, 0, 0, 0, 0},
        {1073741825, 1, 32, 0, 0, 0, 0}, {100000, 100000, 24, 0, 0, 0, 0}, {65536, 65536, 8, 0, 0, 0, 0},
        {1, INT32_MIN, 32, 0, 0, 0, 0},  {1, 1, 8, 0x40000000, 0, 0, 0},   {1, 1, 8, 0x3FFFFFFF, 0, 0, 0},
        {1, 1073741555, 8, 256, 0, 0, 0}};  // 54 + 1024 + 4294966220
    for (const auto& c : cases) {
        BitmapSizes s = {};  // a refusal leaves it as it was
        const int fits = ComputeBitmapSizes(int32_t(c[0]), int32_t(c[1]), uint32_t(c[2]), uint32_t(c[3]), &s);
        EXPECT_EQ((std::vector<int64_t>{fits, s.bytesPerLine, s.imageSize, s.colorTableBytes, s.fileSize}),
                  (std::vector<int64_t>{c[6] != 0, c[4], c[5], c[6] ? 4 * c[3] : 0, c[6]}))
            << &c - cases;
    }
}
