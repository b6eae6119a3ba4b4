// The compiled resources as the program sees them through the ...A calls: menu texts come
// back in code page 932, so they are compared with this file's literals byte for byte.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "resources/menu_positions.h"
#include "resources/resource.h"
#include "tests/win/win_test.h"

#define COUNT(a) static_cast<int>(sizeof(a) / sizeof((a)[0]))

namespace {

// One menu entry: a separator (no label), a command, or a submenu (items set).
struct MenuEntry {
    const char* label;
    UINT id;
    bool grayed;
    const MenuEntry* items = nullptr;
    int itemCount = 0;
};

#define SUBMENU(label, grayed, items) \
    { label, 0, grayed, items, COUNT(items) }
const MenuEntry kSeparator = {nullptr, 0, false};

const MenuEntry kFileItems[] = {
    {"新規作成(N)...\tCtrl+N", ID_FILE_NEW, false},
    kSeparator,
    {"開く(&O)...\tCtrl+O", ID_FILE_OPEN, false},
    {"閉じる(&C)", ID_FILE_CLOSE, true},
    kSeparator,
    {"上書き保存(&S)\tCtrl+S", ID_FILE_SAVE, true},
    {"名前を付けて保存(&A)...", ID_FILE_SAVE_AS, true},
    kSeparator,
    {"終了(&X)\tAlt+F4", ID_FILE_EXIT, false},
};
const MenuEntry kEditItems[] = {
    {"すべて選択(L)\tCtrl+A", ID_EDIT_SELECT_ALL, false},
    kSeparator,
    {"ﾚｼﾞｽﾄﾘを削除(E)", ID_EDIT_DELETE_SETTINGS, false},
};
const MenuEntry kTextItems[] = {
    {"必要なものだけ表示(&N)", ID_TEXT_SUMMARY, false},
    {"メンバを列挙(E)", ID_TEXT_MEMBERS, false},
};
const MenuEntry kNotationItems[] = {
    {"10進(&D)", ID_NOTATION_DEC, false},
    {"16進(&H)", ID_NOTATION_HEX, false},
};
const MenuEntry kImageItems[] = {
    {"実寸で表示(&O)", ID_IMAGE_ACTUAL_SIZE, false},
    {"ｳｨﾝﾄﾞｳに合わせる(&S)", ID_IMAGE_FIT_WINDOW, false},
};
const MenuEntry kBackgroundItems[] = {
    {"黒(&B)", ID_BG_BLACK, false},
    {"白(&W)", ID_BG_WHITE, false},
};
const MenuEntry kViewItems[] = {
    {"ｵﾌﾟｼｮﾝ(&O)...\tF4", ID_VIEW_OPTIONS, false},
    {"ｶﾗｰﾃｰﾌﾞﾙを編集(&E)...", ID_VIEW_EDIT_COLOR_TABLE, true},
    kSeparator,
    {"ﾍｯﾀﾞｰ情報を表示(&H)", ID_VIEW_HEADER, false},
    {"画像を表示(&I)", ID_VIEW_IMAGE, false},
    kSeparator,
    SUBMENU("ﾍｯﾀﾞｰ情報表示設定(&C)", true, kTextItems),
    SUBMENU("数字表記(&N)", true, kNotationItems),
    kSeparator,
    SUBMENU("画像表示設定(R)", true, kImageItems),
    SUBMENU("背景色(&B)", true, kBackgroundItems),
    kSeparator,
    {"再描画(&D)\tF5", ID_VIEW_REDRAW, true},
};
const MenuEntry kWindowItems[] = {
    {"画像に合わせる(&F)\tF6", ID_WINDOW_FIT_IMAGE, true},
    {"画像の比率を保持(&R)\tF7", ID_WINDOW_KEEP_ASPECT, true},
};
const MenuEntry kHelpItems[] = {
    {"ﾊﾞｰｼﾞｮﾝ情報(&A)...", ID_HELP_ABOUT, false},
};
const MenuEntry kMainMenu[] = {
    SUBMENU("ﾌｧｲﾙ(&F)", false, kFileItems), SUBMENU("編集(&E)", false, kEditItems),
    SUBMENU("表示(&V)", false, kViewItems), SUBMENU("ｳｨﾝﾄﾞｳ(&W)", false, kWindowItems),
    SUBMENU("ﾍﾙﾌﾟ(&H)", false, kHelpItems),
};

const MenuEntry kSwapItems[] = {
    {"赤⇔緑(&1)", ID_OP_SWAP_RG, false},
    {"緑⇔青(&2)", ID_OP_SWAP_GB, false},
    {"青⇔赤(&3)", ID_OP_SWAP_BR, false},
};
const MenuEntry kPaletteItems[] = {
    {"ﾌｧｲﾙから読込(&L)...\tCtrl+O", ID_PALETTE_LOAD, false},
    {"画像に反映(&R)\tF5", ID_PALETTE_APPLY, false},
    kSeparator,
    {"最初の状態に戻す(&U)\tCtrl+Z", ID_PALETTE_REVERT, false},
    kSeparator,
    {"閉じる(&C)\tEsc", ID_PALETTE_CLOSE, false},
    {"反映して閉じる(O)\tEnter", ID_PALETTE_APPLY_CLOSE, false},
};
const MenuEntry kOperationItems[] = {
    {"全て反転(&R)", ID_OP_INVERT_ALL, false},
    SUBMENU("ﾁｬﾝﾈﾙの交換(C)", false, kSwapItems),
};
const MenuEntry kEditorMenu[] = {
    SUBMENU("ﾊﾟﾚｯﾄ(&P)", false, kPaletteItems),
    SUBMENU("操作(&O)", false, kOperationItems),
};

// Compares a loaded menu with the expected entries, recursing into submenus.
void CheckMenu(HMENU menu, const MenuEntry* entries, int count) {
    CHECK(GetMenuItemCount(menu) == count);
    for (int pos = 0; pos < count; ++pos) {
        const MenuEntry& want = entries[pos];
        UINT state = GetMenuState(menu, pos, MF_BYPOSITION);
        CHECK((state & MF_CHECKED) == 0);
        if (want.label == nullptr) {
            CHECK((state & MF_SEPARATOR) != 0);
            continue;
        }
        char label[128] = {};
        GetMenuStringA(menu, pos, label, sizeof(label), MF_BYPOSITION);
        CHECK(std::strcmp(label, want.label) == 0);
        CHECK(((state & MF_GRAYED) != 0) == want.grayed);
        HMENU sub = GetSubMenu(menu, pos);
        if (want.items != nullptr) {
            CHECK(sub != nullptr);
            if (sub != nullptr) {
                CheckMenu(sub, want.items, want.itemCount);
            }
        } else {
            CHECK(sub == nullptr);
            CHECK(GetMenuItemID(menu, pos) == want.id);
        }
    }
}

bool IsJapanese(LPCSTR type, int id) {
    return FindResourceExA(nullptr, type, MAKEINTRESOURCEA(id), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)) != nullptr;
}

}  // namespace

