// The surface is a GDI DIB section; the opaque Surface pointer is its HBITMAP.
#include "model/surface_win.h"

#include <cstring>
#include <memory>
#include <new>

#include "model/bmp_format.h"

Surface* CreateSurface(DeviceContext dc, const uint8_t* info, uint32_t infoSize, uint8_t** bits) {
    *bits = nullptr;
    if (infoSize < kInfoHeaderSize) {
        return nullptr;
    }
    // GDI refuses a biPlanes other than 1, a field the format keeps but never uses: the surface
    // is made from a copy that says 1, and the image's own header stays as read.
    std::unique_ptr<uint8_t[]> header(new (std::nothrow) uint8_t[infoSize]);
    if (!header) {
        return nullptr;
    }
    std::memcpy(header.get(), info, infoSize);
    WriteLe16(header.get() + kOffBiPlanes, 1);
    void* pixels = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(header.get()), DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap == nullptr) {
        return nullptr;
    }
    if (pixels == nullptr) {
        DeleteObject(bitmap);
        return nullptr;
    }
    *bits = static_cast<uint8_t*>(pixels);
    return reinterpret_cast<Surface*>(bitmap);
}

void DestroySurface(Surface* surface) {
    DeleteObject(SurfaceBitmap(surface));
}

int SetSurfaceColorTable(Surface* surface, const uint8_t* quads, uint32_t count) {
    DIBSECTION section;
    if (GetObject(SurfaceBitmap(surface), sizeof section, &section) != sizeof section || section.dsBm.bmBitsPixel > 8) {
        return 0;
    }
    // No index reaches beyond 2^bits entries, and a DIB section holds no more.
    UINT limit = 1u << section.dsBm.bmBitsPixel;
    UINT wanted = count < limit ? count : limit;
    HDC memory = CreateCompatibleDC(nullptr);
    if (memory == nullptr) {
        return 0;
    }
    HGDIOBJ previous = SelectObject(memory, SurfaceBitmap(surface));
    // Reading first leaves a table shorter than asked untouched, so a remade surface takes over.
    RGBQUAD present[256];
    const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(quads);
    int ok = previous != nullptr && GetDIBColorTable(memory, 0, wanted, present) == wanted &&
             SetDIBColorTable(memory, 0, wanted, table) == wanted;
    if (previous != nullptr) {
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    return ok;
}

void CopySurfaceToContext(const Surface* surface,
                          DeviceContext dc,
                          int x,
                          int y,
                          int sourceX,
                          int sourceY,
                          int width,
                          int height) {
    HDC memory = CreateCompatibleDC(dc);
    if (memory == nullptr) {
        return;
    }
    HGDIOBJ previous = SelectObject(memory, SurfaceBitmap(surface));
    BitBlt(dc, x, y, width, height, memory, sourceX, sourceY, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}
