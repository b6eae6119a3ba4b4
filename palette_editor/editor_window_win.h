// The colour-table editor's window on Win32: the modeless dialog, its controls and the nested
// message loop that runs while it is open.
#pragma once

#include <windows.h>

#include "palette_editor/color_table_editor.h"

// Makes the editor's window over editor, owned by owner, and runs the editor's loop until the
// window is gone: its accelerators are the only ones translated meanwhile, whichever window has
// the focus, and the owner's messages pass through it too.
void RunEditorWindow(ColorTableEditor& editor, HINSTANCE instance, HWND owner);
