#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>
#include <dlgs.h>

#include <fstream>
#include <iterator>
#include <utility>

#include "app/settings_store.h"
#include "model/bitmap_image.h"

std::vector<DialogAnswer> E2eDriver::answers;

namespace {

// Every dialog and message box is of the class #32770 (its atom), made and filled before it is
// activated; what is posted to it now waits for its own modal loop. One active again after a box
// of its own closed still waits, and is cancelled unless an answer takes it.
LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND dialog = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && GetClassLongPtrA(dialog, GCW_ATOM) == 32770) {
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

}  // namespace

HWND E2eDriver::Start(bool keepStoredSettings) {
    if (!keepStoredSettings) {
        deleteSettings();
    }
    gSettings = Settings();
    window_ = StartMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    CHECK(gHook != nullptr && window_ != nullptr);
    Drain();
    return window_;
}

void E2eDriver::Finish() {
    if (window_ != nullptr) {
        DestroyWindow(std::exchange(window_, nullptr));  // asks nothing, unlike closing
        Drain();
        FinishKorvane();
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
    BYTE keys[256] = {};
    keys[VK_CONTROL] = control ? 0x80 : 0;  // up again at the next key
    SetKeyboardState(keys);
    PostMessageA(window_, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
    Drain();
}

DialogAnswer Reply(int control, int button, const std::string& text) {
    return [=](HWND dialog) {
        HWND item = GetDlgItem(dialog, control);
        if (item == nullptr || GetDlgItem(dialog, button) == nullptr) {
            return 0;
        }
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

int WriteImage(const std::string& path, int width, int height, const std::function<COLORREF(int, int)>& colour) {
    BitmapImage image;
    uint8_t* bits = image.Create(nullptr, width, height, 24, 0) ? const_cast<uint8_t*>(image.GetBits()) : nullptr;
    // Rows bottom up, each pixel blue, green, red.
    for (int i = 0; bits != nullptr && i < width * height * 3; ++i) {
        int y = i / 3 / width;
        bits[(height - 1 - y) * image.GetBytesPerLine() + i % (width * 3)] =
            static_cast<uint8_t>(colour(i / 3 % width, y) >> (16 - i % 3 * 8));
    }
    return bits != nullptr && image.Save(path.c_str(), 1);
}
