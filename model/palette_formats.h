// The palette formats one by one: each reader takes a whole file's bytes and appends its
// entries (R, G, B, 0) without judging their number, which ReadPalette does for all of them;
// each writer gets a table of 1 to 65536 entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/palette_file.h"

// Appends one entry as the readers give them: R, G, B, 0.
inline void AppendEntry(std::vector<uint8_t>* entries, uint8_t r, uint8_t g, uint8_t b) {
    const uint8_t entry[4] = {r, g, b, 0};
    entries->insert(entries->end(), entry, entry + 4);
}

// The two sizes of an Adobe colour table, and the largest file each other format may be, so that
// a larger one is refused before it is read.
constexpr uint64_t kActFileSize = 768;
constexpr uint64_t kActFileSizeWithCount = 772;
// A RIFF palette's count is a 16-bit field.
constexpr uint32_t kLargestRiffEntries = 65535;
// The data chunk of the most entries, and room for other chunks (a name, a list of notes).
constexpr uint64_t kLargestRiffPaletteFile = 12 + 8 + 4 + 4 * kLargestRiffEntries + 65536;
// Every entry on a line of its own, plus lines for headers and comments, 64 bytes each.
constexpr uint64_t kLargestTextPaletteFile = (kLargestPaletteEntries + 1024) * 64;

int DecodeJascPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries);
void EncodeJascPalette(const ColorTable& table, std::vector<uint8_t>* bytes);

int DecodeGplPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries);
void EncodeGplPalette(const ColorTable& table, std::vector<uint8_t>* bytes);

int DecodeRiffPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries);
// 0 above kLargestRiffEntries.
int EncodeRiffPalette(const ColorTable& table, std::vector<uint8_t>* bytes);

int DecodeActPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries);
// 0 above 256 entries: a table is never cut to fit.
int EncodeActPalette(const ColorTable& table, std::vector<uint8_t>* bytes);

// Lospec HEX: one RRGGBB a line. paint.net: ';' comment lines and one AARRGGBB a line, the alpha
// ignored on reading and written as FF. Both take blank lines anywhere and either case of digit.
int DecodeHexPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries);
void EncodeHexPalette(const ColorTable& table, std::vector<uint8_t>* bytes);
int DecodePaintNetPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries);
void EncodePaintNetPalette(const ColorTable& table, std::vector<uint8_t>* bytes);
// Whether the start of a file (its first bytes, perhaps cut anywhere) opens as paint.net's text
// does: blank lines, then a comment or an AARRGGBB line.
int StartsAsPaintNetPalette(const uint8_t* start, size_t size);
