// Functions of system libraries that the program loads when it first needs them rather than at
// start: each library brings others with it, and most runs never use them.
#pragma once

#include <windows.h>

// The function, its library loaded at the first call and kept; none when either is missing.
// The cast goes through the generic function type, as GetProcAddress's own matches none.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (module == nullptr) {
        module = LoadLibraryA(library);
    }
    FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}
