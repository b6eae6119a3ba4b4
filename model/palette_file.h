// Palette files: JASC-PAL text, RIFF palettes, Adobe colour tables, GIMP palettes, Lospec HEX
// lists and paint.net palette text, read as strictly as a bitmap is. Each is recognised by its
// content, but for the Adobe table and the HEX list, which have no mark of their own: any file of
// an Adobe table's size could pass for one, and any list of hexadecimal lines for the other, so
// they are taken only from a file whose name ends in ".act" or ".hex". paint.net's text is also
// taken from any file whose name ends in ".txt".
#pragma once

#include <cstdint>
#include <vector>

#include "model/byte_source.h"

class ColorTable;

enum class PaletteFormat { kJasc, kRiff, kAct, kGpl, kHex, kPaintNet };
constexpr int kPaletteFormatCount = 6;

// The largest table a palette file may hold; an Adobe colour table holds at most 256 entries.
constexpr uint32_t kLargestPaletteEntries = 65536;
constexpr uint32_t kLargestActEntries = 256;

// The extension, without its dot, that names a file of the format.
const char* PaletteExtension(PaletteFormat format);

// The format of the bytes of the file called name (a path or a bare name), judged by their
// content and, for the Adobe table, the HEX list and paint.net's text, the name; 0 when they are
// none of them.
int DetectPaletteFormat(const uint8_t* bytes, uint64_t size, const char* name, PaletteFormat* format);
// Reads a palette file of any format into table; 0, with table untouched, for a file that is
// none of them, breaks its format's rules, or holds 0 or more than 65536 entries.
int ReadPalette(ByteSource& file, const char* name, ColorTable& table);
int LoadPalette(const char* path, ColorTable& table);

// The file of table in the format; 0 when the format cannot hold the table (no entries, more
// than 65536, more than 65535 for a RIFF palette, or more than 256 for an Adobe colour table).
// paint.net's text is written with any number of them, though paint.net itself writes 96.
int EncodePalette(const ColorTable& table, PaletteFormat format, std::vector<uint8_t>* bytes);
// Writes it through the replace-when-complete file writing; an existing file is replaced.
int SavePalette(const char* path, const ColorTable& table, PaletteFormat format);
