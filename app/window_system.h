// The window system as the shell's command logic sees it: the main window's view operations
// and everything else the commands show or ask. The Win32 side turns each call into
// USER32/COMDLG32/GDI calls; native tests script it.
#pragma once

#include "app/settings.h"
#include "model/device_context.h"
#include "model/palette_file.h"
#include "views/prompts.h"
#include "views/view_window.h"

class ColorTableEditor;
struct NewImageSettings;

class WindowSystem : public ViewWindow {
  public:
    virtual OwnerWindow MainWindowOwner() = 0;

    // A box that could not be shown answers Cancel.
    virtual Answer ShowMessage(OwnerWindow owner, const char* text, const char* caption, MessageStyle style) = 0;
    // Fills path (kPathBytes) with the file the user confirmed in an open or save dialog.
    virtual FileChoice ChooseFile(OwnerWindow owner, FileDialogKind kind, char* path) = 0;
    // A save dialog for a palette file whose filter chooses the format.
    virtual FileChoice ChoosePaletteFile(OwnerWindow owner, char* path, PaletteFormat* format) = 0;
    // The new-image dialog over values; it stores what the user typed even on Cancel.
    // 1 for OK, 0 for Cancel.
    virtual int ShowNewImageDialog(NewImageSettings& values) = 0;
    virtual void ShowAbout() = 0;

    virtual void SetTitle(const char* title) = 0;

    // Sent commands run before the call returns.
    virtual void SendCommand(int command) = 0;
    virtual void DestroyMainWindow() = 0;
    virtual void PostQuit() = 0;

    virtual int IsMaximized() = 0;
    virtual int IsMinimized() = 0;

    // Makes the colour-table editor's window over editor, owned by the main window, and runs its
    // own message loop until the window is gone.
    virtual void RunColorTableEditor(ColorTableEditor& editor) = 0;
    // The options dialog over the grid settings, which it changes as each value passes.
    virtual void ShowOptionsDialog(ColorGridSettings& grid) = 0;

    // Deletes the stored settings (the registry key).
    virtual void DeleteStoredSettings() = 0;

    // A memory context compatible with the screen for loading and creating images.
    virtual DeviceContext CreateMemoryContext() = 0;
    virtual void DeleteMemoryContext(DeviceContext dc) = 0;
};

// work(dc) on a memory context made for it and deleted after; its result.
template <typename Work>
int InMemoryContext(WindowSystem& system, Work work) {
    DeviceContext dc = system.CreateMemoryContext();
    int result = work(dc);
    system.DeleteMemoryContext(dc);
    return result;
}
