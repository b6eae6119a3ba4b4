#include "palette_editor/color_grid.h"

#include <algorithm>
#include <limits>

#include "model/color_table.h"
#include "views/geometry.h"

// Settings are any 32-bit values, so every figure is worked out in 64 bits and only the end
// result is held at the 32-bit bounds.
namespace {

constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

// Beyond the grid and its margins the window takes this much across for its borders, and this
// much down for the three control rows, the caption and the borders.
constexpr int64_t kWindowExtraWidth = 6;
constexpr int64_t kWindowExtraHeight = 114;
constexpr int64_t kControlRowPitch = 26;
constexpr int64_t kControlSpacing = 8;
// Far more than any cursor band needs.
constexpr int64_t kFramesOneByOne = 1024;

// Held within 2^62 either way: far outside 32 bits, with room left for adding a few more
// 32-bit terms without overflow, and without changing which side of the bounds the sum lands.
int64_t HeldProduct(int64_t a, int64_t b) {
    constexpr int64_t kFar = int64_t{1} << 62;
    int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        return (a < 0) == (b < 0) ? kFar : -kFar;
    }
    return std::clamp(product, -kFar, kFar);
}

GridRect HeldRect(int64_t x, int64_t y, int64_t width, int64_t height) {
    return GridRect{HeldToInt32(x), HeldToInt32(y), HeldToInt32(width), HeldToInt32(height)};
}

// A swatch with the gaps either side of it, without the cursor bands.
int64_t CellWidth(const ColorGridSettings& grid) {
    return int64_t{grid.entryWidth} + 2 * int64_t{grid.gap};
}
int64_t CellHeight(const ColorGridSettings& grid) {
    return int64_t{grid.entryHeight} + 2 * int64_t{grid.gap};
}
int64_t PitchX(const ColorGridSettings& grid) {
    return CellWidth(grid) + grid.cursorWidth;
}
int64_t PitchY(const ColorGridSettings& grid) {
    return CellHeight(grid) + grid.cursorWidth;
}

// Without a column, or with cells that do not move on from one to the next, no point can name
// a cell: nothing is hit and nothing is painted.
bool HasCells(const ColorGridSettings& grid) {
    return grid.columns >= 1 && PitchX(grid) >= 1 && PitchY(grid) >= 1;
}

// Whether the cell of a grid with cells holds an entry.
bool HoldsEntry(const ColorGridSettings& grid, uint32_t entryCount, int64_t column, int64_t row) {
    return column >= 0 && row >= 0 && column < grid.columns && HeldProduct(row, grid.columns) + column < entryCount;
}

// The stored rows when they hold every entry, else as many as the entries fill. The capacity
// is a 32-bit unsigned product, as the figures are stored, so negative rows pass as a vast
// capacity and are used as they are. Without a column the entries fill no row.
int64_t RowsUsed(const ColorGridSettings& grid, uint32_t entryCount) {
    if (grid.rows != 0 && static_cast<uint32_t>(grid.rows) * static_cast<uint32_t>(grid.columns) >= entryCount) {
        return grid.rows;
    }
    if (grid.columns < 1) {
        return 0;
    }
    return (int64_t{entryCount} + grid.columns - 1) / grid.columns;
}

// count cells between count + 1 cursor bands, regrouped so that only one product can overflow.
int64_t GridExtent(int64_t count, int64_t cellLength, int32_t cursorWidth) {
    return HeldProduct(count, cellLength + cursorWidth) + cursorWidth;
}

GridRect CursorRectAt(const ColorGridSettings& grid, int64_t column, int64_t row) {
    return HeldRect(grid.margin + HeldProduct(column, PitchX(grid)), grid.margin + HeldProduct(row, PitchY(grid)),
                    CellWidth(grid) + 2 * int64_t{grid.cursorWidth}, CellHeight(grid) + 2 * int64_t{grid.cursorWidth});
}