WIN_TEST(ResourcesMainMenu) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    CHECK(menu != nullptr);
    if (menu == nullptr) {
        return;
    }
    CHECK(IsJapanese(RT_MENU, IDR_MAIN_MENU));
    CheckMenu(menu, kMainMenu, COUNT(kMainMenu));

    // The named positions the code uses must land on the items they name.
    HMENU file = GetSubMenu(menu, kMenuFile);
    HMENU view = GetSubMenu(menu, kMenuView);
    CHECK(GetMenuItemID(file, kFileNew) == ID_FILE_NEW);
    CHECK(GetMenuItemID(file, kFileOpen) == ID_FILE_OPEN);
    CHECK(GetMenuItemID(file, kFileClose) == ID_FILE_CLOSE);
    CHECK(GetMenuItemID(file, kFileSave) == ID_FILE_SAVE);
    CHECK(GetMenuItemID(file, kFileSaveAs) == ID_FILE_SAVE_AS);
    CHECK(GetMenuItemID(file, kFileExit) == ID_FILE_EXIT);
    CHECK(GetMenuItemID(GetSubMenu(menu, kMenuEdit), kEditSelectAll) == ID_EDIT_SELECT_ALL);
    CHECK(GetMenuItemID(GetSubMenu(menu, kMenuEdit), kEditDeleteSettings) == ID_EDIT_DELETE_SETTINGS);
    CHECK(GetMenuItemID(view, kViewOptions) == ID_VIEW_OPTIONS);
    CHECK(GetMenuItemID(view, kViewEditColorTable) == ID_VIEW_EDIT_COLOR_TABLE);
    CHECK(GetMenuItemID(view, kViewHeader) == ID_VIEW_HEADER);
    CHECK(GetMenuItemID(view, kViewImage) == ID_VIEW_IMAGE);
    CHECK(GetMenuItemID(view, kViewRedraw) == ID_VIEW_REDRAW);
    CHECK(GetMenuItemID(GetSubMenu(view, kViewTextSubmenu), kTextSummary) == ID_TEXT_SUMMARY);
    CHECK(GetMenuItemID(GetSubMenu(view, kViewTextSubmenu), kTextMembers) == ID_TEXT_MEMBERS);
    CHECK(GetMenuItemID(GetSubMenu(view, kViewNotationSubmenu), kNotationDec) == ID_NOTATION_DEC);
    CHECK(GetMenuItemID(GetSubMenu(view, kViewNotationSubmenu), kNotationHex) == ID_NOTATION_HEX);
    CHECK(GetMenuItemID(GetSubMenu(view, kViewImageSubmenu), kImageActualSize) == ID_IMAGE_ACTUAL_SIZE);
    CHECK(GetMenuItemID(GetSubMenu(view, kViewImageSubmenu), kImageFitWindow) == ID_IMAGE_FIT_WINDOW);
    CHECK(GetMenuItemID(GetSubMenu(view, kViewBackgroundSubmenu), kBgBlack) == ID_BG_BLACK);
    CHECK(GetMenuItemID(GetSubMenu(view, kViewBackgroundSubmenu), kBgWhite) == ID_BG_WHITE);
    CHECK(GetMenuItemID(GetSubMenu(menu, kMenuWindow), kWindowFitImage) == ID_WINDOW_FIT_IMAGE);
    CHECK(GetMenuItemID(GetSubMenu(menu, kMenuWindow), kWindowKeepAspect) == ID_WINDOW_KEEP_ASPECT);
    CHECK(GetMenuItemID(GetSubMenu(menu, kMenuHelp), kHelpAbout) == ID_HELP_ABOUT);
    DestroyMenu(menu);
}

