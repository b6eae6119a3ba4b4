// The real korvane.exe in a process of its own, through WinMain and its message loop: it starts
// where the settings say, takes keys, and on closing stores the last normal rectangle.
#include <windows.h>

#include "app/settings.h"
#include "app/settings_store.h"
#include "resources/resource.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"

namespace {

// Waits up to 20 s for condition; 1 when it held.
template <typename Condition>
int WaitFor(Condition condition) {
    for (int i = 0; i < 1000 && !condition(); ++i) {
        Sleep(20);
    }
    return condition() ? 1 : 0;
}

}  // namespace

WIN_TEST(E2eProgramRunsThroughItsOwnLoop) {
    gSettings = Settings();
    gSettings.windowInfo = {70, 80, 400, 380};
    saveSettings();
    // build/<dir>/app/korvane.exe, beside this test's build/<dir>/tests/win/.
    std::string program(MAX_PATH, '\0');
    program.resize(GetModuleFileNameA(nullptr, &program[0], MAX_PATH));
    program = program.substr(0, program.rfind("\\tests\\")) + "\\app\\korvane.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    CHECK(CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    HWND window = nullptr;
    CHECK(WaitFor([&] {
        DWORD owner = 0;
        window = FindWindowA("Korvane", nullptr);
        GetWindowThreadProcessId(window, &owner);
        return owner == process.dwProcessId && IsWindowVisible(window);
    }));
    HWND report = GetDlgItem(window, IDC_TEXT_VIEW);
    RECT r;
    CHECK(GetWindowRect(window, &r) && r.left == 70 && r.top == 80 && r.right == 400 && r.bottom == 380);
    // Tab reaches the main window through the program's loop: the image view, and back.
    CHECK(WaitFor([&] { return IsWindowVisible(report); }));
    for (BOOL shown : {FALSE, TRUE}) {
        PostMessageA(window, WM_KEYDOWN, VK_TAB, 0);
        CHECK(WaitFor([&] { return IsWindowVisible(report) == shown; }));
    }
    // Moved, then minimised: the normal rectangle is the one kept.
    MoveWindow(window, 100, 120, 330, 300, TRUE);
    ShowWindow(window, SW_MINIMIZE);
    CHECK(WaitFor([&] { return IsIconic(window); }));
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    CHECK(WaitForSingleObject(process.hProcess, 20000) == 0 && GetExitCodeProcess(process.hProcess, &exitCode));
    CHECK(exitCode == 0 && StoredIntegers("WindowInfo") == (std::vector<int32_t>{100, 120, 430, 420}));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
