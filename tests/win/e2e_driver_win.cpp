#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>
#include <dlgs.h>

#include <cstdio>
#include <set>

#include "app/main_window_win.h"
#include "app/settings_store.h"
#include "resources/resource.h"
#include "tests/win/win_test.h"

namespace {

constexpr UINT_PTR kDialogTimer = 0x4B56;
constexpr int kMessageBoxText = 0xFFFF;
constexpr DWORD kTestTimeLimitMs = 30000;

E2eDriver* gDriver = nullptr;
std::set<HWND> gHandledDialogs;

void CALLBACK DialogTimer(HWND dialog, UINT, UINT_PTR id, DWORD) {
    KillTimer(dialog, id);
    if (gDriver != nullptr) {
        gDriver->OnDialog(dialog);
    }
}

// Every dialog and message box is class #32770; its own modal loop then runs our timer.
LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[32] = {};
        GetClassNameA(window, className, sizeof(className));
        if (lstrcmpA(className, "#32770") == 0) {
            SetTimer(window, kDialogTimer, 10, DialogTimer);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && gDriver != nullptr) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message == WM_COMMAND && msg->hwnd != nullptr && msg->hwnd == MainWindow()) {
            gDriver->queuedCommands.push_back({LOWORD(msg->wParam), IsWindowVisible(msg->hwnd) != 0});
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Resource dialogs' statics have the id 0xFFFF as well; a message box also has buttons and
// none of the controls of our dialogs.
int IsMessageBox(HWND dialog) {
    return GetDlgItem(dialog, kMessageBoxText) != nullptr && GetDlgItem(dialog, cmb13) == nullptr &&
           GetDlgItem(dialog, IDC_NEW_COLOR_MODE) == nullptr &&
           (GetDlgItem(dialog, IDOK) != nullptr || GetDlgItem(dialog, IDYES) != nullptr ||
            GetDlgItem(dialog, IDCANCEL) != nullptr);
}

std::string WindowText(HWND window) {
    char buffer[1024] = {};
    GetWindowTextA(window, buffer, sizeof(buffer));
    return buffer;
}

int ProcessAvailable(HWND window, HACCEL accelerators) {
    int processed = 0;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ++processed;
        if (msg.message == WM_QUIT) {
            continue;  // the main window's end; each test starts its own window
        }
        if (window == nullptr || !IsWindow(window) || !TranslateAcceleratorA(window, accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return processed;
}

HACCEL MainAccelerators() {
    static HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_ACCEL));
    return table;
}

// A dialog nobody answers would stop the run; no single test may take this long.
DWORD WINAPI E2eWatchdog(LPVOID event) {
    if (WaitForSingleObject(static_cast<HANDLE>(event), kTestTimeLimitMs) == WAIT_TIMEOUT) {
        std::printf("Bail out! an end-to-end test took longer than %lu ms\n", kTestTimeLimitMs);
        TerminateProcess(GetCurrentProcess(), 98);
    }
    return 0;
}

}  // namespace

E2eDriver::E2eDriver() {
    gDriver = this;
    finished_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    watchdog_ = CreateThread(nullptr, 0, E2eWatchdog, finished_, 0, nullptr);
    cbtHook_ = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    messageHook_ = SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());
}

E2eDriver::~E2eDriver() {
    if (window_ != nullptr && IsWindow(window_)) {
        Finish();
    }
    UnhookWindowsHookEx(cbtHook_);
    UnhookWindowsHookEx(messageHook_);
    gDriver = nullptr;
    Drain();
    SetEvent(finished_);
    WaitForSingleObject(watchdog_, INFINITE);
    CloseHandle(watchdog_);
    CloseHandle(finished_);
}

HWND E2eDriver::Start() {
    gSettings = Settings();
    gHandledDialogs.clear();
    queuedCommands.clear();
    window_ = StartMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    CHECK(window_ != nullptr);
    if (window_ != nullptr) {
        Drain();
    }
    return window_;
}

void E2eDriver::Finish() {
    if (window_ != nullptr && IsWindow(window_)) {
        // Drop the document unasked, as a No in the save prompt would.
        Shell& shell = TheShell();
        shell.document.dirty = 0;
        shell.document.path[0] = '\0';
        DestroyWindow(window_);
    }
    Drain();
    FinishKorvane();
}

void E2eDriver::Command(int command) {
    SendMessageA(window_, WM_COMMAND, static_cast<WPARAM>(command), 0);
    Drain();
}

