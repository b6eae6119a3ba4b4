// Draws the colour grid into an RGB canvas the way GDI draws it into a window, so that the
// tests can read the pixels back.
#pragma once

#include <algorithm>
#include <cstdint>

#include "model/rgb_canvas.h"
#include "palette_editor/drawing_target.h"

class CanvasTarget : public DrawingTarget {
  public:
    explicit CanvasTarget(RgbCanvas& canvas) : canvas_(canvas) {}

    void Fill(const GridRect& rect, uint32_t color) override {
        FillSpan(rect.x, rect.y, int64_t{rect.x} + rect.width, int64_t{rect.y} + rect.height, color);
    }
    // The top and bottom rows and the left and right columns inside the rectangle, as
    // FrameRect draws them with a one-pixel brush.
    void Frame(const GridRect& rect, uint32_t color) override {
        if (rect.width <= 0 || rect.height <= 0) {
            return;
        }
        int64_t left = rect.x;
        int64_t top = rect.y;
        int64_t right = left + rect.width;
        int64_t bottom = top + rect.height;
        FillSpan(left, top, right, top + 1, color);
        FillSpan(left, bottom - 1, right, bottom, color);
        FillSpan(left, top, left + 1, bottom, color);
        FillSpan(right - 1, top, right, bottom, color);
    }
    int32_t VisibleBottom() const override { return canvas_.Height(); }

  private:
    // Right and bottom excluded; clipped to the canvas in 64 bits, so no edge can overflow.
    void FillSpan(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t color) {
        uint32_t rgb = (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
        for (int64_t y = std::max<int64_t>(top, 0); y < std::min<int64_t>(bottom, canvas_.Height()); ++y) {
            for (int64_t x = std::max<int64_t>(left, 0); x < std::min<int64_t>(right, canvas_.Width()); ++x) {
                canvas_.SetPixel(static_cast<int>(x), static_cast<int>(y), rgb);
            }
        }
    }

    RgbCanvas& canvas_;
};
