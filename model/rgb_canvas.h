// A plain RGB drawing target for platforms without GDI: tests read its pixels back.
#pragma once

#include <cstdint>
#include <vector>

class RgbCanvas {
  public:
    RgbCanvas(int width, int height, uint32_t fill = 0)
        : width_(width), height_(height), pixels_(Count(width, height), fill) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0x00RRGGBB; 0 outside the canvas.
    uint32_t Pixel(int x, int y) const { return Contains(x, y) ? pixels_[Index(x, y)] : 0; }
    // Writes outside the canvas are clipped, as a device context clips.
    void SetPixel(int x, int y, uint32_t rgb) {
        if (Contains(x, y)) {
            pixels_[Index(x, y)] = rgb;
        }
    }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  private:
    static size_t Count(int w, int h) { return w > 0 && h > 0 ? static_cast<size_t>(w) * static_cast<size_t>(h) : 0; }
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }

    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};
