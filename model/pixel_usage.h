// How many pixels of an indexed image use each entry of its colour table.
#pragma once

#include <cstdint>

#include "model/bmp_format.h"

class BitmapImage;

struct PixelUsage {
    uint64_t perEntry[kIndexedEntries];  // 0 for the entries at or past the table's count
    uint64_t beyondTable;                // pixels whose index is not below the table's count
};

// Counts the pixels of 1-, 4- or 8-bit rows in the bitmap layout: |height| rows (a negative height
// is a top-down image), each padded to whole 32-bit words, in bits of size bytes. The padding is
// never counted. 0 for another bit count, a width below 1 or fewer bytes than the rows need.
int CountPixelUsage(const uint8_t* bits,
                    uint64_t size,
                    int32_t width,
                    int32_t height,
                    uint32_t bitCount,
                    uint32_t tableCount,
                    PixelUsage* usage);
// The same over an image's own pixel bits, as its headers describe them.
int CountPixelUsage(const BitmapImage& image, uint32_t tableCount, PixelUsage* usage);
