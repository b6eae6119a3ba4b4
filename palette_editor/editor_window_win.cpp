#include "palette_editor/editor_window_win.h"

#include <commctrl.h>

#include "model/system_library_win.h"
#include "palette_editor/clipboard_text_win.h"
#include "palette_editor/gdi_target_win.h"
#include "palette_editor/grid_tip_win.h"
#include "resources/resource.h"

namespace {

constexpr int kTrackbars[kChannelCount] = {IDC_TRACK_RED, IDC_TRACK_GREEN, IDC_TRACK_BLUE};
constexpr int kEdits[kChannelCount] = {IDC_EDIT_RED, IDC_EDIT_GREEN, IDC_EDIT_BLUE};
// In the order the layout gives their places.
constexpr int kLaidOut[kEditorControlCount] = {IDC_TRACK_RED,  IDC_TRACK_GREEN,  IDC_TRACK_BLUE,
                                               IDC_EDIT_RED,   IDC_EDIT_GREEN,   IDC_EDIT_BLUE,
                                               IDC_INVERT_RED, IDC_INVERT_GREEN, IDC_INVERT_BLUE};
constexpr WPARAM kTrackbarPage = 5;

class Win32EditorWindow : public EditorWindow {
  public:
    explicit Win32EditorWindow(ColorTableEditor& editor) : editor_(editor) {}

    ColorTableEditor& Editor() { return editor_; }
    void Attach(HWND dialog) {
        dialog_ = dialog;
        tip_.Create(dialog);
    }

    void ApplyLayout(const EditorLayout& layout) override {
        SetWindowPos(dialog_, nullptr, 0, 0, layout.windowWidth, layout.windowHeight, SWP_NOMOVE | SWP_NOZORDER);
        for (int i = 0; i < kEditorControlCount; ++i) {
            const GridRect& r = layout.controls[i];
            SetWindowPos(GetDlgItem(dialog_, kLaidOut[i]), nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER);
        }
        for (int id : kTrackbars) {
            SendDlgItemMessageA(dialog_, id, TBM_SETRANGE, FALSE, MAKELPARAM(0, 255));
            SendDlgItemMessageA(dialog_, id, TBM_SETPAGESIZE, 0, kTrackbarPage);
        }
    }
    void SetTrackbar(int channel, uint32_t value) override {
        SendDlgItemMessageA(dialog_, kTrackbars[channel], TBM_SETPOS, TRUE, static_cast<LPARAM>(value));
    }
    uint32_t GetTrackbar(int channel) override {
        LRESULT position = SendDlgItemMessageA(dialog_, kTrackbars[channel], TBM_GETPOS, 0, 0);
        return position < 0 ? 0 : static_cast<uint32_t>(position);
    }
    void SetEdit(int channel, uint32_t value) override { SetDlgItemInt(dialog_, kEdits[channel], value, FALSE); }
    uint32_t ReadEdit(int channel) override { return GetDlgItemInt(dialog_, kEdits[channel], nullptr, FALSE); }
    void SetTitle(const char* title) override { SetWindowTextA(dialog_, title); }
    void EnableMenuItem(int menu, int item, int enabled) override {
        ::EnableMenuItem(GetSubMenu(GetMenu(dialog_), menu), item, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    void CheckMenuItem(int menu, int item, int checked) override {
        ::CheckMenuItem(GetSubMenu(GetMenu(dialog_), menu), item,
                        MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
    void DrawNow(const std::function<void(DrawingTarget&)>& draw) override {
        HDC dc = GetDC(dialog_);
        if (dc != nullptr) {
            GdiTarget target(dc);
            draw(target);
            ReleaseDC(dialog_, dc);
        }
    }
    void Repaint() override {
        InvalidateRect(dialog_, nullptr, TRUE);
        UpdateWindow(dialog_);
    }
    void ShowTip(const char* text) override { tip_.Show(text); }
    void HideTip() override { tip_.Hide(); }
    int SetClipboardText(const std::string& text) override { return PutClipboardText(dialog_, text); }
    int GetClipboardText(std::string* text) override { return TakeClipboardText(dialog_, kMostClipboardBytes, text); }
    OwnerWindow Owner() override { return reinterpret_cast<OwnerWindow>(dialog_); }
    void Destroy() override { DestroyWindow(dialog_); }

  private:
    ColorTableEditor& editor_;
    HWND dialog_ = nullptr;
    GridTip tip_;
};

int ChannelOfEdit(int id) {
    for (int c = 0; c < kChannelCount; ++c) {
        if (kEdits[c] == id) {
            return c;
        }
    }
    return -1;
}

// TRUE for WM_INITDIALOG only, so the dialog manager's own handling always follows.
INT_PTR CALLBACK EditorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* window = reinterpret_cast<Win32EditorWindow*>(lParam);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        window->Attach(dialog);
        window->Editor().OnInit(*window);
        return TRUE;
    }
    auto* window = reinterpret_cast<Win32EditorWindow*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (window == nullptr) {
        return FALSE;
    }
    ColorTableEditor& editor = window->Editor();
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(dialog, &ps);
            GdiTarget target(dc);
            editor.OnPaint(target);
            EndPaint(dialog, &ps);
            break;
        }
        case WM_LBUTTONDOWN:
            editor.OnButtonDown(static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam)),
                                (wParam & MK_SHIFT) != 0);
            break;
        case WM_MOUSEMOVE: {
            // Asked anew at each move, so leaving the window (or entering a control) is told.
            TRACKMOUSEEVENT leave = {sizeof(leave), TME_LEAVE, dialog, 0};
            TrackMouseEvent(&leave);
            editor.OnMouseMove(static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam)));
            break;
        }
        case WM_MOUSELEAVE:
            editor.OnMouseLeft();
            break;
        case WM_HSCROLL:
            // A drag moves the thumb with TB_THUMBTRACK and ends with TB_ENDTRACK, as does each
            // key's move.
            editor.OnTrackbarScrolled();
            if (LOWORD(wParam) == TB_ENDTRACK) {
                editor.OnTrackbarReleased();
            }
            break;
        case WM_COMMAND: {
            // The edits' notifications are no commands.
            int channel = ChannelOfEdit(LOWORD(wParam));
            if (channel < 0) {
                editor.OnCommand(LOWORD(wParam));
            } else if (HIWORD(wParam) == EN_CHANGE) {
                editor.OnEditChanged(channel);
            } else if (HIWORD(wParam) == EN_KILLFOCUS) {
                editor.OnEditLeft();
            }
            break;
        }
        case WM_DESTROY:
            // Nothing may reach the editor through a window that is going.
            SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
            editor.OnDestroyed();
            PostQuitMessage(0);
            break;
        default:
            break;
    }
    return FALSE;
}

