#include "app/common_dialogs_win.h"

#include "model/system_library_win.h"

namespace {

BOOL RunFileDialog(const char* name, OPENFILENAMEA* ofn) {
    auto dialog = SystemFunction<BOOL(WINAPI*)(OPENFILENAMEA*)>("comdlg32.dll", name);
    return dialog != nullptr && dialog(ofn);
}

}  // namespace

BOOL LazyGetOpenFileNameA(OPENFILENAMEA* ofn) {
    return RunFileDialog("GetOpenFileNameA", ofn);
}

BOOL LazyGetSaveFileNameA(OPENFILENAMEA* ofn) {
    return RunFileDialog("GetSaveFileNameA", ofn);
}

DWORD LazyCommDlgExtendedError() {
    auto error = SystemFunction<DWORD(WINAPI*)()>("comdlg32.dll", "CommDlgExtendedError");
    return error != nullptr ? error() : 0;
}
