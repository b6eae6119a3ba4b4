// Libraries loaded when first needed come from the system folder only: copies planted beside the real program,
// with Wine told to prefer them, never run when the colour-table editor and a file dialog first open.
#include <process.h>

#include "tests/win/e2e_driver_win.h"

// The first window of the class and caption that process shows within ten seconds; none after.
static HWND WaitForWindow(const char* className, const char* caption, DWORD process) {
    for (int tries = 0; tries < 200; ++tries, Sleep(50)) {
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, className, caption)) != nullptr;) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == process && IsWindowVisible(w)) {
                return w;
            }
        }
    }
    return nullptr;
}

WIN_TEST(E2ePlantedLibrariesNeverRun) {
    char self[MAX_PATH];
    const std::string tests(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    const std::string built = tests.substr(0, tests.rfind('\\')), folder = TempPath("planted");
    const std::string program = folder + "\\korvane.exe", image = folder + "\\sixteen.bmp";
    CreateDirectoryA(folder.c_str(), nullptr);
    CHECK(CopyFileA((built + "\\..\\..\\app\\korvane.exe").c_str(), program.c_str(), FALSE));
    // Wine's own override for this program, as a user would set it: native copies first.
    constexpr char kOverrides[] = "Software\\Wine\\AppDefaults\\korvane.exe\\DllOverrides";
    for (const char* library : {"comctl32", "comdlg32"}) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kOverrides, library, REG_SZ, "native,builtin", 15);
        CHECK(CopyFileA((built + "\\" + library + ".dll").c_str(), (folder + "\\" + library + ".dll").c_str(), FALSE));
        DeleteFileA((folder + "\\" + library + ".dll.ran").c_str());
    }
    CHECK(WriteImage(
        image, 4, 4, [](int x, int) { return x; }, 16, [](uint32_t i) { return RGB(i, i, i); }));
    intptr_t process = _spawnl(_P_NOWAIT, program.c_str(), program.c_str(), ("\"" + image + "\"").c_str(), nullptr);
    const DWORD id = GetProcessId(reinterpret_cast<HANDLE>(process));
    HWND running = WaitForWindow("Korvane", "Korvane - [sixteen.bmp]", id);
    PostMessageA(running, WM_COMMAND, ID_VIEW_EDIT_COLOR_TABLE, 0);
    CHECK(WaitForWindow("#32770", "カラーテーブル一覧", id) != nullptr);
    PostMessageA(running, WM_COMMAND, ID_FILE_OPEN, 0);
    CHECK(WaitForWindow("#32770", "開く", id) != nullptr);
    for (const char* library : {"comctl32", "comdlg32"}) {
        CHECK(GetFileAttributesA((folder + "\\" + library + ".dll.ran").c_str()) == INVALID_FILE_ATTRIBUTES);
    }
    TerminateProcess(reinterpret_cast<HANDLE>(process), 0);
    WaitForSingleObject(reinterpret_cast<HANDLE>(process), 5000);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\korvane.exe");
}