WIN_TEST(ResourcesEditorMenu) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_EDITOR_MENU));
    CHECK(menu != nullptr);
    if (menu != nullptr) {
        CheckMenu(menu, kEditorMenu, COUNT(kEditorMenu));
        DestroyMenu(menu);
    }
}

namespace {

void CheckAccelerators(int id, const ACCEL* want, int count) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    CHECK(table != nullptr);
    if (table == nullptr) {
        return;
    }
    ACCEL got[16] = {};
    CHECK(CopyAcceleratorTableA(table, nullptr, 0) == count);
    int copied = CopyAcceleratorTableA(table, got, 16);
    CHECK(copied == count);
    for (int i = 0; i < count && i < copied; ++i) {
        CHECK(got[i].key == want[i].key);
        CHECK(got[i].cmd == want[i].cmd);
        // Every entry is a virtual key that leaves the menu bar alone.
        CHECK(got[i].fVirt == (want[i].fVirt | FVIRTKEY | FNOINVERT));
    }
    DestroyAcceleratorTable(table);
}

}  // namespace

WIN_TEST(ResourcesAcceleratorTables) {
    const ACCEL kMain[] = {
        {FCONTROL, 'A', ID_EDIT_SELECT_ALL}, {FCONTROL, 'N', ID_FILE_NEW},      {FCONTROL, 'O', ID_FILE_OPEN},
        {FCONTROL, 'S', ID_FILE_SAVE},       {0, VK_F4, ID_VIEW_OPTIONS},       {0, VK_F5, ID_VIEW_REDRAW},
        {0, VK_F6, ID_WINDOW_FIT_IMAGE},     {0, VK_F7, ID_WINDOW_KEEP_ASPECT},
    };
    CheckAccelerators(IDR_MAIN_ACCEL, kMain, COUNT(kMain));

    const ACCEL kEditor[] = {
        {FCONTROL, 'O', ID_PALETTE_LOAD},       {0, VK_ESCAPE, ID_PALETTE_CLOSE},   {0, VK_F5, ID_PALETTE_APPLY},
        {0, VK_RETURN, ID_PALETTE_APPLY_CLOSE}, {FCONTROL, 'Z', ID_PALETTE_REVERT},
    };
    CheckAccelerators(IDR_EDITOR_ACCEL, kEditor, COUNT(kEditor));
}

