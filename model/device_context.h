// The drawing context that surfaces are made for and copied to: a GDI device context on
// Windows, an RGB canvas elsewhere (tests, tools).
#pragma once

#if defined(_WIN32)
struct HDC__;
using DeviceContext = HDC__*;
#else
class RgbCanvas;
using DeviceContext = RgbCanvas*;
#endif
