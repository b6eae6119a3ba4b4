// The bitmap model where it needs Windows: its GDI surface, and saving through the Win32 calls.
#include <cstdio>

#include "tests/model/bmpsuite.h"
#include "tests/win/e2e_driver_win.h"

WIN_TEST(ModelGdiBmpSuiteAsClassified) {
    char folder[MAX_PATH] = {};
    CHECK(GetEnvironmentVariableA("KORVANE_BMPSUITE", folder, MAX_PATH) > 0);  // the test data, set by scripts/test
    const std::string misjudged = BmpSuiteMisjudged(folder, nullptr);
    CHECK(misjudged.empty() || std::printf("  misjudged: %s\n", misjudged.c_str()) < 0);
}

// At a legal 259-byte path with a short name a temporary needs the long-path form: the image saves
// whole; a good file there is replaced whole, or not at all (no overwrite asked, read-only).
WIN_TEST(ModelGdiSaveAtTheLongestPathReplacesWholeOrNotAtAll) {
    std::string folder = TempPath("") + std::to_string(GetTickCount());  // a new folder for every run
    folder.append(MAX_PATH - 7 - folder.size(), 'd') += '\\';
    const std::string path = folder + "a.bmp", reference = TempPath("reference.bmp");
    CHECK(path.size() == 259 && CreateDirectoryW((L"\\\\?\\" + std::wstring(folder.begin(), folder.end())).c_str(), 0));
    BitmapImage image, loaded;
    CHECK(image.Create(nullptr, 5, 3, 4, 3) && image.Save(reference.c_str(), 1) && image.Save(path.c_str(), 0));
    const std::vector<uint8_t> saved = ReadFileBytes(reference), good(1000, 'g');
    CHECK(loaded.Load(nullptr, path.c_str()) && WriteFileBytes(path, good) && !image.Save(path.c_str(), 0));
    CHECK(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) && !image.Save(path.c_str(), 1));
    CHECK(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) && ReadFileBytes(path) == good);
    CHECK(image.Save(path.c_str(), 1) && ReadFileBytes(path) == saved);
    WIN32_FIND_DATAA found;
    CHECK(FindFirstFileA((folder + "~kv*").c_str(), &found) == INVALID_HANDLE_VALUE);  // no temporary left
}
