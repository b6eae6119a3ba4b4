// The shell's state for the life of the process: the document, the new-image values, the
// report caches, the colour-table editor and the window system they act through.
#pragma once

#include <cstdint>
#include <string>

#include "app/document.h"
#include "app/shell_editor_host.h"
#include "app/settings.h"
#include "app/window_system.h"
#include "palette_editor/color_table_editor.h"
#include "views/header_report.h"
#include "views/view_commands.h"

struct Shell {
    Shell(WindowSystem& windowSystem, Settings& settingsRecord);

    // What the view commands act on now.
    ViewContext View();

    WindowSystem& system;
    Settings& settings;
    Document document;
    NewImageSettings newImage;
    HeaderReport report;
    // Set when the main window is destroyed; a nested message loop reads it to end the program.
    int32_t mainWindowDestroyed = 0;
    // Set when the user deleted the stored settings: nothing is written at exit then.
    int32_t settingsDeleted = 0;
    // The file the command line names, opened once the start-up commands have run.
    std::string givenFile;
    ShellEditorHost editorHost{*this};
    // The colour-table editor over the document's image; at most one runs.
    ColorTableEditor editor{editorHost};
};
