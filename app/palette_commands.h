// The main window's commands for the colour-table editor and its options.
#pragma once

#include "app/shell.h"

// Runs the editor over the document's image until its window is gone; nothing while one runs
// or without a colour table. When the main window died meanwhile, the program is told to end,
// as the editor's loop took the one quit message.
void OnViewEditColorTable(Shell& shell);
void OnViewOptions(Shell& shell);
