// The window system of the shell on Win32: every call acts on the main window, or on the owner
// it is given.
#pragma once

#include <windows.h>

#include "app/window_system.h"

class Win32WindowSystem : public WindowSystem {
  public:
    explicit Win32WindowSystem(HINSTANCE instance) : instance_(instance) {}
    void SetMainWindow(HWND window) { window_ = window; }
    HWND MainWindow() const { return window_; }

    OwnerWindow MainWindowOwner() override;
    Answer ShowMessage(OwnerWindow owner, const char* text, const char* caption, MessageStyle style) override;
    FileChoice ChooseFile(OwnerWindow owner, FileDialogKind kind, char* path) override;
    FileChoice ChoosePaletteFile(OwnerWindow owner, char* path, PaletteFormat* format) override;
    int ShowNewImageDialog(NewImageSettings& values) override;
    void ShowAbout() override;
    void SetTitle(const char* title) override;
    void EnableMenuItem(int menu, int item, int enabled) override;
    void CheckMenuRadio(int menu, int submenu, int first, int last, int checked) override;
    void SetReportText(const char* text) override;
    void ShowReport() override;
    void HideReport() override;
    void MoveReport(int width, int height) override;
    void SelectAllReport() override;
    void Repaint() override;
    void PostCommand(int command) override;
    void SendCommand(int command) override;
    void DestroyMainWindow() override;
    void PostQuit() override;
    int IsMaximized() override;
    int IsMinimized() override;
    void GetWindowRect(WindowRect& rect) override;
    void GetClientRect(WindowRect& rect) override;
    void MoveWindow(const WindowPlacement& placement) override;
    void RunColorTableEditor(ColorTableEditor& editor) override;
    void ShowOptionsDialog(ColorGridSettings& grid) override;
    void DeleteStoredSettings() override;
    DeviceContext CreateMemoryContext() override;
    void DeleteMemoryContext(DeviceContext dc) override;

    // The HWND behind an owner, and back.
    static HWND Handle(OwnerWindow owner) { return reinterpret_cast<HWND>(owner); }
    static OwnerWindow Owner(HWND window) { return reinterpret_cast<OwnerWindow>(window); }

  private:
    HWND Report() const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
};
