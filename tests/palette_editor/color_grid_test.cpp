#include "palette_editor/color_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "model/color_table.h"
#include "model/rgb_canvas.h"
#include "palette_editor/canvas_target.h"

// Settings in field order: margin, cursor width, gap, entry width, entry height, columns, rows.
constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;
const ColorGridSettings kMaxGrid{kMax, kMax, kMax, kMax, kMax, kMax, kMax};
const ColorGridSettings kMinGrid{kMin, kMin, kMin, kMin, kMin, kMin, kMin};
constexpr uint32_t kBackground = 0x123456;

std::tuple<int32_t, int32_t, int32_t, int32_t> Tie(const GridRect& r) {
    return {r.x, r.y, r.width, r.height};
}

// Pixels along a row (across) or a column: K black, E erased, - background, 'a' + i % 26 entry i.
std::string Strip(const RgbCanvas& canvas, bool across, int at, int from, int to) {
    std::string seen;
    for (int i = from; i <= to; ++i) {
        uint32_t rgb = across ? canvas.Pixel(i, at) : canvas.Pixel(at, i), entry = rgb >> 16;
        bool swatch = rgb == (entry << 16 | 0x8000 | (255 - entry));
        seen += rgb == 0 ? 'K' : rgb == 0xC0C0C0 ? 'E' : rgb == kBackground ? '-' : swatch ? 'a' + entry % 26 : '?';
    }
    return seen;
}

// Window size, first control row, control widths; stored rows while their 32-bit unsigned capacity holds N.
TEST(ColorGrid, LayoutFitsTheRowsInUse) {
    const std::tuple<ColorGridSettings, uint32_t, std::vector<int32_t>> kCases[] = {
        {{}, 256, {299, 417, 293, 192, 25, 38}},
        {{}, 16, {299, 417, 293, 192, 25, 38}},
        {{10, 1, 2, 12, 12, 16, 0}, 16, {299, 162, 38, 192, 25, 38}},
        {{10, 1, 2, 12, 12, 16, 0}, 100, {299, 264, 140, 192, 25, 38}},
        {{10, 1, 2, 12, 12, 16, 5}, 100, {299, 264, 140, 192, 25, 38}},
        {{10, 1, 2, 12, 12, 16, -1}, 256, {299, 128, 4, 192, 25, 38}},
        {{10, 1, 2, 1, 1, 5, 0}, 256, {57, 457, 333, 11, 1, 2}},
        {{10, 1, 2, 12, 12, 1, 0}, ~0u, {44, kMax, kMax, 1, 0, 0}},
        {{10, 1, 2, 12, 12, 0, 16}, 256, {27, 145, 21, -11, -1, -2}},
        {kMaxGrid, ~0u, {kMax, kMax, kMax, kMax, kMax, kMax}},
        {kMinGrid, 256, {kMax, kMin, kMin, kMax, kMax, kMax}}};
    for (const auto& [grid, count, expected] : kCases) {
        const EditorLayout l = ComputeEditorLayout(grid, count);
        EXPECT_EQ(expected, std::vector<int>({l.windowWidth, l.windowHeight, l.controls[0].y, l.controls[0].width,
                                              l.controls[3].width, l.controls[6].width}));
    }
    EditorLayout l = ComputeEditorLayout({}, 256);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Tie(l.controls[k]), std::make_tuple(10, 293 + 26 * k, 192, 19));
        EXPECT_EQ(Tie(l.controls[3 + k]), std::make_tuple(210, 293 + 26 * k, 25, 18));
        EXPECT_EQ(Tie(l.controls[6 + k]), std::make_tuple(243, 292 + 26 * k, 38, 20));
    }
}

