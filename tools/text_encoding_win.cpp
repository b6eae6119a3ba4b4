#include "tools/text_encoding.h"

#include <windows.h>

#include <memory>
#include <new>

#include "views/plain_string.h"

const int kCommandLineIsCp932 = 1;

namespace {
constexpr UINT kCodePage932 = 932;
}

int Cp932ToUtf8(const char* text, int32_t length, PlainString& out) {
    out.Release();
    if (length <= 0) {
        return length == 0;
    }
    int wideLength = MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, text, length, nullptr, 0);
    if (wideLength <= 0) {
        return 0;
    }
    std::unique_ptr<WCHAR[]> units(new (std::nothrow) WCHAR[static_cast<size_t>(wideLength)]);
    if (!units ||
        MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, text, length, units.get(), wideLength) != wideLength) {
        return 0;
    }
    int utf8Length = WideCharToMultiByte(CP_UTF8, 0, units.get(), wideLength, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0 || utf8Length == INT32_MAX) {
        return 0;
    }
    char* block = out.Allocate(utf8Length + 1);
    if (!block) {
        return 0;
    }
    if (WideCharToMultiByte(CP_UTF8, 0, units.get(), wideLength, block, utf8Length, nullptr, nullptr) != utf8Length) {
        out.Release();
        return 0;
    }
    return 1;
}