namespace {

// A dialog template read back from the module: the classic DLGTEMPLATE layout, whose
// strings are UTF-16 and are turned into code page 932 here.
class TemplateReader {
  public:
    explicit TemplateReader(int id) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_DIALOG);
        if (found != nullptr) {
            base_ = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
            size_ = SizeofResource(nullptr, found);
        }
    }
    bool Found() const { return base_ != nullptr; }
    bool Ok() const { return base_ != nullptr && offset_ <= size_; }

    DWORD Dword() {
        DWORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }
    WORD Word() {
        WORD value = 0;
        if (offset_ + 2 <= size_) {
            std::memcpy(&value, base_ + offset_, 2);
        }
        offset_ += 2;
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    void AlignDword() { offset_ = (offset_ + 3) & ~3u; }

    // A string or an ordinal (0xFFFF then the number, given as "#number").
    void Text(char* out, int outSize) {
        WCHAR wide[128] = {};
        int n = 0;
        WORD first = Word();
        if (first == 0xFFFF) {
            wsprintfA(out, "#%u", Word());
            return;
        }
        for (WORD c = first; c != 0; c = Word()) {
            if (n < 127) {
                wide[n++] = c;
            }
        }
        out[0] = 0;
        if (n > 0) {
            int bytes = WideCharToMultiByte(932, 0, wide, n, out, outSize - 1, nullptr, nullptr);
            out[bytes > 0 ? bytes : 0] = 0;
        }
    }

  private:
    const BYTE* base_ = nullptr;
    DWORD size_ = 0;
    DWORD offset_ = 0;
};

const DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

struct ExpectedDialog {
    const char* caption;
    const char* menu;     // "" when the dialog has none
    short width, height;  // -1: the size is not checked
};

// Class "#128" is a button, "#129" an edit, "#130" a static, "#133" a combo box.
struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    short x, y, cx, cy;  // cx -1: the rectangle is not checked
    DWORD required;      // style bits that must be set
    DWORD forbidden;     // style bits that must be clear (WS_TABSTOP is checked separately)
};

const DWORD kStatic = SS_LEFT | WS_CHILD | WS_VISIBLE;
const DWORD kNotStatic = SS_TYPEMASK & ~SS_LEFT;
const DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_CHILD | WS_VISIBLE;
const DWORD kGroup = BS_GROUPBOX | WS_CHILD | WS_VISIBLE;
const DWORD kDefault = BS_DEFPUSHBUTTON | WS_CHILD | WS_VISIBLE;
const DWORD kPush = BS_PUSHBUTTON | WS_CHILD | WS_VISIBLE;