GridRect SwatchRectAt(const ColorGridSettings& grid, int64_t column, int64_t row) {
    int64_t inset = int64_t{grid.margin} + grid.cursorWidth + grid.gap;
    return HeldRect(inset + HeldProduct(column, PitchX(grid)), inset + HeldProduct(row, PitchY(grid)), grid.entryWidth,
                    grid.entryHeight);
}

// The pixels of that many nested frames: the whole rectangle once they meet in the middle,
// else its four sides.
void FillBand(DrawingTarget& target,
              int64_t x,
              int64_t y,
              int64_t width,
              int64_t height,
              int64_t frames,
              uint32_t color) {
    int64_t innerWidth = width - 2 * frames;
    int64_t innerHeight = height - 2 * frames;
    if (innerWidth <= 0 || innerHeight <= 0) {
        target.Fill(HeldRect(x, y, width, height), color);
        return;
    }
    target.Fill(HeldRect(x, y, width, frames), color);
    target.Fill(HeldRect(x, y + height - frames, width, frames), color);
    target.Fill(HeldRect(x, y + frames, frames, innerHeight), color);
    target.Fill(HeldRect(x + width - frames, y + frames, frames, innerHeight), color);
}

}  // namespace

EditorLayout ComputeEditorLayout(const ColorGridSettings& grid, uint32_t entryCount) {
    int64_t gridWidth = GridExtent(grid.columns, CellWidth(grid), grid.cursorWidth);
    int64_t gridHeight = GridExtent(RowsUsed(grid, entryCount), CellHeight(grid), grid.cursorWidth);
    int64_t margin = grid.margin;
    int64_t rowY = gridHeight + 2 * margin;
    // The control rows share the grid's width less 16 pixels: three quarters to the trackbars,
    // a tenth to the edits, 15 hundredths to the buttons.
    int64_t shared = gridWidth - 16;
    int64_t trackbarWidth = HeldProduct(75, shared) / 100;
    int64_t editWidth = HeldProduct(10, shared) / 100;
    int64_t buttonWidth = HeldProduct(15, shared) / 100;
    int64_t editX = margin + trackbarWidth + kControlSpacing;
    int64_t buttonX = editX + editWidth + kControlSpacing;
    EditorLayout layout{HeldToInt32(2 * margin + gridWidth + kWindowExtraWidth),
                        HeldToInt32(3 * margin + gridHeight + kWindowExtraHeight),
                        {}};
    // Trackbars 19 pixels high, edits 18, buttons 20 and one pixel higher up, to line up.
    for (int k = 0; k < 3; ++k) {
        int64_t y = rowY + kControlRowPitch * k;
        layout.controls[k] = HeldRect(margin, y, trackbarWidth, 19);
        layout.controls[3 + k] = HeldRect(editX, y, editWidth, 18);
        layout.controls[6 + k] = HeldRect(buttonX, y - 1, buttonWidth, 20);
    }
    return layout;
}

GridRect CellCursorRect(const ColorGridSettings& grid, int32_t column, int32_t row) {
    return CursorRectAt(grid, column, row);
}

GridCell CellOfEntry(const ColorGridSettings& grid, uint32_t i) {
    const uint32_t columns = static_cast<uint32_t>(grid.columns);
    return GridCell{static_cast<int32_t>(i % columns), static_cast<int32_t>(i / columns)};
}

uint64_t EntryOfCell(const ColorGridSettings& grid, int32_t column, int32_t row) {
    return static_cast<uint64_t>(row) * static_cast<uint64_t>(grid.columns) + static_cast<uint64_t>(column);
}

GridRect CellSwatchRect(const ColorGridSettings& grid, int32_t column, int32_t row) {
    return SwatchRectAt(grid, column, row);
}

