#include <windows.h>

#include "app/document.h"
#include "app/main_window_win.h"
#include "resources/resource.h"

namespace {

void ReadNumbers(HWND dialog, NewImageSettings& values) {
    // Text that is not an unsigned number reads as 0.
    values.width = GetDlgItemInt(dialog, IDC_NEW_WIDTH, nullptr, FALSE);
    values.height = GetDlgItemInt(dialog, IDC_NEW_HEIGHT, nullptr, FALSE);
    values.entryCount = GetDlgItemInt(dialog, IDC_NEW_ENTRIES, nullptr, FALSE);
}

}  // namespace

// The values live in the caller's record, so what was typed or chosen survives a Cancel.
INT_PTR CALLBACK NewImageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        auto* values = reinterpret_cast<NewImageSettings*>(lParam);
        SetDlgItemInt(dialog, IDC_NEW_WIDTH, values->width, FALSE);
        SetDlgItemInt(dialog, IDC_NEW_HEIGHT, values->height, FALSE);
        SetDlgItemInt(dialog, IDC_NEW_ENTRIES, values->entryCount, FALSE);
        for (int i = 0; i < kColorModeCount; ++i) {
            SendDlgItemMessageA(dialog, IDC_NEW_COLOR_MODE, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(ColorModeText(i)));
        }
        SendDlgItemMessageA(dialog, IDC_NEW_COLOR_MODE, CB_SETCURSEL, values->modeIndex, 0);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return 0;
    }
    auto* values = reinterpret_cast<NewImageSettings*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (values == nullptr) {
        return 0;
    }
    if (HIWORD(wParam) == CBN_SELCHANGE) {
        LRESULT row = SendDlgItemMessageA(dialog, IDC_NEW_COLOR_MODE, CB_GETCURSEL, 0, 0);
        if (row >= 0 && row < kColorModeCount) {
            values->modeIndex = static_cast<int32_t>(row);
            values->entryCount = ColorModeEntryCount(values->modeIndex);
            SetDlgItemInt(dialog, IDC_NEW_ENTRIES, values->entryCount, FALSE);
        }
    }
    int id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) {
        ReadNumbers(dialog, *values);
        EndDialog(dialog, id);
    }
    return 0;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
    }
    return 0;
}
