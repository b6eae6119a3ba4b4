#include "palette_editor/grid_tip_win.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr LPARAM kMostTipWidth = 400;
// Below and right of the pointer, clear of its arrow.
constexpr int kOffset = 16;

}  // namespace

void GridTip::Create(HWND dialog) {
    dialog_ = dialog;
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0,
                           dialog, nullptr, nullptr, nullptr);
    Send(TTM_ADDTOOLA, 0, "");
    if (tip_ != nullptr) {
        // A width makes the tip break its text at CR LF.
        SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, kMostTipWidth);
    }
}

void GridTip::Show(const char* text) {
    POINT pointer;
    if (tip_ == nullptr || !GetCursorPos(&pointer)) {
        return;
    }
    Send(TTM_UPDATETIPTEXTA, 0, text);
    SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(pointer.x + kOffset, pointer.y + kOffset));
    Send(TTM_TRACKACTIVATE, TRUE, "");
}

void GridTip::Hide() {
    Send(TTM_TRACKACTIVATE, FALSE, "");
}

// The record of the one tool, in the size every version of the common controls reads.
void GridTip::Send(UINT message, WPARAM wParam, const char* text) {
    if (tip_ == nullptr) {
        return;
    }
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = dialog_;
    tool.uId = kToolId;
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tip_, message, wParam, reinterpret_cast<LPARAM>(&tool));
}