// A row past the int32 range names no cell, even where an entry is there.
int HitTestCell(const ColorGridSettings& grid,
                uint32_t entryCount,
                int32_t x,
                int32_t y,
                int32_t* column,
                int32_t* row) {
    if (!HasCells(grid)) {
        return 0;
    }
    int64_t dx = int64_t{x} - grid.margin - grid.cursorWidth;
    int64_t dy = int64_t{y} - grid.margin - grid.cursorWidth;
    if (dx < 0 || dy < 0 || dx % PitchX(grid) >= CellWidth(grid) || dy % PitchY(grid) >= CellHeight(grid)) {
        return 0;
    }
    int64_t hitColumn = dx / PitchX(grid);
    int64_t hitRow = dy / PitchY(grid);
    if (hitRow > kInt32Max || !HoldsEntry(grid, entryCount, hitColumn, hitRow)) {
        return 0;
    }
    *column = static_cast<int32_t>(hitColumn);
    *row = static_cast<int32_t>(hitRow);
    return 1;
}

void FillBox(DrawingTarget& target, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t color) {
    target.Fill(GridRect{x, y, width, height}, color);
}

// Frames that are empty, start at or below the visible bottom or lie past every 32-bit column
// cannot show, so only the others are drawn. Past kFramesOneByOne of them (a band far above the
// window and thousands of pixels thick) the same pixels go in as the band's four sides, so no
// setting makes a paint crawl through millions of frames.
void FrameBox(DrawingTarget& target,
              int32_t x,
              int32_t y,
              int32_t width,
              int32_t height,
              int32_t thickness,
              uint32_t color) {
    int64_t nonEmpty = (std::min(width, height) + int64_t{1}) / 2;
    int64_t frames = std::min({int64_t{thickness}, nonEmpty, target.VisibleBottom() - int64_t{y}, kInt32Max - x + 1});
    if (frames > kFramesOneByOne) {
        FillBand(target, x, y, width, height, frames, color);
        return;
    }
    for (int64_t k = 0; k < frames; ++k) {
        target.Frame(HeldRect(x + k, y + k, width - 2 * k, height - 2 * k), color);
    }
}

void DrawEntry(DrawingTarget& target, const ColorGridSettings& grid, int32_t column, int32_t row, uint32_t color) {
    target.Fill(CellSwatchRect(grid, column, row), color);
}

void DrawCursor(DrawingTarget& target, const ColorGridSettings& grid, int32_t column, int32_t row, uint32_t color) {
    GridRect rect = CellCursorRect(grid, column, row);
    FrameBox(target, rect.x, rect.y, rect.width, rect.height, grid.cursorWidth, color);
}

void DrawUnusedMark(DrawingTarget& target, const ColorGridSettings& grid, int32_t column, int32_t row) {
    GridRect swatch = CellSwatchRect(grid, column, row);
    int32_t side = std::max(1, std::min(swatch.width, swatch.height) / 3);
    target.Fill(GridRect{swatch.x, swatch.y, side, side}, 0x000000);
    if (side >= 3) {
        target.Fill(GridRect{swatch.x + 1, swatch.y + 1, side - 2, side - 2}, 0xFFFFFF);
    }
}

void PaintGrid(DrawingTarget& target,
               const ColorGridSettings& grid,
               const ColorTable& table,
               int32_t selectedColumn,
               int32_t selectedRow) {
    if (!HasCells(grid)) {
        return;
    }
    int32_t bottom = target.VisibleBottom();
    for (uint32_t i = 0; i < table.GetCount(); ++i) {
        const GridCell cell = CellOfEntry(grid, i);
        GridRect swatch = SwatchRectAt(grid, cell.column, cell.row);
        // Rows only go down the window: once one starts out of sight, all the rest do too.
        if (swatch.y >= bottom) {
            break;
        }
        target.Fill(swatch, table.GetColor(i));
    }
    if (HoldsEntry(grid, table.GetCount(), selectedColumn, selectedRow)) {
        DrawCursor(target, grid, selectedColumn, selectedRow, kCursorColor);
    }
}

void MoveCursor(DrawingTarget& target,
                const ColorGridSettings& grid,
                int32_t* selectedColumn,
                int32_t* selectedRow,
                int32_t column,
                int32_t row) {
    DrawCursor(target, grid, *selectedColumn, *selectedRow, kCursorEraseColor);
    *selectedColumn = column;
    *selectedRow = row;
    DrawCursor(target, grid, column, row, kCursorColor);
}
