// The drawable surface behind a BitmapImage: a GDI DIB section on Windows (surface_win.cpp),
// heap memory with an RGB canvas as drawing target elsewhere (surface_portable_posix.cpp). Either way
// the pixel memory has the file's layout and indexed colours are fixed when it is made.
#pragma once

#include <cstdint>

#include "model/device_context.h"

class Surface;  // opaque; on Windows it is the HBITMAP itself

// Makes a surface from a 40-byte info header followed by its colour table (infoSize bytes in
// all) and gives the address of its pixel memory. None for a header it cannot represent:
// bit counts other than 1, 4, 8, 16, 24, 32, a width below 1, a height of 0.
Surface* CreateSurface(DeviceContext dc, const uint8_t* info, uint32_t infoSize, uint8_t** bits);
void DestroySurface(Surface* surface);

// Unscaled copy of the width x height rectangle at (sourceX, sourceY) to (x, y) on dc.
void CopySurfaceToContext(const Surface* surface,
                          DeviceContext dc,
                          int x,
                          int y,
                          int sourceX,
                          int sourceY,
                          int width,
                          int height);
