// Where the colour grid is drawn: a device context of the editor window on Windows, an RGB
// canvas in the tests. Two solid primitives are all the grid needs.
#pragma once

#include <cstdint>

// Left, top, width and height in client pixels.
struct GridRect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

class DrawingTarget {
  public:
    virtual ~DrawingTarget() = default;
    // Colours are COLORREFs: 0x00BBGGRR, or 0x02BBGGRR for a palette-relative one.
    // Fills the rectangle, its right and bottom edges excluded; an empty one draws nothing.
    virtual void Fill(const GridRect& rect, uint32_t color) = 0;
    // A one-pixel frame along the inside of the rectangle; an empty one draws nothing.
    virtual void Frame(const GridRect& rect, uint32_t color) = 0;
    // Nothing at or below this row can show, so drawing may stop there.
    virtual int32_t VisibleBottom() const = 0;
};
