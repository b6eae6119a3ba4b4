// Operations on a whole colour table that the editor offers beyond single entries.
#pragma once

#include <cstdint>

class ColorTable;

// Fills the entries strictly between the two ends (in either order) with a linear ramp of red,
// green and blue from the lower end's colour to the higher end's, each channel rounded to the
// nearest integer. 0, with the table untouched, when no entry lies between them or an end lies
// outside the table.
int FillRamp(ColorTable& table, uint32_t end, uint32_t otherEnd);
// 1 when both ends lie in a table of count entries with at least one entry between them.
int RampFits(uint32_t count, uint32_t end, uint32_t otherEnd);

// The table that shows where entry selected is used: its own colour there, every other entry a
// grey of its own brightness, darkened so the selected colour stands out. 0 when memory is short
// or selected lies outside the table.
int MakeHighlightTable(const ColorTable& table, uint32_t selected, ColorTable* highlighted);
