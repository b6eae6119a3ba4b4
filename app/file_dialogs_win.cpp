#include <windows.h>

#include <commdlg.h>

#include <cstring>

#include "app/main_window_win.h"

namespace {

constexpr char kOpenFilter[] = "Bitmap Files (*.bmp;*.dib)|*.bmp;*.dib|All Files (*.*)|*.*|";
constexpr char kSaveFilter[] = "Bitmap Files (*.bmp)|*.bmp|";
constexpr char kOpenTitle[] = "開く";
constexpr char kSaveTitle[] = "名前を付けて保存";
constexpr char kDefaultExtension[] = "bmp";

// The dialogs want zero-separated lists; the trailing bar gives the double zero at the end.
template <size_t N>
void MakeFilter(const char (&text)[N], char (&out)[N]) {
    for (size_t i = 0; i < N; ++i) {
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

int chooseOpenPath(HWND owner, char* path) {
    char filter[sizeof(kOpenFilter)];
    MakeFilter(kOpenFilter, filter);
    std::memset(path, 0, kPathBytes);
    OPENFILENAMEA ofn;
    PrepareDialog(ofn, owner, filter, path, kOpenTitle,
                  OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NONETWORKBUTTON | OFN_LONGNAMES);
    return GetOpenFileNameA(&ofn) ? 1 : 0;
}

int chooseSavePath(HWND owner, char* path) {
    char filter[sizeof(kSaveFilter)];
    MakeFilter(kSaveFilter, filter);
    std::memset(path, 0, kPathBytes);
    OPENFILENAMEA ofn;
    PrepareDialog(ofn, owner, filter, path, kSaveTitle,
                  OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NONETWORKBUTTON | OFN_LONGNAMES);
    return GetSaveFileNameA(&ofn) ? 1 : 0;
}
