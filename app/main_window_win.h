// The Win32 program: one object owns its state for its life, and the main window reaches it
// through its create parameter. The pieces are separate so that the Windows tests can start the
// real main window in-process and drive it.
#pragma once

#include <windows.h>

#include "app/settings.h"
#include "app/shell.h"
#include "app/win32_window_system_win.h"

struct Program {
    explicit Program(HINSTANCE programInstance);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Settings loaded and fitted, class registered, main window created and shown; none on failure.
    HWND Start(int showCommand);
    // After the loop: the settings are written unless the user deleted them.
    void Finish();
    // The main window; none before creation and after destruction.
    HWND MainWindow() const { return windowSystem.MainWindow(); }

    HINSTANCE instance;
    Settings settings;
    Win32WindowSystem windowSystem;
    Shell shell;
    // The report's font, made with the first main window and kept until the program ends.
    HFONT textViewFont = nullptr;
};

// Runs until the quit message (0) or an error of GetMessageA (-1).
int RunMessageLoop(HWND window, HACCEL accelerators);
// The whole program, opening the file the command line names; returns 0 in every case.
int RunKorvane(HINSTANCE instance, int showCommand, const char* commandLine);

// Dialogs and the file choice, owned by owner.
FileChoice ChooseFileInDialog(HWND owner, FileDialogKind kind, char* path);
// A palette file to save, its format chosen by the dialog's filter.
FileChoice ChoosePaletteFileInDialog(HWND owner, char* path, PaletteFormat* format);
INT_PTR CALLBACK NewImageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
