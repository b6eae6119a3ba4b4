#include "palette_editor/gdi_target_win.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

// The far edges are held at the largest int; GDI clips them long before.
RECT ToRect(const GridRect& rect) {
    LONG right = static_cast<LONG>(std::min(int64_t{rect.x} + rect.width, kInt32Max));
    LONG bottom = static_cast<LONG>(std::min(int64_t{rect.y} + rect.height, kInt32Max));
    return RECT{rect.x, rect.y, right, bottom};
}

using BrushDrawing = int(WINAPI*)(HDC, const RECT*, HBRUSH);

// An empty rectangle draws nothing, whichever way GDI would take one.
void DrawWithBrush(HDC dc, const GridRect& rect, uint32_t color, BrushDrawing draw) {
    if (rect.width <= 0 || rect.height <= 0) {
        return;
    }
    HBRUSH brush = CreateSolidBrush(color);
    if (brush == nullptr) {
        return;
    }
    RECT area = ToRect(rect);
    draw(dc, &area, brush);
    DeleteObject(brush);
}

}  // namespace

void GdiTarget::Fill(const GridRect& rect, uint32_t color) {
    DrawWithBrush(dc_, rect, color, FillRect);
}

void GdiTarget::Frame(const GridRect& rect, uint32_t color) {
    DrawWithBrush(dc_, rect, color, FrameRect);
}

// Without a clip box nothing is known to be hidden, and the largest int hides nothing: every
// row that starts within 32 bits is drawn, which is slow at worst, never wrong.
int32_t GdiTarget::VisibleBottom() const {
    RECT clip;
    if (GetClipBox(dc_, &clip) == ERROR) {
        return static_cast<int32_t>(kInt32Max);
    }
    return clip.bottom;
}
