#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <cstring>

#include "app/common_dialogs_win.h"
#include "app/main_window_win.h"
#include "app/path_split.h"

namespace {

// Filters as the dialogs want them, the bars standing for zeros; the trailing bar gives the
// double zero at the end.
struct DialogKind {
    const char* filter;
    const char* title;
    bool open;
};

constexpr DialogKind kBitmapOpen = {"Bitmap Files (*.bmp;*.dib)|*.bmp;*.dib|All Files (*.*)|*.*|", "開く", true};
constexpr DialogKind kBitmapSave = {"Bitmap Files (*.bmp)|*.bmp|", "名前を付けて保存", false};
constexpr DialogKind kTableOpen = {
    "Bitmap Files (*.bmp;*.dib)|*.bmp;*.dib|Palette Files "
    "(*.pal;*.act;*.gpl;*.hex;*.txt)|*.pal;*.act;*.gpl;*.hex;*.txt|"
    "All Files (*.*)|*.*|",
    "開く", true};
// In the order of PaletteFormat.
constexpr DialogKind kPaletteSave = {
    "JASC-PAL (*.pal)|*.pal|RIFF Palette (*.pal)|*.pal|Adobe Color Table (*.act)|*.act|GIMP Palette (*.gpl)|*.gpl|"
    "Lospec HEX (*.hex)|*.hex|paint.net Palette (*.txt)|*.txt|",
    "ﾊﾟﾚｯﾄをﾌｧｲﾙに保存", false};
constexpr size_t kFilterBytes = 256;

constexpr DWORD kOpenFlags =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NONETWORKBUTTON | OFN_LONGNAMES;
constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NONETWORKBUTTON | OFN_LONGNAMES;

// A name longer than the buffer ends the dialog as if it were cancelled, unless asked about.
// filterIndex: the filter chosen, from 1. The pre-Windows 2000 record of 76 bytes.
FileChoice RunDialog(HWND owner, const DialogKind& kind, const char* extension, char* path, DWORD* filterIndex) {
    char filter[kFilterBytes] = {};
    for (size_t i = 0; kind.filter[i] != '\0' && i + 2 < kFilterBytes; ++i) {
        filter[i] = kind.filter[i] == '|' ? '\0' : kind.filter[i];
    }
    std::memset(path, 0, kPathBytes);
    OPENFILENAMEA ofn;
    std::memset(&ofn, 0, sizeof(ofn));
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = kPathBytes;
    ofn.lpstrTitle = kind.title;
    ofn.lpstrDefExt = extension;
    ofn.Flags = kind.open ? kOpenFlags : kSaveFlags;
    if (kind.open ? LazyGetOpenFileNameA(&ofn) : LazyGetSaveFileNameA(&ofn)) {
        *filterIndex = ofn.nFilterIndex;
        return FileChoice::kChosen;
    }
    // The dialog writes the size it needed over the start of the buffer; none of it is a name.
    std::memset(path, 0, kPathBytes);
    return LazyCommDlgExtendedError() == FNERR_BUFFERTOOSMALL ? FileChoice::kTooLong : FileChoice::kCancelled;
}

// The chosen filter's extension on a name typed without one, when the path has room for it.
FileChoice WithExtension(char* path, const char* extension) {
    // Split as the title splits names, so a trail byte of a double-byte character is no separator.
    PathParts parts;
    SplitPath(path, parts);
    if (parts.extension[0] != '\0') {
        return FileChoice::kChosen;
    }
    size_t length = std::strlen(path);
    if (length + 1 + std::strlen(extension) >= kPathBytes) {
        return FileChoice::kTooLong;
    }
    path[length] = '.';
    std::strcpy(path + length + 1, extension);
    return FileChoice::kChosen;
}

}  // namespace

FileChoice ChooseFileInDialog(HWND owner, FileDialogKind kind, char* path) {
    const DialogKind& dialog = kind == FileDialogKind::kSave             ? kBitmapSave
                               : kind == FileDialogKind::kOpenColorTable ? kTableOpen
                                                                         : kBitmapOpen;
    DWORD filterIndex = 0;
    return RunDialog(owner, dialog, "bmp", path, &filterIndex);
}

FileChoice ChoosePaletteFileInDialog(HWND owner, char* path, PaletteFormat* format) {
    DWORD filterIndex = 0;
    FileChoice choice = RunDialog(owner, kPaletteSave, nullptr, path, &filterIndex);
    if (choice != FileChoice::kChosen) {
        return choice;
    }
    DWORD index = filterIndex >= 1 && filterIndex <= kPaletteFormatCount ? filterIndex - 1 : 0;
    *format = static_cast<PaletteFormat>(index);
    return WithExtension(path, PaletteExtension(*format));
}
