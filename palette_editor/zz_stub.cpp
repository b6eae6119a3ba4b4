// TEMPORARY until the grid lands
#include "palette_editor/color_grid.h"
#include "model/color_table.h"
EditorLayout ComputeEditorLayout(const ColorGridSettings&, uint32_t) {
    return EditorLayout{};
}
GridRect CellCursorRect(const ColorGridSettings&, int32_t, int32_t) {
    return GridRect{};
}
GridRect CellSwatchRect(const ColorGridSettings&, int32_t, int32_t) {
    return GridRect{};
}
int HitTestCell(const ColorGridSettings& g, uint32_t n, int32_t x, int32_t y, int32_t* c, int32_t* r) {
    int32_t px = g.entryWidth + 2 * g.gap + g.cursorWidth, dx = x - g.margin - g.cursorWidth,
            dy = y - g.margin - g.cursorWidth;
    if (dx < 0 || dy < 0 || dx % px >= px - g.cursorWidth || dy % px >= px - g.cursorWidth)
        return 0;
    *c = dx / px;
    *r = dy / px;
    return *c < g.columns && uint32_t(*r * g.columns + *c) < n;
}
void DrawEntry(DrawingTarget& t, const ColorGridSettings&, int32_t c, int32_t r, uint32_t color) {
    t.Fill(GridRect{c, r, 0, 0}, color);
}
void PaintGrid(DrawingTarget& t, const ColorGridSettings&, const ColorTable& tb, int32_t, int32_t) {
    for (uint32_t i = 0; i < tb.GetCount(); ++i)
        t.Fill(GridRect{}, tb.GetColor(i));
}
void MoveCursor(DrawingTarget& t, const ColorGridSettings&, int32_t* sc, int32_t* sr, int32_t c, int32_t r) {
    t.Frame(GridRect{*sc, *sr, 0, 0}, kCursorEraseColor);
    *sc = c;
    *sr = r;
    t.Frame(GridRect{c, r, 0, 0}, 0);
}
