#include "app/dropped_files_win.h"

#include "model/system_library_win.h"

std::string FirstDroppedFile(HDROP drop) {
    std::string path;
    auto query = SystemFunction<UINT(WINAPI*)(HDROP, UINT, LPSTR, UINT)>("shell32.dll", "DragQueryFileA");
    auto finish = SystemFunction<void(WINAPI*)(HDROP)>("shell32.dll", "DragFinish");
    if (query == nullptr || finish == nullptr) {
        return path;
    }
    UINT length = query(drop, 0, nullptr, 0);
    path.resize(static_cast<size_t>(length) + 1);
    path.resize(query(drop, 0, &path[0], length + 1));
    finish(drop);
    return path;
}
