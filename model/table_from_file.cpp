#include "model/table_from_file.h"

#include "model/bitmap_image.h"
#include "model/file_io.h"
#include "model/palette_file.h"

int LoadColorTableFromFile(const char* path, ColorTable& table) {
    {
        InputFile file;
        if (!file.Open(path)) {
            return 0;
        }
        if (BitmapImage::ReadColorTableOnly(file, table)) {
            return 1;
        }
    }
    // A fresh read from the start: the bitmap's checks may have read on.
    return LoadPalette(path, table);
}
