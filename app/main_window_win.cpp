#include "app/main_window_win.h"

#include <optional>

#include "app/document_commands.h"
#include "app/dropped_files_win.h"
#include "app/main_window.h"
#include "app/settings_store.h"
#include "app/win32_window_system_win.h"
#include "app/window_placement_win.h"
#include "model/surface_win.h"
#include "resources/resource.h"
#include "views/paint_plan.h"

namespace {

constexpr char kClassName[] = "Korvane";
constexpr char kTextViewFace[] = "ＭＳ ゴシック";

HINSTANCE gInstance = nullptr;
HWND gMainWindow = nullptr;
HFONT gTextViewFont = nullptr;
Win32WindowSystem gWindowSystem;
// Made anew by CreateMainWindow, so each main window starts with a fresh shell.
std::optional<Shell> gShellState;
Shell* gShell = nullptr;

void ResetShell() {
    gShellState.emplace(gWindowSystem, gSettings);
    gShell = &*gShellState;
}

void CreateTextView(HWND window) {
    HICON small = static_cast<HICON>(LoadImageA(gInstance, MAKEINTRESOURCEA(IDI_SMALL), IMAGE_ICON, 16, 16, 0));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    RECT client;
    GetClientRect(window, &client);
    HWND view = CreateWindowExA(
        0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_READONLY | ES_MULTILINE, 0, 0, client.right,
        client.bottom, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TEXT_VIEW)), gInstance, nullptr);
    // One font for the life of the process.
    if (gTextViewFont == nullptr) {
        gTextViewFont = CreateFontA(12, 6, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                    OUT_CHARACTER_PRECIS, 0, 0, 0, kTextViewFace);
    }
    SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(gTextViewFont), FALSE);
}

void PaintImageView(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const BitmapImage* image = gShell->document.image;
    PaintPlan plan = PlanPaint(gShell->settings, image != nullptr);
    RECT client;
    GetClientRect(window, &client);
    if (plan.stretchImage) {
        int32_t width = 0;
        int32_t height = 0;
        image->GetSize(&width, &height);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, SurfaceBitmap(image->GetSurface()));
        StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, width, height, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    if (plan.fillBlack) {
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    if (plan.drawImage) {
        image->Draw(dc, 0, 0);
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            // Commands posted during creation need the handle before CreateWindowExA returns.
            gMainWindow = window;
            gWindowSystem.SetMainWindow(window);
            break;
        case WM_CREATE:
            CreateTextView(window);
            OnCreate(*gShell);
            return 0;
        case WM_DESTROY:
            OnDestroy(*gShell);
            gMainWindow = nullptr;
            return 0;
        case WM_MOVE:
            OnMove(*gShell);
            return 0;
        case WM_SIZE:
            OnSize(*gShell, static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_CLOSE:
            OnClose(*gShell);
            return 0;
        case WM_PAINT:
            PaintImageView(window);
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(gShell->View(), static_cast<unsigned>(wParam));
            return 0;
        case WM_COMMAND:
            DispatchCommand(*gShell, LOWORD(wParam));
            return 0;
        case WM_DROPFILES: {
            std::string dropped = FirstDroppedFile(reinterpret_cast<HDROP>(wParam));
            if (!dropped.empty()) {
                OpenGivenFile(*gShell, dropped);
            }
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

Shell& TheShell() {
    if (gShell == nullptr) {
        ResetShell();
    }
    return *gShell;
}

HWND MainWindow() {
    return gMainWindow;
}

HINSTANCE ProgramInstance() {
    return gInstance;
}

int RegisterMainClass(HINSTANCE instance) {
    gInstance = instance;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAIN));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    wc.lpszClassName = kClassName;
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_SMALL), IMAGE_ICON, 16, 16, 0));
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateMainWindow(HINSTANCE instance) {
    gInstance = instance;
    ResetShell();
    const WindowRect& r = gSettings.windowInfo;
    HWND window =
        CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, kClassName, kProductName, WS_OVERLAPPEDWINDOW, r.left,
                        r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        gMainWindow = nullptr;
    }
    return window;
}

HWND StartMainWindow(HINSTANCE instance, int showCommand) {
    loadSettings();
    FitWindowRectToMonitors(gSettings.windowInfo);
    if (!RegisterMainClass(instance)) {
        return nullptr;
    }
    HWND window = CreateMainWindow(instance);
    if (window != nullptr) {
        ShowWindow(window, showCommand);
    }
    return window;
}

int RunMessageLoop(HWND window, HACCEL accelerators) {
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            return 0;
        }
        if (got == -1) {
            return -1;
        }
        if (!TranslateAcceleratorA(window, accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void FinishKorvane() {
    if (!TheShell().settingsDeleted) {
        saveSettings();
    }
}

int RunKorvane(HINSTANCE instance, int showCommand, const char* commandLine) {
    HWND window = StartMainWindow(instance, showCommand);
    if (window == nullptr) {
        return 0;  // no window: a loop would wait for messages forever
    }
    OnStartupArguments(TheShell(), commandLine);
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAIN_ACCEL));
    RunMessageLoop(window, accelerators);
    FinishKorvane();
    return 0;
}
