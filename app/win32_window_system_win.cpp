#include "app/win32_window_system_win.h"

#include "app/document.h"
#include "app/main_window_win.h"
#include "app/settings_store.h"
#include "palette_editor/editor_window_win.h"
#include "palette_editor/options_dialog_win.h"
#include "resources/resource.h"

OwnerWindow Win32WindowSystem::MainWindowOwner() {
    return Owner(window_);
}

Answer Win32WindowSystem::ShowMessage(OwnerWindow owner, const char* text, const char* caption, MessageStyle style) {
    static constexpr UINT kTypes[] = {MB_ICONWARNING | MB_YESNOCANCEL, MB_ICONWARNING | MB_YESNO, MB_ICONERROR | MB_OK,
                                      MB_ICONQUESTION | MB_YESNO, MB_ICONWARNING | MB_OK};
    switch (MessageBoxA(Handle(owner), text, caption, kTypes[static_cast<int>(style)])) {
        case IDYES:
            return Answer::kYes;
        case IDNO:
            return Answer::kNo;
        case IDOK:
            return Answer::kOk;
        default:
            return Answer::kCancel;  // also a box that could not be shown
    }
}

FileChoice Win32WindowSystem::ChooseFile(OwnerWindow owner, FileDialogKind kind, char* path) {
    return ChooseFileInDialog(Handle(owner), kind, path);
}

FileChoice Win32WindowSystem::ChoosePaletteFile(OwnerWindow owner, char* path, PaletteFormat* format) {
    return ChoosePaletteFileInDialog(Handle(owner), path, format);
}

int Win32WindowSystem::ShowNewImageDialog(NewImageSettings& values) {
    INT_PTR result = DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_NEW_IMAGE), window_, NewImageDialogProc,
                                     reinterpret_cast<LPARAM>(&values));
    return result == IDOK ? 1 : 0;
}

// No owner, so the main window stays usable while the box is open.
void Win32WindowSystem::ShowAbout() {
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutDialogProc, 0);
}

void Win32WindowSystem::SetTitle(const char* title) {
    SetWindowTextA(window_, title);
}

void Win32WindowSystem::EnableMenuItem(int menu, int item, int enabled) {
    HMENU popup = GetSubMenu(GetMenu(window_), menu);
    ::EnableMenuItem(popup, item, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Win32WindowSystem::CheckMenuRadio(int menu, int submenu, int first, int last, int checked) {
    HMENU popup = GetSubMenu(GetMenu(window_), menu);
    if (submenu >= 0) {
        popup = GetSubMenu(popup, submenu);
    }
    CheckMenuRadioItem(popup, first, last, checked, MF_BYPOSITION);
}

HWND Win32WindowSystem::Report() const {
    return GetDlgItem(window_, IDC_TEXT_VIEW);
}

void Win32WindowSystem::SetReportText(const char* text) {
    SetWindowTextA(Report(), text);
}

void Win32WindowSystem::ShowReport() {
    RECT client;
    ::GetClientRect(window_, &client);
    MoveReport(client.right, client.bottom);
    ShowWindow(Report(), SW_SHOW);
}

void Win32WindowSystem::HideReport() {
    ShowWindow(Report(), SW_HIDE);
}

void Win32WindowSystem::MoveReport(int width, int height) {
    ::MoveWindow(Report(), 0, 0, width, height, FALSE);
}

void Win32WindowSystem::SelectAllReport() {
    HWND report = Report();
    SetFocus(report);
    SendMessageA(report, EM_SETSEL, 0, GetWindowTextLengthA(report));
}

void Win32WindowSystem::Repaint() {
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
}

void Win32WindowSystem::GetClientRect(WindowRect& rect) {
    RECT r;
    if (::GetClientRect(window_, &r)) {
        rect = WindowRect{r.left, r.top, r.right, r.bottom};
    }
}

void Win32WindowSystem::MoveWindow(const WindowPlacement& placement) {
    ::MoveWindow(window_, placement.x, placement.y, placement.width, placement.height, TRUE);
}

void Win32WindowSystem::PostCommand(int command) {
    PostMessageA(window_, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void Win32WindowSystem::SendCommand(int command) {
    SendMessageA(window_, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void Win32WindowSystem::DestroyMainWindow() {
    DestroyWindow(window_);
}

void Win32WindowSystem::PostQuit() {
    PostQuitMessage(0);
}

int Win32WindowSystem::IsMaximized() {
    return IsZoomed(window_) ? 1 : 0;
}

int Win32WindowSystem::IsMinimized() {
    return IsIconic(window_) ? 1 : 0;
}

void Win32WindowSystem::GetWindowRect(WindowRect& rect) {
    RECT r;
    if (::GetWindowRect(window_, &r)) {
        rect = WindowRect{r.left, r.top, r.right, r.bottom};
    }
}

void Win32WindowSystem::RunColorTableEditor(ColorTableEditor& editor) {
    RunEditorWindow(editor, instance_, window_);
}

void Win32WindowSystem::ShowOptionsDialog(ColorGridSettings& grid) {
    RunOptionsDialog(instance_, window_, grid);
}

void Win32WindowSystem::DeleteStoredSettings() {
    DeleteSettings();
}

DeviceContext Win32WindowSystem::CreateMemoryContext() {
    return CreateCompatibleDC(nullptr);
}

void Win32WindowSystem::DeleteMemoryContext(DeviceContext dc) {
    if (dc != nullptr) {
        DeleteDC(dc);
    }
}