void E2eDriver::Drain() {
    DWORD start = GetTickCount();
    int idleRounds = 0;
    while (idleRounds < 3 && GetTickCount() - start < 3000) {
        if (ProcessAvailable(window_, MainAccelerators()) != 0) {
            idleRounds = 0;
        } else {
            ++idleRounds;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
}

void E2eDriver::OnDialog(HWND dialog) {
    if (!IsWindow(dialog)) {
        return;
    }
    if (gHandledDialogs.count(dialog) != 0) {
        // Active again after a box of its own closed, so it is still waiting: end it rather
        // than hang the run.
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    gHandledDialogs.insert(dialog);
    SeenDialog seen;
    seen.caption = WindowText(dialog);
    if (IsMessageBox(dialog)) {
        seen.text = WindowText(GetDlgItem(dialog, kMessageBoxText));
    }
    seen_.push_back(seen);
    if (!answers_.empty() && answers_.front()(dialog)) {
        answers_.erase(answers_.begin());
        return;
    }
    // Nobody expected it: end it rather than hang the run; the test sees it in Seen().
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

std::string E2eDriver::Title() const {
    return WindowText(window_);
}

std::string E2eDriver::ReportText() const {
    HWND view = GetDlgItem(window_, IDC_TEXT_VIEW);
    int length = GetWindowTextLengthA(view);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = static_cast<int>(SendMessageA(view, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
    text.resize(static_cast<size_t>(got));
    return text;
}

int E2eDriver::LastSeen(const char* text, const char* caption) const {
    return !seen_.empty() && seen_.back().text == text && seen_.back().caption == caption;
}

int E2eDriver::IsGrayed(int menu, int item) const {
    return (GetMenuState(GetSubMenu(GetMenu(window_), menu), item, MF_BYPOSITION) & MF_GRAYED) != 0;
}

int E2eDriver::IsRadioChecked(int menu, int submenu, int item) const {
    HMENU popup = GetSubMenu(GetMenu(window_), menu);
    if (submenu >= 0) {
        popup = GetSubMenu(popup, submenu);
    }
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    if (!GetMenuItemInfoA(popup, item, TRUE, &info)) {
        return 0;
    }
    return (info.fType & MFT_RADIOCHECK) != 0 && (info.fState & MFS_CHECKED) != 0;
}

DialogAnswer AnswerMessageBox(int buttonId) {
    return [buttonId](HWND dialog) {
        if (!IsMessageBox(dialog)) {
            return 0;
        }
        PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
        return 1;
    };
}

DialogAnswer ChooseFile(const std::string& path) {
    return [path](HWND dialog) {
        HWND combo = GetDlgItem(dialog, cmb13);
        if (combo == nullptr) {
            return 0;
        }
        if (path.empty()) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return 1;
        }
        HWND edit = reinterpret_cast<HWND>(SendMessageA(combo, CBEM_GETEDITCONTROL, 0, 0));
        SendMessageA(edit != nullptr ? edit : combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return 1;
    };
}

DialogAnswer FillNewImage(const char* width,
                          const char* height,
                          int mode,
                          const char* entries,
                          int buttonId,
                          std::string* entriesShown) {
    return [=](HWND dialog) {
        HWND combo = GetDlgItem(dialog, IDC_NEW_COLOR_MODE);
        if (combo == nullptr || GetDlgItem(dialog, IDC_NEW_WIDTH) == nullptr) {
            return 0;
        }
        if (mode >= 0) {
            // Selecting by message sends no notification; the user's choice would.
            SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(mode), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_NEW_COLOR_MODE, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo));
        }
        if (entriesShown != nullptr) {
            *entriesShown = WindowText(GetDlgItem(dialog, IDC_NEW_ENTRIES));
        }
        if (width != nullptr) {
            SetDlgItemTextA(dialog, IDC_NEW_WIDTH, width);
        }
        if (height != nullptr) {
            SetDlgItemTextA(dialog, IDC_NEW_HEIGHT, height);
        }
        if (entries != nullptr) {
            SetDlgItemTextA(dialog, IDC_NEW_ENTRIES, entries);
        }
        PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
        return 1;
    };
}

std::vector<int32_t> StoredIntegers(const char* name) {
    std::vector<int32_t> values;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Velmarin\\Korvane", 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return values;
    }
    int32_t buffer[16];
    DWORD size = sizeof(buffer);
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS) {
        values.assign(buffer, buffer + size / 4);
    }
    RegCloseKey(key);
    return values;
}

int StoredKeyExists() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Velmarin\\Korvane", 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    RegCloseKey(key);
    return 1;
}

std::string TempPath(const char* name) {
    return std::string(WinTestTempDir()) + name;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    DWORD size = GetFileSize(file, nullptr);
    DWORD read = 0;
    if (size != INVALID_FILE_SIZE) {
        bytes.resize(size);
        if (size != 0 && !ReadFile(file, bytes.data(), size, &read, nullptr)) {
            read = 0;
        }
        bytes.resize(read);
    }
    CloseHandle(file);
    return bytes;
}

int WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    int ok = file != INVALID_HANDLE_VALUE &&
             WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
             written == bytes.size();
    CloseHandle(file);
    return ok;
}
