// The bitmap model on its GDI surface: files in and out, colour tables, drawing into a
// memory device context whose pixels are read back.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"

namespace {

// A 32-bit top-down DIB section selected into a memory DC: pixels readable as 0x00RRGGBB.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    uint32_t* pixels = nullptr;
    int width;

    Canvas(int w, int h) : width(w) {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<uint32_t*>(bits);
        previous = SelectObject(dc, bitmap);
        std::memset(pixels, 0xEE, static_cast<size_t>(w) * h * 4);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    uint32_t Pixel(int x, int y) const {
        GdiFlush();
        return pixels[y * width + x] & 0xFFFFFF;
    }
};

}  // namespace

WIN_TEST(ModelGdiCreateSaveLoadRoundTrip) {
    HDC dc = CreateCompatibleDC(nullptr);
    BitmapImage image;
    CHECK(image.Create(dc, 256, 256, 8, 256));
    CHECK(image.GetSurface() != nullptr);
    std::string path = TempPath("new.bmp");
    CHECK(image.Save(path.c_str(), 1));
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    CHECK(bytes.size() == 66614);
    CHECK(!image.Save(path.c_str(), 0));  // exists, overwrite 0

    BitmapImage loaded;
    CHECK(loaded.Load(dc, path.c_str()));
    CHECK(loaded.GetColorCount() == 256);
    std::string again = TempPath("again.bmp");
    CHECK(loaded.Save(again.c_str(), 1));
    CHECK(ReadFileBytes(again) == bytes);

    // 24-bit, odd width, top-down made by hand: loads with its height's magnitude, and its
    // first stored row is drawn at the top.
    std::vector<uint8_t> top(bytes.begin(), bytes.begin() + 54);
    int32_t height = -3;
    std::memcpy(&top[22], &height, 4);
    top[18] = 5;  // width 5
    top[19] = 0;
    top[28] = 24;
    std::memset(&top[46], 0, 4);  // biClrUsed 0
    top.resize(54 + 16 * 3, 0);
    top[54 + 2] = 0xFF;  // first stored row, first pixel: red
    std::string topPath = TempPath("top.bmp");
    CHECK(WriteFileBytes(topPath, top));
    CHECK(loaded.Load(dc, topPath.c_str()));
    int32_t w = 0, h = 0;
    CHECK(loaded.GetSize(&w, &h) && w == 5 && h == 3);
    CHECK(loaded.GetBytesPerLine() == 16);
    {
        Canvas canvas(8, 8);
        loaded.Draw(canvas.dc, 0, 0);
        CHECK(canvas.Pixel(0, 0) == 0xFF0000 && canvas.Pixel(0, 1) == 0x000000);
    }
    CHECK(!loaded.Load(dc, TempPath("missing.bmp").c_str()));
    CHECK(loaded.GetSurface() == nullptr);
    DeleteDC(dc);
}

WIN_TEST(ModelGdiColourTableReachesTheSurfaceOnRemake) {
    HDC dc = CreateCompatibleDC(nullptr);
    BitmapImage image;
    CHECK(image.Create(dc, 4, 2, 8, 4));
    uint8_t* bits = const_cast<uint8_t*>(image.GetBits());
    bits[0] = 1;  // bottom row, first pixel
    bits[1] = 2;
    ColorTable table;
    CHECK(image.GetColorTable(table));
    CHECK(table.SetColor(1, 0x10, 0x20, 0x30));
    CHECK(table.SetColor(2, 0xFF, 0x80, 0x00));
    CHECK(image.SetColorTable(0, table));
    {
        Canvas canvas(8, 8);
        image.Draw(canvas.dc, 0, 0);
        CHECK(canvas.Pixel(0, 1) == 0x000000);  // still the colours of creation
    }
    const uint8_t* before = image.GetBits();
    CHECK(image.MakeSurface(dc));
    CHECK(image.GetBits() != before);
    CHECK(image.GetBits()[0] == 1 && image.GetBits()[1] == 2);
    {
        Canvas canvas(8, 8);
        image.Draw(canvas.dc, 0, 0);
        CHECK(canvas.Pixel(0, 1) == 0x102030);
        CHECK(canvas.Pixel(1, 1) == 0xFF8000);
        CHECK(canvas.Pixel(0, 0) == 0x000000);
        CHECK(canvas.Pixel(4, 0) == 0xEEEEEE);  // right of the image: untouched

        // A part of the image, placed elsewhere, unscaled.
        image.DrawPart(canvas.dc, 5, 5, 1, 1, 2, 1);
        CHECK(canvas.Pixel(5, 5) == 0xFF8000);
        CHECK(canvas.Pixel(6, 5) == 0x000000);
        CHECK(canvas.Pixel(7, 5) == 0xEEEEEE);
        CHECK(canvas.Pixel(5, 6) == 0xEEEEEE);
    }
    DeleteDC(dc);
}

WIN_TEST(ModelGdiSaveKeepsAGoodFileWhenTheWriteCannotHappen) {
    std::string path = TempPath("keep.bmp");
    CHECK(WriteFileBytes(path, {'g', 'o', 'o', 'd'}));
    BitmapImage image;
    CHECK(image.Create(nullptr, 8, 8, 24, 0));
    // The target is held open without sharing: it cannot be replaced now.
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CHECK(!image.Save(path.c_str(), 1));
    CloseHandle(lock);
    CHECK(ReadFileBytes(path) == std::vector<uint8_t>({'g', 'o', 'o', 'd'}));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(TempPath("~kv*").c_str(), &found);
    CHECK(search == INVALID_HANDLE_VALUE);  // no temporary file left behind
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
    CHECK(image.Save(path.c_str(), 1));
    CHECK(ReadFileBytes(path).size() == 54 + 8 * 24);
}

// The public BMP suite through the GDI surface: every file accepted or refused as classified.
// scripts/test names the suite's folder in KORVANE_BMPSUITE; without it the test says so.
WIN_TEST(ModelGdiBmpSuiteAsClassified) {
    char folder[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("KORVANE_BMPSUITE", folder, MAX_PATH);
    std::string base = std::string(folder) + "\\";
    FILE* csv = n > 0 && n < MAX_PATH ? std::fopen((base + "classification.csv").c_str(), "r") : nullptr;
    if (csv == nullptr) {
        std::printf("  skipped: no bmpsuite (KORVANE_BMPSUITE)\n");
        return;
    }
    char line[1024];
    int files = 0;
    std::fgets(line, sizeof line, csv);  // column names
    while (std::fgets(line, sizeof line, csv)) {
        // file,header_size,bpp,compression,clrused,height,expected,...
        std::string cells[7];
        int cell = 0;
        for (const char* p = line; *p != '\0' && *p != '\n' && cell < 7; ++p) {
            if (*p == ',') {
                ++cell;
            } else if (cell < 7) {
                cells[cell] += *p == '/' ? '\\' : *p;
            }
        }
        if (cell < 7) {
            continue;
        }
        BitmapImage image;
        int loaded = image.Load(nullptr, (base + cells[0]).c_str());
        if (loaded != (cells[6] == "accept")) {
            std::printf("  %s: %s but %s\n", cells[0].c_str(), cells[6].c_str(), loaded ? "loaded" : "refused");
            CHECK(loaded == (cells[6] == "accept"));
        }
        ++files;
    }
    std::fclose(csv);
    CHECK(files == 91);
}
