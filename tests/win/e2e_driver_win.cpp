#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

#include "app/settings_store.h"
#include "model/bitmap_image.h"
#include "model/color_table.h"

std::vector<DialogAnswer> E2eDriver::answers;
std::vector<EditorStep> E2eDriver::editorSteps;

namespace {

// Every dialog and message box is of the class #32770 (its atom), made and filled before it is
// activated; what is posted to it now waits for its own modal loop. One active again after a box
// of its own closed still waits, and is cancelled unless an answer takes it.
LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND dialog = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && GetClassLongPtrA(dialog, GCW_ATOM) == 32770 && GetMenu(dialog) == nullptr) {
        if (!E2eDriver::answers.empty() && E2eDriver::answers.front()(dialog)) {
            E2eDriver::answers.erase(E2eDriver::answers.begin());
        } else {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// For the whole run, on its one thread.
const HHOOK gHook = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());

// A timer's work: the next step, when the editor is up (the one dialog with a menu) and no box or
// dialog of its own is, and no step is running already.
void CALLBACK RunNextEditorStep(HWND, UINT, UINT_PTR, DWORD) {
    static bool running = false;
    HWND editor = nullptr;
    bool busy = running;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32770", nullptr)) != nullptr;) {
        if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) {
            GetMenu(w) != nullptr ? void(editor = w) : void(busy = busy || IsWindowVisible(w));
        }
    }
    if (busy || editor == nullptr) {
        return;
    }
    if (E2eDriver::editorSteps.empty()) {
        DestroyWindow(editor);
        return;
    }
    EditorStep step = std::move(E2eDriver::editorSteps.front());
    E2eDriver::editorSteps.erase(E2eDriver::editorSteps.begin());
    running = true;
    step(editor);
    running = false;
}

}  // namespace

HWND E2eDriver::Start(bool keepStoredSettings) {
    if (!keepStoredSettings) {
        DeleteSettings();
    }
    program_ = std::make_unique<Program>(GetModuleHandleA(nullptr));
    window_ = program_->Start(SW_SHOWNORMAL);
    CHECK(gHook != nullptr && window_ != nullptr);
    Drain();
    return window_;
}

void E2eDriver::Finish() {
    if (window_ != nullptr) {
        DestroyWindow(std::exchange(window_, nullptr));  // asks nothing, unlike closing
        Drain();
        program_->Finish();
    }
}

void E2eDriver::Command(int command) {
    SendMessageA(window_, WM_COMMAND, static_cast<WPARAM>(command), 0);
    Drain();
}

// Until the queue stays empty; the quit message is dropped, as each test starts its own window.
void E2eDriver::Drain() {
    static HACCEL accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_ACCEL));
    MSG msg;
    for (int idle = 0; idle < 3; ++idle) {
        for (; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); idle = 0) {
            if (msg.message != WM_QUIT && !(IsWindow(window_) && TranslateAcceleratorA(window_, accelerators, &msg))) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void E2eDriver::Key(int key, bool control) {
    PostKey(window_, key, control);
    Drain();
}

size_t E2eDriver::WithEditor(std::vector<EditorStep> steps) {
    editorSteps = std::move(steps);
    UINT_PTR timer = SetTimer(nullptr, 0, 5, RunNextEditorStep);
    SendMessageA(window_, WM_COMMAND, ID_VIEW_EDIT_COLOR_TABLE, 0);
    KillTimer(nullptr, timer);
    // A main window closed meanwhile leaves the quit message for the test to see.
    if (IsWindow(window_)) {
        Drain();
    }
    return std::exchange(editorSteps, {}).size();
}

void PostKey(HWND window, int key, bool control, bool alt) {
    BYTE keys[256] = {};
    keys[VK_CONTROL] = control ? 0x80 : 0;  // up again at the next key
    keys[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(key), alt ? 1 << 29 : 0);
}

DialogAnswer Reply(int control, int button, const std::string& text, std::string* seen) {
    return [=](HWND dialog) {
        HWND item = GetDlgItem(dialog, control);
        if (item == nullptr || GetDlgItem(dialog, button) == nullptr) {
            return 0;
        }
        seen != nullptr ? void(*seen = WindowText(item)) : void();
        HWND edit = reinterpret_cast<HWND>(SendMessageA(item, CBEM_GETEDITCONTROL, 0, 0));
        SetWindowTextA(edit != nullptr ? edit : item, text.c_str());
        return PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
    };
}

DialogAnswer ChooseFile(const std::string& path) {
    return Reply(cmb13, IDOK, path);
}

std::string WindowText(HWND window) {
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1);
    return std::string(text.data(), GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
}

int Shows(HWND window, std::initializer_list<POINT> points, COLORREF colour) {
    HDC dc = GetDC(window);
    int all = std::all_of(points.begin(), points.end(), [&](POINT p) { return GetPixel(dc, p.x, p.y) == colour; });
    ReleaseDC(window, dc);
    return all;
}

std::vector<int32_t> StoredIntegers(const char* name, DWORD type) {
    int32_t values[16];
    DWORD size = sizeof(values);
    LSTATUS status = RegGetValueA(HKEY_LOCAL_MACHINE, kSettingsKey, name, type, nullptr, values, &size);
    return std::vector<int32_t>(values, values + (status == ERROR_SUCCESS ? size / 4 : 0));
}

std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return folder + std::string("korvane-wintest\\") + name;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out.good();
}

int WriteImage(const std::string& path,
               int width,
               int height,
               const std::function<COLORREF(int, int)>& pixel,
               uint32_t entries,
               const std::function<COLORREF(uint32_t)>& colour) {
    BitmapImage image;
    ColorTable table;
    uint32_t bits = entries == 0 ? 24 : entries == 16 ? 4 : 8;
    if (!image.Create(nullptr, width, height, bits, entries) || (entries != 0 && !image.GetColorTable(table))) {
        return 0;
    }
    auto* pixels = const_cast<uint8_t*>(image.GetBits());
    for (int y = 0; y < height; ++y) {
        uint8_t* line = pixels + (height - 1 - y) * image.GetBytesPerLine();  // rows bottom up
        for (int x = 0; x < width; ++x) {
            COLORREF p = pixel(x, y);
            if (bits == 24) {
                line[3 * x] = GetBValue(p), line[3 * x + 1] = GetGValue(p), line[3 * x + 2] = GetRValue(p);
            } else {
                bits == 8 ? void(line[x] = static_cast<uint8_t>(p)) : void(line[x / 2] |= p << (x % 2 ? 0 : 4));
            }
        }
    }
    for (uint32_t i = 0; i < entries; ++i) {
        table.SetColor(i, GetRValue(colour(i)), GetGValue(colour(i)), GetBValue(colour(i)));
    }
    return (entries == 0 || image.SetColorTable(0, table)) && image.Save(path.c_str(), 1);
}
