// Draws the colour grid into a device context of the editor window.
#pragma once

#include <windows.h>

#include "palette_editor/drawing_target.h"

class GdiTarget : public DrawingTarget {
  public:
    // The device context stays the caller's to release.
    explicit GdiTarget(HDC dc) : dc_(dc) {}

    void Fill(const GridRect& rect, uint32_t color) override;
    void Frame(const GridRect& rect, uint32_t color) override;
    int32_t VisibleBottom() const override;

  private:
    HDC dc_;
};
