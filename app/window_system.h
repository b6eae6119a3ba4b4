// The window system as the shell's command logic sees it. The Win32 side turns each call into
// USER32/COMDLG32/GDI calls on the main window; native tests script it.
#pragma once

#include "app/settings.h"
#include "model/device_context.h"

struct NewImageSettings;

// Warning icon with Yes, No and Cancel, or error icon with OK.
enum class MessageStyle { kSavePrompt, kError };

enum class Answer { kNoQuestion, kOk, kYes, kNo, kCancel };

// Bytes of a path buffer: 259 bytes of text and the terminating zero.
constexpr int kPathBytes = 260;

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // Owned by the main window. A box that could not be shown answers Cancel.
    virtual Answer ShowMessage(const char* text, const char* caption, MessageStyle style) = 0;
    // Each fills path (kPathBytes) and returns 1 when the user confirms a file, else 0.
    virtual int ChooseOpenPath(char* path) = 0;
    virtual int ChooseSavePath(char* path) = 0;
    // The new-image dialog over values; it stores what the user typed even on Cancel.
    // 1 for OK, 0 for Cancel.
    virtual int ShowNewImageDialog(NewImageSettings& values) = 0;
    virtual void ShowAbout() = 0;

    virtual void SetTitle(const char* title) = 0;
    // Items of the main menu by position: item of the top-level menu.
    virtual void EnableMenuItem(int menu, int item, int enabled) = 0;
    // Radio mark on checked within first..last of the top-level menu, or of its submenu at
    // position submenu when that is not -1.
    virtual void CheckMenuRadio(int menu, int submenu, int first, int last, int checked) = 0;

    // The report control (text view).
    virtual void SetReportText(const char* text) = 0;
    // Fits it to the client area without repainting it, then shows it.
    virtual void ShowReport() = 0;
    virtual void HideReport() = 0;
    virtual void MoveReport(int width, int height) = 0;
    virtual void SelectAllReport() = 0;

    // Invalidates the whole client area with erasing and paints it at once.
    virtual void Repaint() = 0;
    // Posted commands run later from the queue; sent ones run before the call returns.
    virtual void PostCommand(int command) = 0;
    virtual void SendCommand(int command) = 0;
    virtual void DestroyMainWindow() = 0;
    virtual void PostQuit() = 0;

    virtual int IsMaximized() = 0;
    virtual int IsMinimized() = 0;
    virtual void GetWindowRect(WindowRect& rect) = 0;

    virtual int IsEditorOpen() = 0;
    virtual void CloseEditor() = 0;

    // A memory context compatible with the screen for loading and creating images.
    virtual DeviceContext CreateMemoryContext() = 0;
    virtual void DeleteMemoryContext(DeviceContext dc) = 0;
};
