#include "app/dropped_files_win.h"

namespace {

// GetProcAddress's result, as the function it is; through the generic function type, which the
// compiler accepts as a cast between function types.
template <typename Function>
Function Procedure(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace

std::string FirstDroppedFile(HDROP drop) {
    std::string path;
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (shell == nullptr) {
        return path;
    }
    auto query = Procedure<UINT(WINAPI*)(HDROP, UINT, LPSTR, UINT)>(shell, "DragQueryFileA");
    auto finish = Procedure<void(WINAPI*)(HDROP)>(shell, "DragFinish");
    if (query == nullptr || finish == nullptr) {
        return path;
    }
    UINT length = query(drop, 0, nullptr, 0);
    path.resize(static_cast<size_t>(length) + 1);
    path.resize(query(drop, 0, &path[0], length + 1));
    finish(drop);
    return path;
}
