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
