#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/main_window_win.h"
#include "app/settings_store.h"
#include "model/bitmap_image.h"
#include "resources/resource.h"
#include "tests/win/win_test.h"

namespace {

constexpr int kMessageBoxText = 0xFFFF;
E2eDriver* gDriver = nullptr;

// Every dialog and message box is class #32770, made and filled before it is activated; what
// is posted to it now waits for its own modal loop.
LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    char className[32] = {};
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && GetClassNameA(window, className, sizeof(className)) &&
        lstrcmpA(className, "#32770") == 0 && gDriver != nullptr) {
        gDriver->OnDialog(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Our dialogs' labels have the message's id too, but a box has none of their other controls.
int IsMessageBox(HWND dialog) {
    return GetDlgItem(dialog, kMessageBoxText) != nullptr && GetDlgItem(dialog, cmb13) == nullptr &&
           GetDlgItem(dialog, IDC_NEW_COLOR_MODE) == nullptr;
}

void PostButton(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
}

}  // namespace

E2eDriver::E2eDriver() : hook_(SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId())) {
    gDriver = this;
}

E2eDriver::~E2eDriver() {
    Finish();
    UnhookWindowsHookEx(hook_);
    gDriver = nullptr;
}

HWND E2eDriver::Start(bool keepStoredSettings) {
    if (!keepStoredSettings) {
        deleteSettings();
    }
    gSettings = Settings();
    window_ = StartMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    CHECK(window_ != nullptr);
    Drain();
    return window_;
}

void E2eDriver::Finish() {
    if (window_ != nullptr) {
        DestroyWindow(window_);  // asks nothing, unlike closing
        Drain();
        FinishKorvane();
    }
    window_ = nullptr;
}

void E2eDriver::Command(int command) {
    SendMessageA(window_, WM_COMMAND, static_cast<WPARAM>(command), 0);
    Drain();
}

// As the program's loop does, until the queue stays empty; the quit message is dropped, as
// each test starts its own window.
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
    BYTE keys[256] = {};
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageA(window_, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
    Drain();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

void E2eDriver::Open(const std::string& path) {
    Expect(ChooseFile(path));
    Command(ID_FILE_OPEN);
    CHECK(PendingAnswers() == 0);
}

void E2eDriver::OnDialog(HWND dialog) {
    // Active again after a box of its own closed, so it still waits: end it.
    if (std::find(handled_.begin(), handled_.end(), dialog) != handled_.end()) {
        return PostButton(dialog, IDCANCEL);
    }
    handled_.push_back(dialog);
    if (!answers_.empty() && answers_.front()(dialog)) {
        answers_.erase(answers_.begin());
    } else {
        PostButton(dialog, IDCANCEL);
    }
}

DialogAnswer AnswerMessageBox(int button, std::string* text) {
    return [=](HWND dialog) {
        if (IsMessageBox(dialog) && text != nullptr) {
            *text = WindowText(GetDlgItem(dialog, kMessageBoxText));
        }
        if (IsMessageBox(dialog)) {
            PostButton(dialog, button);
        }
        return IsMessageBox(dialog);
    };
}

DialogAnswer ChooseFile(const std::string& path) {
    return [path](HWND dialog) {
        HWND combo = GetDlgItem(dialog, cmb13);
        if (combo != nullptr) {
            SetWindowTextA(reinterpret_cast<HWND>(SendMessageA(combo, CBEM_GETEDITCONTROL, 0, 0)), path.c_str());
            PostButton(dialog, IDOK);
        }
        return combo != nullptr;
    };
}

DialogAnswer FillNewImage(const char* width, const char* height, int mode, int button, std::string* shown) {
    return [=](HWND dialog) {
        HWND combo = GetDlgItem(dialog, IDC_NEW_COLOR_MODE);
        if (combo == nullptr) {
            return 0;
        }
        *shown = WindowText(GetDlgItem(dialog, IDC_NEW_WIDTH)) + " " + WindowText(GetDlgItem(dialog, IDC_NEW_HEIGHT)) +
                 " " + WindowText(GetDlgItem(dialog, IDC_NEW_ENTRIES)) + " " +
                 std::to_string(SendMessageA(combo, CB_GETCURSEL, 0, 0));
        // Choosing by message notifies nobody; the user's choice would.
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(mode), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_NEW_COLOR_MODE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        SetDlgItemTextA(dialog, IDC_NEW_WIDTH, width);
        SetDlgItemTextA(dialog, IDC_NEW_HEIGHT, height);
        PostButton(dialog, button);
        return 1;
    };
}

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

int Shows(HWND window, std::initializer_list<POINT> points, COLORREF colour) {
    HDC dc = GetDC(window);
    int all = 1;
    for (POINT p : points) {
        all &= GetPixel(dc, p.x, p.y) == colour;
    }
    ReleaseDC(window, dc);
    return all;
}

// The window's own DC is clipped to its client area.
void Scribble(HWND window, COLORREF colour) {
    HDC dc = GetDC(window);
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, colour);
    PatBlt(dc, 0, 0, 0x7FFF, 0x7FFF, PATCOPY);
    ReleaseDC(window, dc);
}

std::vector<int32_t> StoredIntegers(const char* name) {
    int32_t values[16];
    DWORD size = sizeof(values);
    LSTATUS status =
        RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\Velmarin\\Korvane", name, RRF_RT_ANY, nullptr, values, &size);
    return std::vector<int32_t>(values, values + (status == ERROR_SUCCESS ? size / 4 : 0));
}

std::string TempPath(const char* name) {
    return WinTestTempDir() + std::string(name);
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

int WriteImage(const std::string& path, int width, int height, const std::function<COLORREF(int, int)>& colour) {
    BitmapImage image;
    if (!image.Create(nullptr, width, height, 24, 0)) {
        return 0;
    }
    // Rows bottom up, each pixel blue, green, red.
    uint8_t* bits = const_cast<uint8_t*>(image.GetBits());
    for (int i = 0; i < width * height * 3; ++i) {
        int y = i / 3 / width;
        bits[(height - 1 - y) * image.GetBytesPerLine() + i % (width * 3)] =
            static_cast<uint8_t>(colour(i / 3 % width, y) >> (16 - i % 3 * 8));
    }
    return image.Save(path.c_str(), 1);
}
