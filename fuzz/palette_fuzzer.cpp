// libFuzzer entry: any bytes given to the palette reader must load or be refused cleanly; what
// loads must write back, in every format that can hold it, to a file that reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/color_table.h"
#include "model/palette_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemorySource source(data, size);
    ColorTable table;
    // Named as an Adobe table, so that every format can be found; content decides the others.
    if (!ReadPalette(source, "fuzz.act", table)) {
        return 0;
    }
    for (PaletteFormat format :
         {PaletteFormat::kJasc, PaletteFormat::kRiff, PaletteFormat::kAct, PaletteFormat::kGpl}) {
        std::vector<uint8_t> bytes;
        if (!EncodePalette(table, format, &bytes)) {
            continue;
        }
        MemorySource written(bytes.data(), bytes.size());
        ColorTable back;
        if (!ReadPalette(written, "fuzz.act", back) || back.GetCount() != table.GetCount() ||
            memcmp(back.GetEntries(), table.GetEntries(), 4 * static_cast<size_t>(table.GetCount())) != 0) {
            __builtin_trap();
        }
    }
    return 0;
}
