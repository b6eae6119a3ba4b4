// The bitmap model where it needs Windows: its GDI surface, and saving through the Win32 calls.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "tests/model/bmpsuite_verdicts.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"

namespace {

// The colour at (x, 0) of a white 8 x 1 canvas the image was drawn on.
COLORREF DrawnAt(const BitmapImage& image, int x) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, CreateBitmap(8, 1, 1, 32, nullptr));
    PatBlt(dc, 0, 0, 8, 1, WHITENESS);
    image.Draw(dc, 0, 0);
    COLORREF pixel = GetPixel(dc, x, 0);
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
    return pixel;
}

}  // namespace

WIN_TEST(ModelGdiColourTableReachesTheSurfaceOnRemake) {
    BitmapImage image;
    ColorTable table;
    CHECK(image.Create(nullptr, 4, 1, 8, 4) && image.GetColorTable(table));  // on a DIB section
    std::memcpy(const_cast<uint8_t*>(image.GetBits()), "\1\2", 2);           // pixels 1, 2, 0, 0
    CHECK(table.SetColor(1, 0x10, 0x20, 0x30) && table.SetColor(2, 0xFF, 0x80, 0) && image.SetColorTable(0, table));
    CHECK(DrawnAt(image, 1) == 0);  // still the colours of creation
    CHECK(image.MakeSurface(nullptr) && image.GetBits()[0] == 1 && image.GetBits()[1] == 2);
    CHECK(DrawnAt(image, 0) == RGB(0x10, 0x20, 0x30) && DrawnAt(image, 1) == RGB(0xFF, 0x80, 0));
    CHECK(DrawnAt(image, 3) == 0 && DrawnAt(image, 4) == RGB(0xFF, 0xFF, 0xFF));
}

// The public BMP suite through the GDI surface, where scripts/test names its folder.
WIN_TEST(ModelGdiBmpSuiteAsClassified) {
    char folder[MAX_PATH] = {};
    GetEnvironmentVariableA("KORVANE_BMPSUITE", folder, MAX_PATH);
    const auto verdicts = BmpSuiteVerdicts(folder);
    if (verdicts.empty()) {
        std::printf("  skipped: no bmpsuite (KORVANE_BMPSUITE)\n");
        return;
    }
    CHECK(verdicts.size() == 91);
    for (const auto& [file, accept] : verdicts) {
        BitmapImage image;
        bool loaded = image.Load(nullptr, (std::string(folder) + "\\" + file).c_str()) != 0;
        CHECK(loaded == accept || std::printf("  %s wrongly %s\n", file.c_str(), loaded ? "accepted" : "refused") < 0);
    }
}

// At a legal 259-byte path with a short name a temporary needs the long-path form: the image saves
// and reloads; a good file there is replaced whole, or not at all (no overwrite asked, read-only).
WIN_TEST(ModelGdiSaveAtTheLongestPathReplacesWholeOrNotAtAll) {
    std::string folder = TempPath("") + std::to_string(GetTickCount());  // a new folder for every run
    folder.append(MAX_PATH - 7 - folder.size(), 'd') += '\\';
    CHECK(CreateDirectoryW((L"\\\\?\\" + std::wstring(folder.begin(), folder.end())).c_str(), nullptr));
    const std::string path = folder + "a.bmp", reference = TempPath("reference.bmp");
    CHECK(path.size() == 259);
    BitmapImage image, loaded;
    CHECK(image.Create(nullptr, 5, 3, 4, 3) && image.Save(path.c_str(), 0) && loaded.Load(nullptr, path.c_str()));
    CHECK(loaded.Save(reference.c_str(), 1) && ReadFileBytes(reference) == ReadFileBytes(path));
    const std::vector<uint8_t> good(1000, 'g');
    CHECK(WriteFileBytes(path, good) && !image.Save(path.c_str(), 0));
    CHECK(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) && !image.Save(path.c_str(), 1));
    CHECK(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) && ReadFileBytes(path) == good);
    CHECK(image.Save(path.c_str(), 1) && ReadFileBytes(path) == ReadFileBytes(reference));
    WIN32_FIND_DATAA found;
    CHECK(FindFirstFileA((folder + "~kv*").c_str(), &found) == INVALID_HANDLE_VALUE);  // no temporary left
}
