// The GDI side of a surface, for the Win32 views that stretch it themselves.
#pragma once

#include <windows.h>

#include "model/surface.h"

inline HBITMAP SurfaceBitmap(const Surface* surface) {
    return reinterpret_cast<HBITMAP>(const_cast<Surface*>(surface));
}
