// The real korvane.exe in a process of its own, through WinMain and its message loop: it starts
// where the settings say, takes keys, and on closing stores the last normal rectangle.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/settings_store.h"
#include "resources/resource.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"

namespace {

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<FoundWindow*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof(className));
    if (owner == found->processId && lstrcmpA(className, "Korvane") == 0) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// Waits up to 20 s for condition, checking every 20 ms; 1 when it held.
template <typename Condition>
int WaitFor(Condition condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition()) {
            return 1;
        }
        Sleep(20);
    }
    return 0;
}

// build/<dir>/app/korvane.exe, beside this test's build/<dir>/tests/win/.
std::string ProgramPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    for (int up = 0; up < 3; ++up) {
        path = path.substr(0, path.find_last_of('\\'));
    }
    return path + "\\app\\korvane.exe";
}

}  // namespace

WIN_TEST(E2eProgramRunsThroughItsOwnLoop) {
    std::string program = ProgramPath();
    if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::printf("  skipped: %s not built\n", program.c_str());
        return;
    }
    deleteSettings();
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::vector<char> commandLine(program.begin(), program.end());
    commandLine.push_back('\0');
    CHECK(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                         &process));
    if (process.hProcess == nullptr) {
        return;
    }
    FoundWindow found = {process.dwProcessId, nullptr};
    CHECK(WaitFor([&] {
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&found));
        return found.window != nullptr && IsWindowVisible(found.window);
    }));
    HWND window = found.window;
    HWND view = window != nullptr ? GetDlgItem(window, IDC_TEXT_VIEW) : nullptr;
    CHECK(view != nullptr);
    if (view != nullptr) {
        RECT r;
        GetWindowRect(window, &r);
        CHECK(r.left == 50 && r.top == 50 && r.right == 380 && r.bottom == 350);
        char title[64] = {};
        GetWindowTextA(window, title, sizeof(title));
        CHECK(lstrcmpA(title, "Korvane") == 0);
        CHECK((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
        LONG viewStyle = GetWindowLongA(view, GWL_STYLE);
        CHECK((viewStyle & (ES_READONLY | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL)) ==
              (ES_READONLY | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL));

        // Tab reaches the main window through the program's loop: the image view, and back.
        WaitFor([&] { return IsWindowVisible(view) != 0; });
        PostMessageA(window, WM_KEYDOWN, VK_TAB, 0);
        CHECK(WaitFor([&] { return !IsWindowVisible(view); }));
        PostMessageA(window, WM_KEYDOWN, VK_TAB, 0);
        CHECK(WaitFor([&] { return IsWindowVisible(view) != 0; }));

        // Moved, then minimised: the normal rectangle is the one kept.
        MoveWindow(window, 100, 120, 330, 300, TRUE);
        ShowWindow(window, SW_MINIMIZE);
        CHECK(WaitFor([&] { return IsIconic(window) != 0; }));
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    CHECK(WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CHECK(exitCode == 0);
    CHECK(StoredIntegers("WindowInfo") == (std::vector<int32_t>{100, 120, 430, 420}));
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    deleteSettings();
}
