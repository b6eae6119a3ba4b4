// The Win32 program: its pieces are separate so that the Windows tests can start the real main
// window in-process and drive it.
#pragma once

#include <windows.h>

#include "app/shell.h"

// The shell of this process and its main window (none before creation and after destruction).
Shell& TheShell();
HWND MainWindow();
HINSTANCE ProgramInstance();

// 1 when the class "Korvane" is registered (also when it already was).
int RegisterMainClass(HINSTANCE instance);
// Creates the main window at the remembered rectangle with a fresh shell; none on failure.
HWND CreateMainWindow(HINSTANCE instance);
// Settings loaded and fitted, class registered, main window created and shown; none on failure.
HWND StartMainWindow(HINSTANCE instance, int showCommand);
// Runs until the quit message (0) or an error of GetMessageA (-1).
int RunMessageLoop(HWND window, HACCEL accelerators);
// After the loop: the settings are written unless the user deleted them.
void FinishKorvane();
// The whole program, opening the file the command line names; returns 0 in every case.
int RunKorvane(HINSTANCE instance, int showCommand, const char* commandLine);

// Dialogs and the file choice, owned by owner.
FileChoice ChooseFileInDialog(HWND owner, FileDialogKind kind, char* path);
// A palette file to save, its format chosen by the dialog's filter.
FileChoice ChoosePaletteFileInDialog(HWND owner, char* path, PaletteFormat* format);
INT_PTR CALLBACK NewImageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
