// The clipboard as text, for the colour-table editor's hex codes.
#pragma once

#include <windows.h>

#include <string>

// Puts the text on the clipboard as CF_TEXT and CF_UNICODETEXT; 0 when the clipboard cannot be had.
int PutClipboardText(HWND owner, const std::string& text);
// The clipboard's text, Unicode first, in the program's code page, at most limit bytes of it.
int TakeClipboardText(HWND owner, size_t limit, std::string* text);
