// The compiled resources as the program and its users see them through the ...A calls: texts
// come back in code page 932, so they are compared with this file's literals byte for byte.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <initializer_list>

#include "resources/menu_positions.h"
#include "resources/resource.h"
#include "tests/win/win_test.h"

#define COUNT(a) static_cast<int>(sizeof(a) / sizeof((a)[0]))

namespace {

// One menu entry: a separator (no label), a command, or a submenu (items set). position is the
// constant the code enables and marks it by, -1 for none.
struct MenuEntry {
    const char* label;
    UINT id;
    bool grayed;
    int position;
    const MenuEntry* items = nullptr;
    int itemCount = 0;
};

#define SUBMENU(label, grayed, position, items) \
    { label, 0, grayed, position, items, COUNT(items) }
const MenuEntry kSeparator = {nullptr, 0, false, -1};

const MenuEntry kFileItems[] = {
    {"新規作成(N)...\tCtrl+N", ID_FILE_NEW, false, kFileNew},
    kSeparator,
    {"開く(&O)...\tCtrl+O", ID_FILE_OPEN, false, kFileOpen},
    {"閉じる(&C)", ID_FILE_CLOSE, true, kFileClose},
    kSeparator,
    {"上書き保存(&S)\tCtrl+S", ID_FILE_SAVE, true, kFileSave},
    {"名前を付けて保存(&A)...", ID_FILE_SAVE_AS, true, kFileSaveAs},
    kSeparator,
    {"終了(&X)\tAlt+F4", ID_FILE_EXIT, false, kFileExit},
};
const MenuEntry kEditItems[] = {
    {"すべて選択(L)\tCtrl+A", ID_EDIT_SELECT_ALL, false, kEditSelectAll},
    kSeparator,
    {"ﾚｼﾞｽﾄﾘを削除(E)", ID_EDIT_DELETE_SETTINGS, false, kEditDeleteSettings},
};
const MenuEntry kTextItems[] = {
    {"必要なものだけ表示(&N)", ID_TEXT_SUMMARY, false, kTextSummary},
    {"メンバを列挙(E)", ID_TEXT_MEMBERS, false, kTextMembers},
};
const MenuEntry kNotationItems[] = {
    {"10進(&D)", ID_NOTATION_DEC, false, kNotationDec},
    {"16進(&H)", ID_NOTATION_HEX, false, kNotationHex},
};
const MenuEntry kImageItems[] = {
    {"実寸で表示(&O)", ID_IMAGE_ACTUAL_SIZE, false, kImageActualSize},
    {"ｳｨﾝﾄﾞｳに合わせる(&S)", ID_IMAGE_FIT_WINDOW, false, kImageFitWindow},
};
const MenuEntry kBackgroundItems[] = {
    {"黒(&B)", ID_BG_BLACK, false, kBgBlack},
    {"白(&W)", ID_BG_WHITE, false, kBgWhite},
};
const MenuEntry kViewItems[] = {
    {"ｵﾌﾟｼｮﾝ(&O)...\tF4", ID_VIEW_OPTIONS, false, kViewOptions},
    {"ｶﾗｰﾃｰﾌﾞﾙを編集(&E)...", ID_VIEW_EDIT_COLOR_TABLE, true, kViewEditColorTable},
    kSeparator,
    {"ﾍｯﾀﾞｰ情報を表示(&H)", ID_VIEW_HEADER, false, kViewHeader},
    {"画像を表示(&I)", ID_VIEW_IMAGE, false, kViewImage},
    kSeparator,
    SUBMENU("ﾍｯﾀﾞｰ情報表示設定(&C)", true, kViewTextSubmenu, kTextItems),
    SUBMENU("数字表記(&N)", true, kViewNotationSubmenu, kNotationItems),
    kSeparator,
    SUBMENU("画像表示設定(R)", true, kViewImageSubmenu, kImageItems),
    SUBMENU("背景色(&B)", true, kViewBackgroundSubmenu, kBackgroundItems),
    kSeparator,
    {"再描画(&D)\tF5", ID_VIEW_REDRAW, true, kViewRedraw},
};
const MenuEntry kWindowItems[] = {
    {"画像に合わせる(&F)\tF6", ID_WINDOW_FIT_IMAGE, true, kWindowFitImage},
    {"画像の比率を保持(&R)\tF7", ID_WINDOW_KEEP_ASPECT, true, kWindowKeepAspect},
};
const MenuEntry kHelpItems[] = {
    {"ﾊﾞｰｼﾞｮﾝ情報(&A)...", ID_HELP_ABOUT, false, kHelpAbout},
};
const MenuEntry kMainMenu[] = {
    SUBMENU("ﾌｧｲﾙ(&F)", false, kMenuFile, kFileItems), SUBMENU("編集(&E)", false, kMenuEdit, kEditItems),
    SUBMENU("表示(&V)", false, kMenuView, kViewItems), SUBMENU("ｳｨﾝﾄﾞｳ(&W)", false, kMenuWindow, kWindowItems),
    SUBMENU("ﾍﾙﾌﾟ(&H)", false, kMenuHelp, kHelpItems),
};

const MenuEntry kSwapItems[] = {
    {"赤⇔緑(&1)", ID_OP_SWAP_RG, false, -1},
    {"緑⇔青(&2)", ID_OP_SWAP_GB, false, -1},
    {"青⇔赤(&3)", ID_OP_SWAP_BR, false, -1},
};
const MenuEntry kPaletteItems[] = {
    {"ﾌｧｲﾙから読込(&L)...\tCtrl+O", ID_PALETTE_LOAD, false, -1},
    {"画像に反映(&R)\tF5", ID_PALETTE_APPLY, false, -1},
    kSeparator,
    {"最初の状態に戻す(&U)\tCtrl+Z", ID_PALETTE_REVERT, false, -1},
    kSeparator,
    {"閉じる(&C)\tEsc", ID_PALETTE_CLOSE, false, -1},
    {"反映して閉じる(O)\tEnter", ID_PALETTE_APPLY_CLOSE, false, -1},
};
const MenuEntry kOperationItems[] = {
    {"全て反転(&R)", ID_OP_INVERT_ALL, false, -1},
    SUBMENU("ﾁｬﾝﾈﾙの交換(C)", false, -1, kSwapItems),
};
const MenuEntry kEditorMenu[] = {
    SUBMENU("ﾊﾟﾚｯﾄ(&P)", false, -1, kPaletteItems),
    SUBMENU("操作(&O)", false, -1, kOperationItems),
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
        CHECK(want.position == -1 || want.position == pos);
        char label[128] = {};
        GetMenuStringA(menu, pos, label, sizeof(label), MF_BYPOSITION);
        CHECK(std::strcmp(label, want.label) == 0);
        CHECK(((state & MF_GRAYED) != 0) == want.grayed);
        HMENU sub = GetSubMenu(menu, pos);
        CHECK((sub != nullptr) == (want.items != nullptr));
        if (sub != nullptr && want.items != nullptr) {
            CheckMenu(sub, want.items, want.itemCount);
        } else if (want.items == nullptr) {
            CHECK(GetMenuItemID(menu, pos) == want.id);
        }
    }
}