// Reads template id and checks its header, then every control in template order, and that
// exactly the controls listed in tabOrder are tab stops, in that order.
void CheckDialog(int id,
                 const ExpectedDialog& dialog,
                 const ExpectedControl* controls,
                 int count,
                 const int* tabOrder,
                 int tabCount) {
    TemplateReader t(id);
    CHECK(t.Found());
    if (!t.Found()) {
        return;
    }
    CHECK(IsJapanese(RT_DIALOG, id));
    CHECK(t.Dword() == kDialogStyle);  // no WS_VISIBLE: every dialog is shown by its caller
    CHECK(t.Dword() == 0);
    CHECK(t.Word() == count);
    CHECK(t.Short() == 0);
    CHECK(t.Short() == 0);
    short width = t.Short(), height = t.Short();
    if (dialog.width >= 0) {
        CHECK(width == dialog.width && height == dialog.height);
    }
    char text[256];
    t.Text(text, sizeof(text));
    CHECK(std::strcmp(text, dialog.menu) == 0);
    t.Text(text, sizeof(text));
    CHECK(text[0] == 0);  // the standard dialog class
    t.Text(text, sizeof(text));
    CHECK(std::strcmp(text, dialog.caption) == 0);
    CHECK(t.Word() == 9);
    t.Text(text, sizeof(text));
    CHECK(std::strcmp(text, "ＭＳ Ｐゴシック") == 0);

    int tabSeen = 0;
    for (int i = 0; i < count; ++i) {
        const ExpectedControl& want = controls[i];
        t.AlignDword();
        DWORD style = t.Dword();
        t.Dword();
        short x = t.Short(), y = t.Short(), cx = t.Short(), cy = t.Short();
        int controlId = static_cast<short>(t.Word());
        char className[64];
        t.Text(className, sizeof(className));
        t.Text(text, sizeof(text));
        WORD extra = t.Word();
        for (WORD skipped = 0; skipped < extra; skipped += 2) {
            t.Word();
        }
        CHECK(controlId == want.id);
        CHECK(lstrcmpiA(className, want.className) == 0);
        CHECK(std::strcmp(text, want.text) == 0);
        if (want.cx >= 0) {
            CHECK(x == want.x && y == want.y && cx == want.cx && cy == want.cy);
        }
        CHECK((style & want.required) == want.required);
        CHECK((style & want.forbidden) == 0);
        if (style & WS_TABSTOP) {
            CHECK(tabSeen < tabCount && tabOrder[tabSeen] == controlId);
            ++tabSeen;
        }
    }
    CHECK(tabSeen == tabCount);
    CHECK(t.Ok());
}

INT_PTR CALLBACK NullDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

}  // namespace

WIN_TEST(ResourcesNewImageDialog) {
    const ExpectedControl kControls[] = {
        {IDC_STATIC, "#130", "幅(&W):", 7, 10, 19, 8, kStatic, kNotStatic},
        {IDC_NEW_WIDTH, "#129", "", 55, 7, 36, 12, kEdit, ES_NUMBER},
        {IDC_STATIC, "#130", "ﾋﾟｸｾﾙ", 101, 10, 19, 8, kStatic, kNotStatic},
        {IDC_STATIC, "#130", "高さ(&H):", 7, 28, 23, 8, kStatic, kNotStatic},
        {IDC_NEW_HEIGHT, "#129", "", 55, 25, 36, 12, kEdit, ES_NUMBER},
        {IDC_STATIC, "#130", "ﾋﾟｸｾﾙ", 101, 28, 19, 8, kStatic, kNotStatic},
        {IDC_STATIC, "#130", "ｴﾝﾄﾘ数(&E):", 7, 46, 32, 8, kStatic, kNotStatic},
        {IDC_NEW_ENTRIES, "#129", "", 55, 43, 36, 12, kEdit, ES_NUMBER},
        {IDC_STATIC, "#130", "色", 100, 46, 8, 8, kStatic, kNotStatic},
        {IDC_STATIC, "#130", "ｶﾗｰﾓｰﾄﾞ(&C):", 7, 65, 38, 8, kStatic, kNotStatic},
        {IDC_NEW_COLOR_MODE, "#133", "", 55, 62, 45, 62, CBS_DROPDOWNLIST | WS_VSCROLL | WS_CHILD | WS_VISIBLE, 0},
        {IDOK, "#128", "OK", 57, 83, 26, 14, kDefault, 0},
        {IDCANCEL, "#128", "ｷｬﾝｾﾙ", 94, 83, 26, 14, kPush, BS_DEFPUSHBUTTON},
    };
    const int kTabs[] = {IDC_NEW_WIDTH, IDC_NEW_HEIGHT, IDC_NEW_ENTRIES, IDC_NEW_COLOR_MODE, IDOK, IDCANCEL};
    CheckDialog(IDD_NEW_IMAGE, {"画像の大きさ", "", 127, 103}, kControls, COUNT(kControls), kTabs, COUNT(kTabs));
}

