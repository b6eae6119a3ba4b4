// The surface is a GDI DIB section; the opaque Surface pointer is its HBITMAP.
#include "model/surface_win.h"

#include "model/bmp_format.h"

Surface* CreateSurface(DeviceContext dc, const uint8_t* info, uint32_t infoSize, uint8_t** bits) {
    *bits = nullptr;
    if (infoSize < kInfoHeaderSize) {
        return nullptr;
    }
    void* pixels = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(info), DIB_RGB_COLORS, &pixels, nullptr, 0);
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
