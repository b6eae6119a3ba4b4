// The compiled resources: what the code relies on, and the script's texts as the program sees them.
#include <windows.h>

#include <fstream>
#include <regex>
#include <tuple>
#include <vector>

#include "resources/menu_positions.h"
#include "resources/resource.h"
#include "tests/win/win_test.h"

namespace {

UINT gCommand = 0;

LRESULT CALLBACK NoteCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    gCommand = message == WM_COMMAND ? LOWORD(wParam) : gCommand;
    return DefWindowProcA(window, message, wParam, lParam);
}

BOOL CALLBACK AppendData(HMODULE, LPCSTR type, LPSTR name, LONG_PTR text) {
    HRSRC found = FindResourceA(nullptr, name, type);
    auto data = static_cast<const wchar_t*>(LockResource(LoadResource(nullptr, found)));
    reinterpret_cast<std::wstring*>(text)->append(data, SizeofResource(nullptr, found) / sizeof(wchar_t));
    return TRUE;
}

}  // namespace

// The code enables, grays and marks the main menu's items by position. Each key sends its
// command, and nothing while the command's menu item is grayed. Both icons hold exactly a 32x32
// and a 16x16 image of 16 colours, so neither size is scaled from the other.
WIN_TEST(ResourcesTheCodeNamesById) {
    const std::tuple<int, int, std::vector<std::pair<int, UINT>>> kMenus[] = {
        {kMenuFile, -1, {{kFileNew, ID_FILE_NEW}, {kFileOpen, ID_FILE_OPEN}, {kFileClose, ID_FILE_CLOSE}}},
        {kMenuFile, -1, {{kFileSave, ID_FILE_SAVE}, {kFileSaveAs, ID_FILE_SAVE_AS}, {kFileExit, ID_FILE_EXIT}}},
        {kMenuEdit, -1, {{kEditSelectAll, ID_EDIT_SELECT_ALL}, {kEditDeleteSettings, ID_EDIT_DELETE_SETTINGS}}},
        {kMenuView, -1, {{kViewOptions, ID_VIEW_OPTIONS}, {kViewEditColorTable, ID_VIEW_EDIT_COLOR_TABLE}}},
        {kMenuView, -1, {{kViewHeader, ID_VIEW_HEADER}, {kViewImage, ID_VIEW_IMAGE}, {kViewRedraw, ID_VIEW_REDRAW}}},
        {kMenuView, kViewTextSubmenu, {{kTextSummary, ID_TEXT_SUMMARY}, {kTextMembers, ID_TEXT_MEMBERS}}},
        {kMenuView, kViewNotationSubmenu, {{kNotationDec, ID_NOTATION_DEC}, {kNotationHex, ID_NOTATION_HEX}}},
        {kMenuView, kViewImageSubmenu, {{kImageActualSize, ID_IMAGE_ACTUAL_SIZE}}},
        {kMenuView, kViewImageSubmenu, {{kImageFitWindow, ID_IMAGE_FIT_WINDOW}}},
        {kMenuView, kViewBackgroundSubmenu, {{kBgBlack, ID_BG_BLACK}, {kBgWhite, ID_BG_WHITE}}},
        {kMenuWindow, -1, {{kWindowFitImage, ID_WINDOW_FIT_IMAGE}, {kWindowKeepAspect, ID_WINDOW_KEEP_ASPECT}}},
        {kMenuHelp, -1, {{kHelpAbout, ID_HELP_ABOUT}}},
    };
    HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    for (const auto& [menu, submenu, items] : kMenus) {
        HMENU parent = submenu < 0 ? GetSubMenu(bar, menu) : GetSubMenu(GetSubMenu(bar, menu), submenu);
        for (const auto& [position, id] : items) {
            CHECK(GetMenuItemID(parent, position) == id);
        }
    }
    DestroyMenu(bar);

    const std::vector<ACCEL> kMain = {{FCONTROL, 'A', ID_EDIT_SELECT_ALL}, {FCONTROL, 'N', ID_FILE_NEW},
                                      {FCONTROL, 'O', ID_FILE_OPEN},       {FCONTROL, 'S', ID_FILE_SAVE},
                                      {0, VK_F4, ID_VIEW_OPTIONS},         {0, VK_F5, ID_VIEW_REDRAW},
                                      {0, VK_F6, ID_WINDOW_FIT_IMAGE},     {0, VK_F7, ID_WINDOW_KEEP_ASPECT}};
    const std::vector<ACCEL> kEditor = {
        {FCONTROL, 'O', ID_PALETTE_LOAD},       {0, VK_ESCAPE, ID_PALETTE_CLOSE},   {0, VK_F5, ID_PALETTE_APPLY},
        {0, VK_RETURN, ID_PALETTE_APPLY_CLOSE}, {FCONTROL, 'Z', ID_PALETTE_REVERT},
    };
    BYTE keyboard[256] = {};  // for each key: the window has the menu, and the key's item is grayed, then enabled
    for (const auto& [tableId, menuId, keys] : {std::make_tuple(IDR_MAIN_ACCEL, IDR_MAIN_MENU, &kMain),
                                                std::make_tuple(IDR_EDITOR_ACCEL, IDR_EDITOR_MENU, &kEditor)}) {
        HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId));
        HWND window = CreateWindowA("Static", "", WS_OVERLAPPEDWINDOW, 0, 0, 99, 99, nullptr, menu, nullptr, nullptr);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoteCommand));
        HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(tableId));
        CHECK(CopyAcceleratorTableA(table, nullptr, 0) == static_cast<int>(keys->size()));
        for (const ACCEL& key : *keys) {
            keyboard[VK_CONTROL] = (key.fVirt & FCONTROL) ? 0x80 : 0;
            SetKeyboardState(keyboard);
            for (UINT state : {MF_GRAYED, MF_ENABLED}) {
                EnableMenuItem(menu, key.cmd, MF_BYCOMMAND | state);
                gCommand = 0;
                MSG message = {window, WM_KEYDOWN, key.key, 0, 0, {}};
                TranslateAcceleratorA(window, table, &message);
                CHECK(gCommand == (state == MF_ENABLED ? key.cmd : 0));
            }
        }
        DestroyWindow(window);  // and its menu
    }
    SetKeyboardState(std::vector<BYTE>(256).data());  // every key up again

    for (int id : {IDI_MAIN, IDI_SMALL}) {
        HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
        const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
        CHECK(dir != nullptr && dir[4] == 2);
        for (const BYTE* entry = dir + 6; dir != nullptr && entry < dir + 34; entry += 14) {  // size, size, colours
            CHECK(entry[0] == (entry == dir + 6 ? 32 : 16) && entry[1] == entry[0] && entry[2] == 16 && entry[6] == 4);
        }
    }

    // The script is UTF-8 and windres stores its texts as UTF-16: each text that is not plain
    // ASCII (up to a \t) is in the compiled menus, dialogs or string tables unchanged, 表 (0x5C as
    // second byte in code page 932) included.
    std::wstring compiled;
    for (LPCSTR type : {RT_MENU, RT_DIALOG, RT_STRING}) {
        EnumResourceNamesA(nullptr, type, AppendData, reinterpret_cast<LONG_PTR>(&compiled));
    }
    // This file is in tests/win/ beside resources/; Wine shows the Unix root as drive Z:.
    std::string path = __FILE__, script;
    path = (path[0] == '/' ? "Z:" : "") + path.substr(0, path.rfind("tests")) + "resources/korvane.rc";
    std::getline(std::ifstream(path), script, '\0');
    CHECK(!script.empty());
    const std::regex quoted("\"([^\"\\\\\n]*)[^\"\n]*\"");
    for (std::sregex_iterator m(script.begin(), script.end(), quoted), end; m != end; ++m) {
        std::wstring text(m->length(1), L'\0');
        text.resize(MultiByteToWideChar(CP_UTF8, 0, &*(*m)[1].first, m->length(1), &text[0], text.size()));
        if (text.size() != static_cast<size_t>(m->length(1))) {  // shorter than its UTF-8: not ASCII
            CHECK(compiled.find(text) != std::wstring::npos);
        }
    }
}