bool IsJapanese(LPCSTR type, int id) {
    return FindResourceExA(nullptr, type, MAKEINTRESOURCEA(id), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)) != nullptr;
}

}  // namespace

// Every label, key and initial state; the positions the code uses land on the items they name.
WIN_TEST(ResourcesMenus) {
    const struct {
        int id;
        const MenuEntry* entries;
        int count;
    } kMenus[] = {{IDR_MAIN_MENU, kMainMenu, COUNT(kMainMenu)}, {IDR_EDITOR_MENU, kEditorMenu, COUNT(kEditorMenu)}};
    for (const auto& m : kMenus) {
        HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m.id));
        CHECK(menu != nullptr && IsJapanese(RT_MENU, m.id));
        if (menu != nullptr) {
            CheckMenu(menu, m.entries, m.count);
            DestroyMenu(menu);
        }
    }
}

namespace {

void CheckAccelerators(int id, const ACCEL* want, int count) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    CHECK(table != nullptr);
    ACCEL got[16] = {};
    int copied = table != nullptr ? CopyAcceleratorTableA(table, got, 16) : 0;
    CHECK(copied == count);
    for (int i = 0; i < count && i < copied; ++i) {
        // Every entry is a virtual key that leaves the menu bar alone.
        CHECK(got[i].key == want[i].key && got[i].cmd == want[i].cmd);
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

// A control as the user meets it. style holds the bits of the control's kind that show: the
// button kind, the static kind, digits only in an edit, a drop-down list, a trackbar's look.
struct ExpectedControl {
    int id;
    const char* className;
    const char* text;  // null: not compared
    DWORD style;
};

DWORD VisibleStyleBits(const char* className) {
    if (lstrcmpiA(className, "Button") == 0) {
        return BS_TYPEMASK;
    }
    if (lstrcmpiA(className, "Static") == 0) {
        return SS_TYPEMASK;
    }
    if (lstrcmpiA(className, "Edit") == 0) {
        return ES_NUMBER;
    }
    if (lstrcmpiA(className, "ComboBox") == 0) {
        return CBS_DROPDOWNLIST;
    }
    return TBS_VERT | TBS_BOTH | TBS_NOTICKS | TBS_TOP | TBS_AUTOTICKS;
}

INT_PTR CALLBACK NullDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Creates dialog id for real and checks its caption and font, every control in template order,
// and that exactly the controls in tabOrder are tab stops, in that order. Returns the dialog.
HWND CheckDialog(int id,
                 const char* caption,
                 const ExpectedControl* controls,
                 int count,
                 const int* tabOrder,
                 int tabCount) {
    CHECK(IsJapanese(RT_DIALOG, id));
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, NullDialogProc, 0);
    CHECK(dialog != nullptr);
    if (dialog == nullptr) {
        return nullptr;
    }
    CHECK(!IsWindowVisible(dialog));  // every dialog is shown by its caller
    char text[256] = {};
    GetWindowTextA(dialog, text, sizeof(text));
    CHECK(std::strcmp(text, caption) == 0);
    LOGFONTA font = {};
    CHECK(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font) != 0);
    CHECK(std::strcmp(font.lfFaceName, "ＭＳ Ｐゴシック") == 0);
    HDC screen = GetDC(nullptr);
    CHECK(font.lfHeight == -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);

