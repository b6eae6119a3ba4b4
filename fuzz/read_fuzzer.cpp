// libFuzzer entry: any bytes given to the BMP reader must load or be refused cleanly; what
// loads must also survive the colour-table round trip and a draw.
#include <cstddef>
#include <cstdint>

#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "model/rgb_canvas.h"
#include "model/surface_portable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const uint32_t limit = SetMemorySurfaceLimit(64u << 20);
    (void)limit;
    MemorySource source(data, size);
    BitmapImage image;
    if (!image.Read(nullptr, source)) {
        return 0;
    }
    ColorTable table;
    if (image.GetColorTable(table)) {
        table.SetColor(0, 1, 2, 3);
        image.SetColorTable(0, table);
    }
    RgbCanvas canvas(16, 16);
    image.Draw(&canvas, 0, 0);
    return 0;
}
