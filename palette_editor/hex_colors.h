// Colours as the hex codes people exchange them in: "#RRGGBB", "RRGGBB" or "#RGB", any case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ColorTable;

// The most colours a text is read for: as many as the largest table holds.
constexpr uint32_t kMostHexColors = 65536;

enum class HexColorsRead { kRead, kEmpty, kNotColors };

// The colours of a text of codes separated by blanks, line breaks or commas, as R, G, B bytes in
// rgb. Reading stops at the first token that is no code (kNotColors, rgb cleared) or after
// kMostHexColors codes; a text with no code at all is kEmpty.
HexColorsRead ReadHexColors(const char* text, size_t length, std::vector<uint8_t>* rgb);

// "#RRGGBB" in upper case for entry i of the table; the whole table one code a line (CR LF).
std::string HexColor(const ColorTable& table, uint32_t i);
std::string HexColorLines(const ColorTable& table);
