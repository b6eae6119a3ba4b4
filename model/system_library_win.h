// Functions of system libraries that the program loads when it first needs them rather than at
// start: each library brings others with it, and most runs never use them.
#pragma once

#include <windows.h>

// The function, its library loaded at the first call from the system folder only (a copy
// planted beside the program, where a bare name's search would start, never runs) and kept;
// none when either is missing. The cast goes through the generic function type, as
// GetProcAddress's own matches none.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (module == nullptr) {
        module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}
