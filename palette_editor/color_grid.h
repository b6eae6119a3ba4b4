// The colour grid of the colour-table editor: the size of the editor window and the places of
// its controls, the rectangles of each cell, which cell a point hits, and the drawing of the
// swatches and the cursor. Entry i sits at column i mod columns, row i div columns.
#pragma once

#include <cstdint>

#include "palette_editor/drawing_target.h"
#include "palette_editor/grid_settings.h"

class ColorTable;

constexpr uint32_t kCursorColor = 0x000000;
// Paints over the cursor of the cell the selection leaves.
constexpr uint32_t kCursorEraseColor = 0xC0C0C0;
// The frame of a range's second end, in the cursor's band but not its colour (red).
constexpr uint32_t kRangeEndColor = 0x0000FF;

// The editor window's outer size and its nine controls in client pixels, in the order the
// window places them: the red, green and blue trackbars, then the three edits, then the three
// invert buttons. Figures that would not fit 32 bits are held at the int32 bounds.
constexpr int kEditorControlCount = 9;
struct EditorLayout {
    int32_t windowWidth;
    int32_t windowHeight;
    GridRect controls[kEditorControlCount];
};
EditorLayout ComputeEditorLayout(const ColorGridSettings& grid, uint32_t entryCount);

// The column and row of entry i. The grid has at least one column, as the settings' checks see to.
struct GridCell {
    int32_t column;
    int32_t row;
};
GridCell CellOfEntry(const ColorGridSettings& grid, uint32_t i);
// The entry a cell of non-negative column and row would hold, which may be past the table's end.
uint64_t EntryOfCell(const ColorGridSettings& grid, int32_t column, int32_t row);

// The outer edge of a cell's cursor band, and its swatch. Defined for any column and row.
GridRect CellCursorRect(const ColorGridSettings& grid, int32_t column, int32_t row);
GridRect CellSwatchRect(const ColorGridSettings& grid, int32_t column, int32_t row);
// 1 with the cell under the point (a mouse press's signed 16-bit client coordinates) when
// there is one that holds an entry; the cursor bands belong to no cell.
int HitTestCell(const ColorGridSettings& grid,
                uint32_t entryCount,
                int32_t x,
                int32_t y,
                int32_t* column,
                int32_t* row);

void FillBox(DrawingTarget& target, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t color);
// thickness nested one-pixel frames, each one pixel further in; none for 0 or less. Frames that
// cannot show are left out, and past 1024 frames the band goes in as fills of its four sides.
void FrameBox(DrawingTarget& target,
              int32_t x,
              int32_t y,
              int32_t width,
              int32_t height,
              int32_t thickness,
              uint32_t color);
void DrawEntry(DrawingTarget& target, const ColorGridSettings& grid, int32_t column, int32_t row, uint32_t color);
void DrawCursor(DrawingTarget& target, const ColorGridSettings& grid, int32_t column, int32_t row, uint32_t color);
// A small box in the top left corner of the swatch, black around white so that it shows on any
// colour: the mark of an entry no pixel uses.
void DrawUnusedMark(DrawingTarget& target, const ColorGridSettings& grid, int32_t column, int32_t row);
// Every entry's swatch in its palette-relative colour, then the cursor on the selected cell
// when that cell exists. Gaps, bands and empty cells keep the background.
void PaintGrid(DrawingTarget& target,
               const ColorGridSettings& grid,
               const ColorTable& table,
               int32_t selectedColumn,
               int32_t selectedRow);
// Erases the cursor at the selection, records the new one, draws it: in that order, so a band
// shared with the old cell ends up black.
void MoveCursor(DrawingTarget& target,
                const ColorGridSettings& grid,
                int32_t* selectedColumn,
                int32_t* selectedRow,
                int32_t column,
                int32_t row);
