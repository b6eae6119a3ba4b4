// The text of the tip over a cell of the colour grid.
#pragma once

#include <cstdint>
#include <string>

class ColorTable;

// Entry i of the table: its number, red, green, blue and hex code, then how many of the image's
// pixels use it and their share, in tenths of a percent, or that none does.
std::string EntryTip(const ColorTable& table, uint32_t i, uint64_t pixels, uint64_t imagePixels);
