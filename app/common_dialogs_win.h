// The file dialogs of comdlg32, which is loaded at the first dialog rather than at start: it
// brings shell32, comctl32 and more with it. Without it a dialog ends as if cancelled.
#pragma once

#include <windows.h>

#include <commdlg.h>

BOOL LazyGetOpenFileNameA(OPENFILENAMEA* ofn);
BOOL LazyGetSaveFileNameA(OPENFILENAMEA* ofn);
// 0 when the library could not be loaded.
DWORD LazyCommDlgExtendedError();
