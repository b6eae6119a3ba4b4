// The compiled resources: what the code relies on, and the script's texts as the program sees them.
#include <windows.h>

#include <fstream>
#include <regex>
#include <tuple>
#include <vector>

#include "resources/menu_positions.h"
#include "resources/resource.h"
#include "tests/win/win_test.h"

static BOOL CALLBACK AppendData(HMODULE, LPCSTR type, LPSTR name, LONG_PTR text) {
    HRSRC found = FindResourceA(nullptr, name, type);
    auto data = static_cast<const wchar_t*>(LockResource(LoadResource(nullptr, found)));
    reinterpret_cast<std::wstring*>(text)->append(data, SizeofResource(nullptr, found) / sizeof(wchar_t));
    return TRUE;
}

// The main menu's items sit where the code finds them by position; each key's command is an item of its
// window's menu, so graying the item blocks the key; both icons hold a 32x32 and a 16x16 16-colour image.
WIN_TEST(ResourcesTheCodeNamesById) {
    const std::tuple<int, int, std::vector<std::pair<int, UINT>>> kMenus[] = {
        {kMenuFile, -1, {{kFileClose, ID_FILE_CLOSE}, {kFileSave, ID_FILE_SAVE}, {kFileSaveAs, ID_FILE_SAVE_AS}}},
        {kMenuView, -1, {{kViewEditColorTable, ID_VIEW_EDIT_COLOR_TABLE}, {kViewHeader, ID_VIEW_HEADER}}},
        {kMenuView, -1, {{kViewImage, ID_VIEW_IMAGE}, {kViewRedraw, ID_VIEW_REDRAW}}},
        {kMenuView, kViewTextSubmenu, {{kTextSummary, ID_TEXT_SUMMARY}, {kTextMembers, ID_TEXT_MEMBERS}}},
        {kMenuView, kViewNotationSubmenu, {{kNotationDec, ID_NOTATION_DEC}, {kNotationHex, ID_NOTATION_HEX}}},
        {kMenuView, kViewImageSubmenu, {{kImageActualSize, ID_IMAGE_ACTUAL_SIZE}}},
        {kMenuView, kViewImageSubmenu, {{kImageFitWindow, ID_IMAGE_FIT_WINDOW}}},
        {kMenuView, kViewBackgroundSubmenu, {{kBgBlack, ID_BG_BLACK}, {kBgWhite, ID_BG_WHITE}}},
    };
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HMENU bar = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAIN_MENU));
    for (const auto& [menu, submenu, items] : kMenus) {
        HMENU parent = submenu < 0 ? GetSubMenu(bar, menu) : GetSubMenu(GetSubMenu(bar, menu), submenu);
        for (const auto& [position, id] : items) {
            CHECK(GetMenuItemID(parent, position) == id);
        }
    }
    DestroyMenu(bar);

    for (const auto& [tableId, menuId] :
         {std::pair(IDR_MAIN_ACCEL, IDR_MAIN_MENU), {IDR_EDITOR_ACCEL, IDR_EDITOR_MENU}}) {
        HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(menuId));
        ACCEL table[32];
        int count = CopyAcceleratorTableA(LoadAcceleratorsA(instance, MAKEINTRESOURCEA(tableId)), table, 32);
        CHECK(count > 0);
        for (const ACCEL& key : std::vector<ACCEL>(table, table + count)) {
            CHECK(GetMenuState(menu, key.cmd, MF_BYCOMMAND) != ~0u);
        }
        DestroyMenu(menu);
    }

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
    CHECK(std::getline(std::ifstream(path), script, '\0') && !script.empty());
    const std::regex quoted("\"([^\"\\\\\n]*)[^\"\n]*\"");
    for (std::sregex_iterator m(script.begin(), script.end(), quoted), end; m != end; ++m) {
        std::wstring text(m->length(1), L'\0');
        text.resize(MultiByteToWideChar(CP_UTF8, 0, &*(*m)[1].first, m->length(1), &text[0], text.size()));
        // A text shorter than its UTF-8 is not ASCII, and must be found.
        CHECK(text.size() == static_cast<size_t>(m->length(1)) || compiled.find(text) != std::wstring::npos);
    }
}
