#include "app/main_window.h"

#include "app/command_line.h"
#include "app/document_commands.h"
#include "app/palette_commands.h"
#include "app/settings_command.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"

void StartupCommands(const Settings& settings, int commands[kStartupCommandCount]) {
    commands[0] = settings.Notation ? ID_NOTATION_HEX : ID_NOTATION_DEC;
    commands[1] = settings.BgColor ? ID_BG_WHITE : ID_BG_BLACK;
    commands[2] = settings.TextOption ? ID_TEXT_MEMBERS : ID_TEXT_SUMMARY;
    commands[3] = settings.ImageOption ? ID_IMAGE_FIT_WINDOW : ID_IMAGE_ACTUAL_SIZE;
    commands[4] = settings.ViewData ? ID_VIEW_IMAGE : ID_VIEW_HEADER;
}

// Posted, so they run from the loop once the window is shown.
void OnCreate(Shell& shell) {
    int commands[kStartupCommandCount];
    StartupCommands(shell.settings, commands);
    for (int command : commands) {
        shell.system.PostCommand(command);
    }
}

void OnStartupArguments(Shell& shell, const char* commandLine) {
    shell.givenFile = FileFromCommandLine(commandLine);
    if (!shell.givenFile.empty()) {
        shell.system.PostCommand(ID_FILE_OPEN_GIVEN);
    }
}

void OnMove(Shell& shell) {
    if (!shell.system.IsMaximized() && !shell.system.IsMinimized()) {
        shell.system.GetWindowRect(shell.settings.windowInfo);
    }
}

void OnSize(Shell& shell, int kind, int width, int height) {
    if (shell.settings.ViewData == 0 && kind != kSizeMinimized) {
        shell.system.MoveReport(width, height);
    }
    if (kind == kSizeRestored) {
        shell.system.GetWindowRect(shell.settings.windowInfo);
        if (shell.document.image != nullptr) {
            shell.system.EnableMenuItem(kMenuWindow, kWindowFitImage, 1);
            shell.system.EnableMenuItem(kMenuWindow, kWindowKeepAspect, 1);
        }
    } else if (kind == kSizeMaximized) {
        shell.system.EnableMenuItem(kMenuWindow, kWindowFitImage, 0);
        shell.system.EnableMenuItem(kMenuWindow, kWindowKeepAspect, 0);
    }
}

void OnClose(Shell& shell) {
    if (ConfirmDiscard(shell) != Answer::kCancel) {
        shell.system.DestroyMainWindow();
    }
}

void OnDestroy(Shell& shell) {
    delete shell.document.image;
    shell.document.image = nullptr;
    shell.editor.Close();
    shell.mainWindowDestroyed = 1;
    shell.system.PostQuit();
}

namespace {

void OnFileOpenGiven(Shell& shell) {
    OpenGivenFile(shell, shell.givenFile);
}

struct CommandEntry {
    int command;
    void (*run)(Shell& shell);
};

constexpr CommandEntry kCommands[] = {
    {ID_FILE_NEW, OnFileNew},
    {ID_FILE_OPEN, OnFileOpen},
    {ID_FILE_CLOSE, OnFileClose},
    {ID_FILE_SAVE, OnFileSave},
    {ID_FILE_SAVE_AS, OnFileSaveAs},
    {ID_FILE_EXIT, OnFileExit},
    {ID_HELP_ABOUT, OnHelpAbout},
    {ID_EDIT_DELETE_SETTINGS, OnEditDeleteSettings},
    {ID_VIEW_OPTIONS, OnViewOptions},
    {ID_VIEW_EDIT_COLOR_TABLE, OnViewEditColorTable},
    {ID_FILE_OPEN_GIVEN, OnFileOpenGiven},
};

}  // namespace

int DispatchCommand(Shell& shell, int command) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.command == command) {
            entry.run(shell);
            return 1;
        }
    }
    return DispatchViewCommand(shell.View(), command);
}
