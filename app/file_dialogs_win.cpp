#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <cstring>

#include "app/common_dialogs_win.h"
#include "app/main_window_win.h"

namespace {

constexpr char kOpenFilter[] = "Bitmap Files (*.bmp;*.dib)|*.bmp;*.dib|All Files (*.*)|*.*|";
constexpr char kSaveFilter[] = "Bitmap Files (*.bmp)|*.bmp|";
constexpr char kOpenTitle[] = "開く";
constexpr char kSaveTitle[] = "名前を付けて保存";
constexpr char kDefaultExtension[] = "bmp";

constexpr DWORD kOpenFlags =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NONETWORKBUTTON | OFN_LONGNAMES;
constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NONETWORKBUTTON | OFN_LONGNAMES;

// The dialogs want zero-separated lists; the trailing bar gives the double zero at the end.
void MakeFilter(const char* text, char* out) {
    for (size_t i = 0; text[i] != '\0'; ++i) {
        out[i] = text[i] == '|' ? '\0' : text[i];
    }
}

// The pre-Windows 2000 record of 76 bytes.
void PrepareDialog(OPENFILENAMEA& ofn, HWND owner, const char* filter, char* path, const char* title, DWORD flags) {
    std::memset(&ofn, 0, sizeof(ofn));
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.hInstance = ProgramInstance();
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 0;
    ofn.lpstrFile = path;
    ofn.nMaxFile = kPathBytes;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = kDefaultExtension;
    ofn.Flags = flags;
}

}  // namespace

// A name longer than the buffer ends the dialog as if it were cancelled, unless asked about.
FileChoice ChooseFileInDialog(HWND owner, FileDialogKind kind, char* path) {
    bool open = kind == FileDialogKind::kOpen;
    static_assert(sizeof(kOpenFilter) >= sizeof(kSaveFilter), "the buffer holds either filter");
    char filter[sizeof(kOpenFilter)] = {};
    MakeFilter(open ? kOpenFilter : kSaveFilter, filter);
    std::memset(path, 0, kPathBytes);
    OPENFILENAMEA ofn;
    PrepareDialog(ofn, owner, filter, path, open ? kOpenTitle : kSaveTitle, open ? kOpenFlags : kSaveFlags);
    if (open ? LazyGetOpenFileNameA(&ofn) : LazyGetSaveFileNameA(&ofn)) {
        return FileChoice::kChosen;
    }
    // The dialog writes the size it needed over the start of the buffer; none of it is a name.
    std::memset(path, 0, kPathBytes);
    return LazyCommDlgExtendedError() == FNERR_BUFFERTOOSMALL ? FileChoice::kTooLong : FileChoice::kCancelled;
}
