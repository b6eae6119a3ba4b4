#include "app/common_dialogs_win.h"

namespace {

// The function from comdlg32, which is loaded on the first call and kept; none without it.
void* CommonDialogFunction(const char* name) {
    static HMODULE library = nullptr;
    if (library == nullptr) {
        library = LoadLibraryA("comdlg32.dll");
    }
    // Through void*, as GetProcAddress's own type matches no function's.
    return library == nullptr ? nullptr : reinterpret_cast<void*>(GetProcAddress(library, name));
}

BOOL RunFileDialog(const char* name, OPENFILENAMEA* ofn) {
    auto* dialog = reinterpret_cast<BOOL WINAPI (*)(OPENFILENAMEA*)>(CommonDialogFunction(name));
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
    auto* error = reinterpret_cast<DWORD WINAPI (*)()>(CommonDialogFunction("CommDlgExtendedError"));
    return error != nullptr ? error() : 0;
}