    int seen = 0;
    int tabSeen = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT), ++seen) {
        if (seen >= count) {
            continue;
        }
        const ExpectedControl& want = controls[seen];
        char className[64] = {};
        GetClassNameA(child, className, sizeof(className));
        GetWindowTextA(child, text, sizeof(text));
        DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        CHECK((GetDlgCtrlID(child) & 0xFFFF) == (want.id & 0xFFFF));
        CHECK(lstrcmpiA(className, want.className) == 0);
        CHECK(want.text == nullptr || std::strcmp(text, want.text) == 0);
        CHECK((style & VisibleStyleBits(className)) == want.style);
        if (style & WS_TABSTOP) {
            CHECK(tabSeen < tabCount && tabOrder[tabSeen] == GetDlgCtrlID(child));
            ++tabSeen;
        }
    }
    CHECK(seen == count);
    CHECK(tabSeen == tabCount);
    return dialog;
}

}  // namespace

WIN_TEST(ResourcesDialogs) {
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    // Digits other than those of a size can be typed: the dialog's code judges them.
    const ExpectedControl kNewImage[] = {
        {IDC_STATIC, "Static", "幅(&W):", SS_LEFT},
        {IDC_NEW_WIDTH, "Edit", "", 0},
        {IDC_STATIC, "Static", "ﾋﾟｸｾﾙ", SS_LEFT},
        {IDC_STATIC, "Static", "高さ(&H):", SS_LEFT},
        {IDC_NEW_HEIGHT, "Edit", "", 0},
        {IDC_STATIC, "Static", "ﾋﾟｸｾﾙ", SS_LEFT},
        {IDC_STATIC, "Static", "ｴﾝﾄﾘ数(&E):", SS_LEFT},
        {IDC_NEW_ENTRIES, "Edit", "", 0},
        {IDC_STATIC, "Static", "色", SS_LEFT},
        {IDC_STATIC, "Static", "ｶﾗｰﾓｰﾄﾞ(&C):", SS_LEFT},
        {IDC_NEW_COLOR_MODE, "ComboBox", "", CBS_DROPDOWNLIST},
        {IDOK, "Button", "OK", BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "ｷｬﾝｾﾙ", BS_PUSHBUTTON},
    };
    const int kNewImageTabs[] = {IDC_NEW_WIDTH, IDC_NEW_HEIGHT, IDC_NEW_ENTRIES, IDC_NEW_COLOR_MODE, IDOK, IDCANCEL};
    DestroyWindow(
        CheckDialog(IDD_NEW_IMAGE, "画像の大きさ", kNewImage, COUNT(kNewImage), kNewImageTabs, COUNT(kNewImageTabs)));

    const ExpectedControl kOptions[] = {
        {IDC_STATIC, "Static", "ｴﾝﾄﾘの幅(&W):", SS_LEFT},
        {IDC_OPT_ENTRY_WIDTH, "Edit", "", ES_NUMBER},
        {IDC_STATIC, "Static", "ｴﾝﾄﾘの高さ(&H):", SS_LEFT},
        {IDC_OPT_ENTRY_HEIGHT, "Edit", "", ES_NUMBER},
        {IDC_STATIC, "Static", "ｴﾝﾄﾘを横に並べる個数(&S):", SS_LEFT},
        {IDC_OPT_COLUMNS, "Edit", "", ES_NUMBER},
        {IDC_STATIC, "Static", "ｴﾝﾄﾘを縦に並べる個数(&S):", SS_LEFT},
        {IDC_OPT_ROWS, "Edit", "", ES_NUMBER},
        {IDC_STATIC, "Button", "ｴﾝﾄﾘの設定", BS_GROUPBOX},
        {IDC_STATIC, "Static", "ｶｰｿﾙの幅(&C):", SS_LEFT},
        {IDC_OPT_CURSOR_WIDTH, "Edit", "", ES_NUMBER},
        {IDC_STATIC, "Button", "ｶｰｿﾙの設定", BS_GROUPBOX},
        {IDOK, "Button", "OK", BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "ｷｬﾝｾﾙ", BS_PUSHBUTTON},
    };
    const int kOptionsTabs[] = {
        IDC_OPT_ENTRY_WIDTH, IDC_OPT_ENTRY_HEIGHT, IDC_OPT_COLUMNS, IDC_OPT_ROWS, IDC_OPT_CURSOR_WIDTH, IDOK, IDCANCEL};
    DestroyWindow(CheckDialog(IDD_OPTIONS, "ｵﾌﾟｼｮﾝ", kOptions, COUNT(kOptions), kOptionsTabs, COUNT(kOptionsTabs)));

    const DWORD kTrack = TBS_HORZ | TBS_BOTH | TBS_NOTICKS;
    const ExpectedControl kEditor[] = {
        {IDC_EDIT_RED, "Edit", "", 0},
        {IDC_EDIT_GREEN, "Edit", "", 0},
        {IDC_EDIT_BLUE, "Edit", "", 0},
        {IDC_INVERT_RED, "Button", "反転", BS_PUSHBUTTON},
        {IDC_INVERT_GREEN, "Button", "反転", BS_PUSHBUTTON},
        {IDC_INVERT_BLUE, "Button", "反転", BS_PUSHBUTTON},
        {IDC_TRACK_RED, "msctls_trackbar32", nullptr, kTrack},
        {IDC_TRACK_GREEN, "msctls_trackbar32", nullptr, kTrack},
        {IDC_TRACK_BLUE, "msctls_trackbar32", nullptr, kTrack},
    };
    const int kEditorTabs[] = {IDC_EDIT_RED,    IDC_EDIT_GREEN, IDC_EDIT_BLUE,   IDC_INVERT_RED, IDC_INVERT_GREEN,
                               IDC_INVERT_BLUE, IDC_TRACK_RED,  IDC_TRACK_GREEN, IDC_TRACK_BLUE};
    HWND editor =
        CheckDialog(IDD_COLOR_TABLE, "カラーテーブル一覧", kEditor, COUNT(kEditor), kEditorTabs, COUNT(kEditorTabs));
    if (editor != nullptr) {
        CHECK(GetMenuItemCount(GetMenu(editor)) == 2);  // the editor menu
        DestroyWindow(editor);
    }

    // No buttons and no tab stops: Enter, Esc and the close box end it.
    const ExpectedControl kAbout[] = {
        {IDC_STATIC, "Static", nullptr, SS_ICON},
        {IDC_STATIC, "Static", "Korvane Version 1.0", SS_LEFT},
        {IDC_STATIC, "Static", "Copyright (C) 2026 Velmarin", SS_LEFT},
        {IDC_STATIC, "Button", "連絡先", BS_GROUPBOX},
        {IDC_STATIC, "Static", "E-mail: korvane@velmarin.example", SS_LEFT},
        {IDC_STATIC, "Static", "Web: velmarin.example/korvane", SS_LEFT},
    };
    HWND about = CheckDialog(IDD_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報", kAbout, COUNT(kAbout), nullptr, 0);
    if (about != nullptr) {
        CHECK(SendMessageA(GetWindow(about, GW_CHILD), STM_GETICON, 0, 0) != 0);
        DestroyWindow(about);
    }
}

WIN_TEST(ResourcesIcons) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int id : {IDI_MAIN, IDI_SMALL}) {
        for (int size : {32, 16}) {
            HICON icon =
                static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
            CHECK(icon != nullptr);
            ICONINFO info = {};
            BITMAP bits = {};
            if (icon != nullptr && GetIconInfo(icon, &info)) {
                GetObjectA(info.hbmColor, sizeof(bits), &bits);
                DeleteObject(info.hbmColor);
                DeleteObject(info.hbmMask);
            }
            CHECK(bits.bmWidth == size && bits.bmHeight == size);
            DestroyIcon(icon);
        }
        // Exactly a 32x32 and a 16x16 image of 16 colours, so neither size is scaled from the other.
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
            CHECK(entry[2] == 16 && entry[6] == 4);  // colours, bits per pixel
        }
    }
}
