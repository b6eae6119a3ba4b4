// The drawable surface behind a BitmapImage: a GDI DIB section on Windows (surface_win.cpp),
// heap memory with an RGB canvas as drawing target elsewhere (surface_portable_posix.cpp). Either way
// the pixel memory has the file's layout and indexed colours are fixed until set again.
#pragma once

#include <cstdint>

#include "model/device_context.h"

class Surface;  // opaque; on Windows it is the HBITMAP itself

// Makes a surface from a 40-byte info header followed by its colour table (infoSize bytes in
// all) and gives the address of its pixel memory. None for a header it cannot represent:
// bit counts other than 1, 4, 8, 16, 24, 32, a width below 1, a height of 0.
Surface* CreateSurface(DeviceContext dc, const uint8_t* info, uint32_t infoSize, uint8_t** bits);
void DestroySurface(Surface* surface);

// Gives an indexed surface the count RGBQUADs at quads from entry 0, as many as a surface made
// with them would take; pixels stay. 0 when it has no colour table or not all could be set.
int SetSurfaceColorTable(Surface* surface, const uint8_t* quads, uint32_t count);

// Unscaled copy of the width x height rectangle at (sourceX, sourceY) to (x, y) on dc.
void CopySurfaceToContext(const Surface* surface,
                          DeviceContext dc,
                          int x,
                          int y,
                          int sourceX,
                          int sourceY,
                          int width,
                          int height);
