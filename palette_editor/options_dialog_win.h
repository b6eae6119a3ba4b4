// The options dialog on Win32: modal to owner, over the grid settings it changes.
#pragma once

#include <windows.h>

#include "palette_editor/grid_settings.h"

void RunOptionsDialog(HINSTANCE instance, HWND owner, ColorGridSettings& grid);
