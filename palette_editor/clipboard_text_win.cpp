#include "palette_editor/clipboard_text_win.h"

#include <cstring>
#include <vector>

namespace {

// A movable block holding bytes, as SetClipboardData takes it; none when memory is short.
HGLOBAL BlockOf(const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* data = block != nullptr ? GlobalLock(block) : nullptr;
    if (data == nullptr) {
        if (block != nullptr) {
            GlobalFree(block);
        }
        return nullptr;
    }
    std::memcpy(data, bytes, size);
    GlobalUnlock(block);
    return block;
}

// The clipboard takes a block it accepts; one it refuses is still the caller's.
int Offer(UINT format, HGLOBAL block) {
    if (block != nullptr && SetClipboardData(format, block) == nullptr) {
        GlobalFree(block);
        return 0;
    }
    return block != nullptr;
}

// The text of a block of the format, cut to limit bytes (or characters) and at its terminator.
int ReadBlock(UINT format, size_t limit, std::string* text) {
    HANDLE block = GetClipboardData(format);
    const void* data = block != nullptr ? GlobalLock(block) : nullptr;
    if (data == nullptr) {
        return 0;
    }
    const size_t size = GlobalSize(block);
    if (format == CF_UNICODETEXT) {
        const auto* wide = static_cast<const wchar_t*>(data);
        size_t length = 0;
        while (length < size / sizeof(wchar_t) && length < limit && wide[length] != L'\0') {
            ++length;
        }
        int bytes = length == 0
                        ? 0
                        : WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        text->assign(static_cast<size_t>(bytes), '\0');
        if (bytes > 0) {
            WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), &(*text)[0], bytes, nullptr, nullptr);
        }
    } else {
        const auto* narrow = static_cast<const char*>(data);
        size_t length = 0;
        while (length < size && length < limit && narrow[length] != '\0') {
            ++length;
        }
        text->assign(narrow, length);
    }
    GlobalUnlock(block);
    return 1;
}

}  // namespace

int PutClipboardText(HWND owner, const std::string& text) {
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(wideLength > 0 ? wideLength : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    if (!OpenClipboard(owner)) {
        return 0;
    }
    int done = EmptyClipboard() && Offer(CF_TEXT, BlockOf(text.c_str(), text.size() + 1)) &&
               Offer(CF_UNICODETEXT, BlockOf(wide.data(), wide.size() * sizeof(wchar_t)));
    CloseClipboard();
    return done;
}

int TakeClipboardText(HWND owner, size_t limit, std::string* text) {
    if (!OpenClipboard(owner)) {
        return 0;
    }
    int done = ReadBlock(CF_UNICODETEXT, limit, text) || ReadBlock(CF_TEXT, limit, text);
    CloseClipboard();
    return done;
}
