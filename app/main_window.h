// What the main window does on each framing message and command, apart from the window system.
#pragma once

#include "app/shell.h"

constexpr int kStartupCommandCount = 5;
constexpr int kSizeRestored = 0;
constexpr int kSizeMinimized = 1;
constexpr int kSizeMaximized = 2;

// The view commands that put menus and views into the state of the settings, in the order they
// are posted: notation, background, report form, image option, and the view last.
void StartupCommands(const Settings& settings, int commands[kStartupCommandCount]);

void OnCreate(Shell& shell);
// After the window is made: a file the command line names is opened after the start-up commands.
void OnStartupArguments(Shell& shell, const char* commandLine);
void OnMove(Shell& shell);
void OnSize(Shell& shell, int kind, int width, int height);
void OnClose(Shell& shell);
void OnDestroy(Shell& shell);
// Runs a command of the main window; 0 when it is not one handled here.
int DispatchCommand(Shell& shell, int command);