// Cells' rects are held at the bounds (N / 5 rows of pitch 260); bands, columns past the grid,
// empty cells, rows past int32 and grids without columns or advancing pitch hit nothing (-1).
TEST(ColorGrid, CellsPlaceAndHit) {
    const std::tuple<ColorGridSettings, int32_t, int32_t, GridRect, GridRect> kCases[] = {
        {{}, 1, 0, {27, 10, 18, 18}, {30, 13, 12, 12}},
        {{10, 1, 2, 255, 255, 5, 0}, 4, 858993459, {1050, kMax, 261, 261}, {1053, kMax, 255, 255}}};
    for (const auto& [grid, column, row, cursor, swatch] : kCases) {
        EXPECT_EQ(Tie(CellCursorRect(grid, column, row)), Tie(cursor)) << column << "," << row;
        EXPECT_EQ(Tie(CellSwatchRect(grid, column, row)), Tie(swatch)) << column << "," << row;
    }
    const ColorGridSettings kGrids[] = {
        {}, {kMin, 0, 0, 1, 1, 1, 0}, {10, 1, 2, 12, 12, 0, 16}, {10, -16, 2, 12, 12, 16, 16}, kMaxGrid, kMinGrid};
    const std::tuple<int, uint32_t, int32_t, int32_t, int32_t, int32_t> kHits[] = {
        {0, 256, 10, 10, -1, -1}, {0, 256, 11, 11, 0, 0},       {0, 256, 26, 26, 0, 0},      {0, 256, 27, 13, -1, -1},
        {0, 256, 28, 13, 1, 0},   {0, 256, 282, 13, -1, -1},    {0, 256, 283, 13, -1, -1},   {0, 20, 62, 28, 3, 1},
        {0, 20, 79, 28, -1, -1},  {1, ~0u, kMin, -1, 0, kMax},  {1, ~0u, kMin, 0, -1, -1},   {2, 256, 11, 11, -1, -1},
        {3, 256, 30, 30, -1, -1}, {4, ~0u, kMax, kMax, -1, -1}, {5, ~0u, kMax, kMax, -1, -1}};
    for (const auto& [grid, count, x, y, column, row] : kHits) {
        int32_t seenColumn = -1, seenRow = -1;
        EXPECT_EQ(HitTestCell(kGrids[grid], count, x, y, &seenColumn, &seenRow), column >= 0) << x << "," << y;
        EXPECT_EQ(std::make_pair(seenColumn, seenRow), std::make_pair(column, row)) << x << "," << y;
    }
}

// Swatches by rows of 16, the selected band black; a move erases before it draws, so a shared
// band ends black. A cursor 3 wide is three nested frames, a band 1100 wide the same pixels.
TEST(ColorGrid, PaintsSwatchesAndCursor) {
    ColorTable table;
    std::vector<uint8_t> entries;
    for (int i = 0; i < 256; ++i) {
        entries.insert(entries.end(), {uint8_t(i), 0x80, uint8_t(255 - i), 0});
    }
    ASSERT_TRUE(table.Assign(entries.data(), 256));
    RgbCanvas canvas(293, 293, kBackground), thick(64, 64, kBackground), small(64, 64, kBackground);
    CanvasTarget target(canvas), thickTarget(thick), smallTarget(small);
    int32_t column = 0, row = 0;
    PaintGrid(target, {}, table, 16, 15);  // no such cell, no cursor
    EXPECT_EQ(Strip(canvas, true, 270, 262, 284), "u-----vvvvvvvvvvvv-----");
    PaintGrid(target, {}, table, column, row);
    EXPECT_EQ(Strip(canvas, true, 15, 9, 45), "-K--aaaaaaaaaaaa--K--bbbbbbbbbbbb----");
    EXPECT_EQ(Strip(canvas, false, 15, 9, 48), "-K--aaaaaaaaaaaa--K--qqqqqqqqqqqq-----gg");
    MoveCursor(target, {}, &column, &row, 1, 0);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(1, 0));
    EXPECT_EQ(Strip(canvas, true, 15, 9, 45), "-E--aaaaaaaaaaaa--K--bbbbbbbbbbbb--K-");
    PaintGrid(thickTarget, {10, 3, 2, 12, 12, 16, 0}, table, 0, 0);
    EXPECT_EQ(Strip(thick, true, 20, 9, 33), "-KKK--aaaaaaaaaaaa--KKK--");
    EXPECT_EQ(Strip(thick, false, 20, 9, 33), "-KKK--aaaaaaaaaaaa--KKK--");
    FrameBox(smallTarget, -1080, -1080, 2220, 2220, 1100, 0);
    EXPECT_EQ(Strip(small, true, 30, 0, 63), std::string(20, 'K') + std::string(20, '-') + std::string(24, 'K'));
    EXPECT_EQ(Strip(small, false, 30, 0, 63), Strip(small, true, 30, 0, 63));
    // Hostile settings neither overflow nor divide by zero, nor crawl through a vast band.
    const ColorGridSettings kHostile[] = {
        {10, 1, 2, 12, 12, 0, 16}, {10, -16, 2, 12, 12, 16, 16}, kMaxGrid, kMinGrid, {10, 1 << 29, 2, 12, 12, 16, 16}};
    for (const ColorGridSettings& grid : kHostile) {
        PaintGrid(thickTarget, grid, table, 0, 0);
        MoveCursor(thickTarget, grid, &column, &row, kMax, kMax);
        MoveCursor(thickTarget, grid, &column, &row, kMin, kMin);
    }
}
