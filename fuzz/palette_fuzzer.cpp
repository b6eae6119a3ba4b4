// libFuzzer entry: any bytes given to the palette reader must load or be refused cleanly; what
// loads must write back, in every format that can hold it, to a file that reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "model/color_table.h"
#include "model/palette_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Named as an Adobe table and as a HEX list, the two formats only a name lets in; content decides the others.
    for (const char* name : {"fuzz.act", "fuzz.hex"}) {
        MemorySource source(data, size);
        ColorTable table;
        if (!ReadPalette(source, name, table)) {
            continue;
        }
        for (int f = 0; f < kPaletteFormatCount; ++f) {
            const PaletteFormat format = static_cast<PaletteFormat>(f);
            std::vector<uint8_t> bytes;
            if (!EncodePalette(table, format, &bytes)) {
                continue;
            }
            MemorySource written(bytes.data(), bytes.size());
            ColorTable back;
            const std::string writtenName = std::string("fuzz.") + PaletteExtension(format);
            if (!ReadPalette(written, writtenName.c_str(), back) || back.GetCount() != table.GetCount() ||
                memcmp(back.GetEntries(), table.GetEntries(), 4 * static_cast<size_t>(table.GetCount())) != 0) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