WIN_TEST(ResourcesOptionsDialog) {
    const DWORD kDigits = kEdit | ES_NUMBER;
    const ExpectedControl kControls[] = {
        {IDC_STATIC, "#130", "ｴﾝﾄﾘの幅(&W):", 17, 24, 40, 8, kStatic, kNotStatic},
        {IDC_OPT_ENTRY_WIDTH, "#129", "", 99, 22, 22, 12, kDigits, 0},
        {IDC_STATIC, "#130", "ｴﾝﾄﾘの高さ(&H):", 17, 41, 45, 8, kStatic, kNotStatic},
        {IDC_OPT_ENTRY_HEIGHT, "#129", "", 99, 38, 22, 12, kDigits, 0},
        {IDC_STATIC, "#130", "ｴﾝﾄﾘを横に並べる個数(&S):", 17, 57, 78, 8, kStatic, kNotStatic},
        {IDC_OPT_COLUMNS, "#129", "", 99, 54, 22, 12, kDigits, 0},
        {IDC_STATIC, "#130", "ｴﾝﾄﾘを縦に並べる個数(&S):", 17, 73, 78, 8, kStatic, kNotStatic},
        {IDC_OPT_ROWS, "#129", "", 99, 70, 22, 12, kDigits, 0},
        {IDC_STATIC, "#128", "ｴﾝﾄﾘの設定", 7, 7, 128, 84, kGroup, 0},
        {IDC_STATIC, "#130", "ｶｰｿﾙの幅(&C):", 15, 117, 42, 8, kStatic, kNotStatic},
        {IDC_OPT_CURSOR_WIDTH, "#129", "", 99, 114, 22, 12, kDigits, 0},
        {IDC_STATIC, "#128", "ｶｰｿﾙの設定", 7, 100, 128, 36, kGroup, 0},
        {IDOK, "#128", "OK", 77, 142, 26, 14, kDefault, 0},
        {IDCANCEL, "#128", "ｷｬﾝｾﾙ", 109, 142, 26, 14, kPush, BS_DEFPUSHBUTTON},
    };
    const int kTabs[] = {
        IDC_OPT_ENTRY_WIDTH, IDC_OPT_ENTRY_HEIGHT, IDC_OPT_COLUMNS, IDC_OPT_ROWS, IDC_OPT_CURSOR_WIDTH, IDOK, IDCANCEL};
    CheckDialog(IDD_OPTIONS, {"ｵﾌﾟｼｮﾝ", "", 142, 163}, kControls, COUNT(kControls), kTabs, COUNT(kTabs));
}

WIN_TEST(ResourcesEditorDialog) {
    // The editor lays itself out when it starts, so the template's rectangles are not checked.
    const DWORD kTrack = TBS_HORZ | TBS_BOTH | TBS_NOTICKS | WS_CHILD | WS_VISIBLE;
    const DWORD kNotTrack = TBS_VERT | TBS_AUTOTICKS | TBS_TOP;
    const ExpectedControl kControls[] = {
        {IDC_EDIT_RED, "#129", "", 0, 0, -1, 0, kEdit, ES_NUMBER},
        {IDC_EDIT_GREEN, "#129", "", 0, 0, -1, 0, kEdit, ES_NUMBER},
        {IDC_EDIT_BLUE, "#129", "", 0, 0, -1, 0, kEdit, ES_NUMBER},
        {IDC_INVERT_RED, "#128", "反転", 0, 0, -1, 0, kPush, BS_DEFPUSHBUTTON},
        {IDC_INVERT_GREEN, "#128", "反転", 0, 0, -1, 0, kPush, BS_DEFPUSHBUTTON},
        {IDC_INVERT_BLUE, "#128", "反転", 0, 0, -1, 0, kPush, BS_DEFPUSHBUTTON},
        {IDC_TRACK_RED, "msctls_trackbar32", "", 0, 0, -1, 0, kTrack, kNotTrack},
        {IDC_TRACK_GREEN, "msctls_trackbar32", "", 0, 0, -1, 0, kTrack, kNotTrack},
        {IDC_TRACK_BLUE, "msctls_trackbar32", "", 0, 0, -1, 0, kTrack, kNotTrack},
    };
    const int kTabs[] = {IDC_EDIT_RED,    IDC_EDIT_GREEN, IDC_EDIT_BLUE,   IDC_INVERT_RED, IDC_INVERT_GREEN,
                         IDC_INVERT_BLUE, IDC_TRACK_RED,  IDC_TRACK_GREEN, IDC_TRACK_BLUE};
    CheckDialog(IDD_COLOR_TABLE, {"カラーテーブル一覧", "#104", -1, -1}, kControls, COUNT(kControls), kTabs,
                COUNT(kTabs));

    // Created for real it stays hidden at the origin, and its menu and trackbars resolve.
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    HWND editor =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_COLOR_TABLE), nullptr, NullDialogProc, 0);
    CHECK(editor != nullptr);
    if (editor == nullptr) {
        return;
    }
    CHECK(!IsWindowVisible(editor));
    CHECK(GetMenuItemCount(GetMenu(editor)) == 2);
    RECT rect;
    GetWindowRect(editor, &rect);
    CHECK(rect.left == 0 && rect.top == 0);  // the owner's client origin; with no owner, the screen's
    CHECK(GetDlgItem(editor, IDC_TRACK_BLUE) != nullptr);
    DestroyWindow(editor);
}

