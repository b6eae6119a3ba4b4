#include "app/main_window_win.h"

#include <memory>
#include <new>

#include "app/document_commands.h"
#include "app/dropped_files_win.h"
#include "app/image_pick.h"
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

Program* ProgramOf(HWND window) {
    return reinterpret_cast<Program*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void CreateTextView(Program& program, HWND window) {
    HICON small = static_cast<HICON>(LoadImageA(program.instance, MAKEINTRESOURCEA(IDI_SMALL), IMAGE_ICON, 16, 16, 0));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    RECT client;
    GetClientRect(window, &client);
    HWND view = CreateWindowExA(
        0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_READONLY | ES_MULTILINE, 0, 0, client.right,
        client.bottom, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TEXT_VIEW)), program.instance, nullptr);
    if (program.textViewFont == nullptr) {
        program.textViewFont = CreateFontA(12, 6, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                           OUT_CHARACTER_PRECIS, 0, 0, 0, kTextViewFace);
    }
    SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(program.textViewFont), FALSE);
}

void PaintImageView(const Shell& shell, HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const BitmapImage* image = shell.document.image;
    PaintPlan plan = PlanPaint(shell.settings, image != nullptr);
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

// A cross over the image while a click there picks an entry in the editor.
bool SetPickCursor(Shell& shell, HWND window) {
    POINT p;
    uint32_t index = 0;
    if (!GetCursorPos(&p) || !ScreenToClient(window, &p) || !IndexUnderPoint(shell, p.x, p.y, &index)) {
        return false;
    }
    SetCursor(LoadCursorA(nullptr, IDC_CROSS));
    return true;
}

// Messages before WM_NCCREATE, and after the program let go of the window, get the default.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // Commands posted during creation need the handle before CreateWindowExA returns.
        auto* program = static_cast<Program*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(program));
        program->windowSystem.SetMainWindow(window);
    }
    Program* program = ProgramOf(window);
    if (program == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    Shell& shell = program->shell;
    switch (message) {
        case WM_CREATE:
            CreateTextView(*program, window);
            OnCreate(shell);
            return 0;
        case WM_DESTROY:
            OnDestroy(shell);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            program->windowSystem.SetMainWindow(nullptr);
            return 0;
        case WM_MOVE:
            OnMove(shell);
            return 0;
        case WM_SIZE:
            OnSize(shell, static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_CLOSE:
            OnClose(shell);
            return 0;
        case WM_PAINT:
            PaintImageView(shell, window);
            return 0;
        case WM_LBUTTONDOWN:
            OnImageButtonDown(shell, static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam)));
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && SetPickCursor(shell, window)) {
                return TRUE;
            }
            break;
        case WM_KEYDOWN:
            OnKeyDown(shell.View(), static_cast<unsigned>(wParam));
            return 0;
        case WM_COMMAND:
            DispatchCommand(shell, LOWORD(wParam));
            return 0;
        case WM_DROPFILES: {
            std::string dropped = FirstDroppedFile(reinterpret_cast<HDROP>(wParam));
            if (!dropped.empty()) {
                OpenGivenFile(shell, dropped);
            }
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// 1 when the class "Korvane" is registered (also when it already was).
int RegisterMainClass(HINSTANCE instance) {
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

}  // namespace

Program::Program(HINSTANCE programInstance)
    : instance(programInstance), windowSystem(programInstance), shell(windowSystem, settings) {}

Program::~Program() {
    if (textViewFont != nullptr) {
        DeleteObject(textViewFont);
    }
}

HWND Program::Start(int showCommand) {
    LoadSettings(settings);
    FitWindowRectToMonitors(settings.windowInfo);
    if (!RegisterMainClass(instance)) {
        return nullptr;
    }
    const WindowRect& r = settings.windowInfo;
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, kClassName, kProductName, WS_OVERLAPPEDWINDOW,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this);
    if (window != nullptr) {
        ShowWindow(window, showCommand);
    }
    return window;
}

void Program::Finish() {
    if (!shell.settingsDeleted) {
        SaveSettings(settings);
    }
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

int RunKorvane(HINSTANCE instance, int showCommand, const char* commandLine) {
    // Large, and alive as long as the program: on the heap rather than WinMain's stack.
    std::unique_ptr<Program> program(new (std::nothrow) Program(instance));
    HWND window = program != nullptr ? program->Start(showCommand) : nullptr;
    if (window == nullptr) {
        return 0;  // no window: a loop would wait for messages forever
    }
    OnStartupArguments(program->shell, commandLine);
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAIN_ACCEL));
    RunMessageLoop(window, accelerators);
    program->Finish();
    return 0;
}