// Ctrl+C and Ctrl+V copy and paste an edit control's own text while it has the focus (one of
// the editor's, or the main window's report), as in any edit; elsewhere they are the editor's.
bool EditTakesKey(const MSG& msg) {
    char className[8] = {};
    return msg.message == WM_KEYDOWN && (msg.wParam == 'C' || msg.wParam == 'V') && GetKeyState(VK_CONTROL) < 0 &&
           GetClassNameA(GetFocus(), className, sizeof(className)) > 0 && lstrcmpiA(className, "Edit") == 0;
}

// The dialog's trackbars and its tip need their classes registered before it is made. comctl32
// is loaded the first time (not at the program's start) and kept; without it there is no editor.
bool RegisterTrackbarClass() {
    auto initialize =
        SystemFunction<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>("comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    return initialize != nullptr && initialize(&controls);
}

}  // namespace

void RunEditorWindow(ColorTableEditor& editor, HINSTANCE instance, HWND owner) {
    Win32EditorWindow window(editor);
    HWND dialog = RegisterTrackbarClass() ? CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_COLOR_TABLE), owner,
                                                               EditorDialogProc, reinterpret_cast<LPARAM>(&window))
                                          : nullptr;
    if (dialog == nullptr) {
        editor.OnDestroyed();
        return;
    }
    ShowWindow(dialog, SW_SHOW);
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_EDITOR_ACCEL));
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0 && got != -1) {
        const bool accelerated = !EditTakesKey(msg) && TranslateAcceleratorA(dialog, accelerators, &msg);
        if (!accelerated && !IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // Ended while the window lives, by a queue that cannot be read or a quit message not its
    // own: the window goes without a word and the program is told to end.
    if (IsWindow(dialog)) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
        DestroyWindow(dialog);
        editor.OnDestroyed();
        PostQuitMessage(0);
    }
}
