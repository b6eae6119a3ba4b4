#include "palette_editor/options_dialog_win.h"

#include "palette_editor/grid_options.h"
#include "resources/texts.h"

namespace {

// A value out of range keeps the dialog open, with the focus where it was; the values before it
// stay stored, even through a Cancel after.
void StoreOrComplain(HWND dialog, ColorGridSettings& grid) {
    const GridOption* failed = nullptr;
    auto readEdit = [dialog](int control) { return GetDlgItemInt(dialog, control, nullptr, FALSE); };
    if (StoreGridOptions(grid, readEdit, &failed)) {
        EndDialog(dialog, IDOK);
        return;
    }
    char text[128];
    wsprintfA(text, kRangeFormat, failed->smallest, failed->largest);
    MessageBoxA(dialog, text, kProductName, MB_ICONWARNING | MB_OK);
}

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        const auto* grid = reinterpret_cast<const ColorGridSettings*>(lParam);
        for (const GridOption& option : kGridOptions) {
            SetDlgItemInt(dialog, option.control, static_cast<UINT>(grid->*option.field), FALSE);
        }
        return TRUE;
    }
    auto* grid = reinterpret_cast<ColorGridSettings*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (message != WM_COMMAND || grid == nullptr) {
        return FALSE;
    }
    if (LOWORD(wParam) == IDOK) {
        StoreOrComplain(dialog, *grid);
    } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    }
    return FALSE;
}

}  // namespace

void RunOptionsDialog(HINSTANCE instance, HWND owner, ColorGridSettings& grid) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_OPTIONS), owner, OptionsDialogProc, reinterpret_cast<LPARAM>(&grid));
}
