// The four commands of korvane-palette over their parsed arguments; each returns the exit status.
#pragma once

#include <vector>

#include "model/palette_file.h"
#include "tools/tool_messages.h"

struct PaletteToolArguments {
    std::vector<const char*> files;  // the command's file names, in order
    const char* output = nullptr;    // -o: apply's folder, extract's file
    PaletteFormat format = PaletteFormat::kJasc;
    int unusedOnly = 0;
    ToolMessages messages = {"korvane-palette", 0};
};

// files: the palette, then the bitmaps. 0 when every bitmap took it, 1 when any did not.
int ApplyPalette(const PaletteToolArguments& arguments);
// files: one bitmap.
int ExtractPalette(const PaletteToolArguments& arguments);
// files: the palette file or bitmap read, the palette file written.
int ConvertPalette(const PaletteToolArguments& arguments);
// files: a palette file or bitmap.
int ShowPalette(const PaletteToolArguments& arguments);
