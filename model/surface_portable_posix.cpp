// The memory surface used where GDI is not available: pixel memory in the file's layout,
// its own copy of the colour table, and an unscaled copy onto an RgbCanvas.
#include <cstdlib>
#include <cstring>
#include <new>

#include "model/bmp_format.h"
#include "model/rgb_canvas.h"
#include "model/surface.h"
#include "model/surface_portable.h"

namespace {

// Larger surfaces are refused by default, as a 32-bit process could not map them either.
uint32_t gMaxSurfaceBytes = 1u << 30;

}  // namespace

uint32_t SetMemorySurfaceLimit(uint32_t bytes) {
    uint32_t previous = gMaxSurfaceBytes;
    gMaxSurfaceBytes = bytes;
    return previous;
}

class Surface {
  public:
    int32_t width = 0;
    uint32_t height = 0;
    bool topDown = false;
    uint32_t bitCount = 0;
    uint32_t stride = 0;
    uint32_t colorCount = 0;
    uint32_t colors[256] = {};  // 0x00RRGGBB
    uint8_t* bits = nullptr;

    ~Surface() { std::free(bits); }

    uint32_t PixelAt(int32_t x, uint32_t y) const;
    void TakeColors(const uint8_t* quads, uint32_t count);
};

// At most 256 entries are kept, whatever the bit count: no index can reach beyond them.
void Surface::TakeColors(const uint8_t* quads, uint32_t count) {
    colorCount = count < 256 ? count : 256;
    for (uint32_t i = 0; i < colorCount; ++i, quads += 4) {
        colors[i] = (static_cast<uint32_t>(quads[2]) << 16) | (static_cast<uint32_t>(quads[1]) << 8) | quads[0];
    }
}

uint32_t Surface::PixelAt(int32_t x, uint32_t y) const {
    uint32_t row = topDown ? y : height - 1 - y;
    const uint8_t* line = bits + static_cast<size_t>(row) * stride;
    size_t ux = static_cast<size_t>(x);
    switch (bitCount) {
        case 1:
        case 4:
        case 8: {
            // An index beyond the colour table draws black.
            uint32_t index = ReadPixelIndex(line, ux, bitCount);
            return index < colorCount ? colors[index] : 0;
        }
        case 16: {
            uint32_t v = ReadLe16(line + 2 * ux);
            uint32_t r = (v >> 10) & 0x1F, g = (v >> 5) & 0x1F, b = v & 0x1F;
            return ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
        }
        case 24: {
            const uint8_t* p = line + 3 * ux;
            return (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[0];
        }
        default: {
            const uint8_t* p = line + 4 * ux;
            return (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[0];
        }
    }
}

Surface* CreateSurface(DeviceContext, const uint8_t* info, uint32_t infoSize, uint8_t** bits) {
    *bits = nullptr;
    if (infoSize < kInfoHeaderSize) {
        return nullptr;
    }
    InfoHeaderFields h = DecodeInfoHeader(info);
    uint32_t bitCount = h.biBitCount;
    BitmapSizes sizes;
    if (!IsKnownBitCount(bitCount) || h.biWidth < 1 || h.biHeight == 0 || h.biHeight == INT32_MIN ||
        !ComputeBitmapSizes(h.biWidth, h.biHeight, bitCount, 0, &sizes) || sizes.imageSize > gMaxSurfaceBytes) {
        return nullptr;
    }
    Surface* s = new (std::nothrow) Surface;
    if (s == nullptr) {
        return nullptr;
    }
    s->bits = static_cast<uint8_t*>(std::malloc(sizes.imageSize));
    if (s->bits == nullptr) {
        delete s;
        return nullptr;
    }
    s->width = h.biWidth;
    s->height = HeightMagnitude(h.biHeight);
    s->topDown = h.biHeight < 0;
    s->bitCount = bitCount;
    s->stride = sizes.bytesPerLine;
    if (bitCount <= 8) {
        s->TakeColors(info + kInfoHeaderSize, (infoSize - kInfoHeaderSize) / 4);
    }
    *bits = s->bits;
    return s;
}

int SetSurfaceColorTable(Surface* surface, const uint8_t* quads, uint32_t count) {
    if (surface == nullptr || surface->bitCount > 8) {
        return 0;
    }
    surface->TakeColors(quads, count);
    return 1;
}

void DestroySurface(Surface* surface) {
    delete surface;
}

void CopySurfaceToContext(const Surface* surface,
                          DeviceContext dc,
                          int x,
                          int y,
                          int sourceX,
                          int sourceY,
                          int width,
                          int height) {
    if (surface == nullptr || dc == nullptr) {
        return;
    }
    // Clip the rectangle to the surface and to the canvas first, in 64 bits, so a huge or
    // negative rectangle costs nothing and never indexes outside either.
    int64_t colBegin = 0, colEnd = width, rowBegin = 0, rowEnd = height;
    auto clip = [](int64_t offset, int64_t limit, int64_t* begin, int64_t* end) {
        *begin = *begin > -offset ? *begin : -offset;
        *end = *end < limit - offset ? *end : limit - offset;
    };
    clip(sourceX, surface->width, &colBegin, &colEnd);
    clip(x, dc->Width(), &colBegin, &colEnd);
    clip(sourceY, surface->height, &rowBegin, &rowEnd);
    clip(y, dc->Height(), &rowBegin, &rowEnd);
    for (int64_t row = rowBegin; row < rowEnd; ++row) {
        for (int64_t col = colBegin; col < colEnd; ++col) {
            dc->SetPixel(static_cast<int>(x + col), static_cast<int>(y + row),
                         surface->PixelAt(static_cast<int32_t>(sourceX + col), static_cast<uint32_t>(sourceY + row)));
        }
    }
}