WIN_TEST(ResourcesAboutBox) {
    const ExpectedControl kControls[] = {
        {IDC_STATIC, "#130", "#105", 0, 0, -1, 0, SS_ICON | WS_CHILD | WS_VISIBLE, 0},
        {IDC_STATIC, "#130", "Korvane Version 1.0", 0, 0, -1, 0, kStatic, kNotStatic},
        {IDC_STATIC, "#130", "Copyright (C) 2026 Velmarin", 0, 0, -1, 0, kStatic, kNotStatic},
        {IDC_STATIC, "#128", "連絡先", 0, 0, -1, 0, kGroup, 0},
        {IDC_STATIC, "#130", "E-mail: korvane@velmarin.example", 0, 0, -1, 0, kStatic, kNotStatic},
        {IDC_STATIC, "#130", "Web: velmarin.example/korvane", 0, 0, -1, 0, kStatic, kNotStatic},
    };
    // No buttons and no tab stops: Enter, Esc and the close box end it.
    CheckDialog(IDD_ABOUT, {"ﾊﾞｰｼﾞｮﾝ情報", "", 154, 97}, kControls, COUNT(kControls), nullptr, 0);

    HWND about = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), nullptr, NullDialogProc, 0);
    CHECK(about != nullptr);
    if (about != nullptr) {
        CHECK(SendMessageA(GetWindow(about, GW_CHILD), STM_GETICON, 0, 0) != 0);
        DestroyWindow(about);
    }
}

WIN_TEST(ResourcesIcons) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const struct {
        int id;
        int size;
    } kLoads[] = {{IDI_MAIN, 32}, {IDI_MAIN, 16}, {IDI_SMALL, 32}, {IDI_SMALL, 16}};
    for (const auto& load : kLoads) {
        HICON icon = static_cast<HICON>(
            LoadImageA(instance, MAKEINTRESOURCEA(load.id), IMAGE_ICON, load.size, load.size, LR_DEFAULTCOLOR));
        CHECK(icon != nullptr);
        if (icon == nullptr) {
            continue;
        }
        ICONINFO info = {};
        CHECK(GetIconInfo(icon, &info));
        BITMAP bits = {};
        GetObjectA(info.hbmColor, sizeof(bits), &bits);
        CHECK(bits.bmWidth == load.size && bits.bmHeight == load.size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }

    // Each icon carries exactly a 32x32 and a 16x16 image of 16 colours, so neither size is
    // ever scaled from the other.
    const int kIcons[] = {IDI_MAIN, IDI_SMALL};
    for (int id : kIcons) {
        HRSRC group = FindResourceA(instance, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
        CHECK(group != nullptr);
        if (group == nullptr) {
            continue;
        }
        const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(instance, group)));
        CHECK(dir[4] == 2 && dir[5] == 0);
        for (int i = 0; i < 2; ++i) {
            const BYTE* entry = dir + 6 + 14 * i;
            CHECK(entry[0] == (i == 0 ? 32 : 16) && entry[1] == entry[0]);
            CHECK(entry[2] == 16);
            CHECK(entry[6] == 4);  // bits per pixel
        }
    }
}
