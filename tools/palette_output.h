// Palette files as both tools write them: the formats' names on the command line, and the bytes
// to a file or to standard output.
#pragma once

#include "model/palette_file.h"

struct ToolMessages;

// The names the --palette and --format options take.
#define KORVANE_PALETTE_FORMAT_NAMES "jasc|riff|act|gpl|hex|paintnet"

// 0 for a name that is none of them.
int ParsePaletteFormat(const char* name, PaletteFormat* format);

// Writes table as a palette file of the format to path through the replace-when-complete
// writing, or to standard output without one. Returns the exit status: 0 written, 1 for an empty
// table ("no colour table"), one the format cannot hold or a file that cannot be written, 3 when
// standard output cannot be; the reason is said about source.
int WritePaletteFile(const ColorTable& table,
                     PaletteFormat format,
                     const char* path,
                     const ToolMessages& messages,
                     const char* source);
