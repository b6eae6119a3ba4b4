// Functions of system libraries that the program loads when it first needs them rather than at
// start: each library brings others with it, and most runs never use them.
#pragma once

#include <windows.h>

// The library from the system folder only: a copy planted beside the program, where a bare
// name's search would start, never runs. Systems without the search flag (it came with an update
// to Windows 7) refuse it as a parameter; they are given the folder's full path instead.
inline HMODULE LoadSystemLibrary(const char* library) {
    HMODULE module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    char path[MAX_PATH];
    UINT folder = 0;
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER &&
        (folder = GetSystemDirectoryA(path, MAX_PATH)) > 0 && folder + 1 + lstrlenA(library) < MAX_PATH) {
        path[folder] = '\\';
        lstrcpyA(path + folder + 1, library);
        module = LoadLibraryA(path);
    }
    return module;
}

// The function, its library loaded from the system folder at the first call and kept; none
// when either is missing. The cast goes through the generic function type, as GetProcAddress's
// own matches none.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (module == nullptr) {
        module = LoadSystemLibrary(library);
    }
    FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}
