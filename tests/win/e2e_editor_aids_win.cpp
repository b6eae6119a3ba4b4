// What needs the real windows of the editor's aids: the tip over a cell, Ctrl+H and the image on
// screen, Ctrl+C and Ctrl+V through the real clipboard (and an edit's own text while it has the
// focus), and a Shift-marked range ramped, applied and saved.
#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>

#include <cstring>

// The text of the editor's tip, as its tooltip holds it.
static std::string TipText(HWND editor) {
    char text[256] = {};
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE, tool.hwnd = editor, tool.uId = 1, tool.lpszText = text;
    HWND tip = nullptr;
    while ((tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) != nullptr &&
           GetWindow(tip, GW_OWNER) != editor) {
    }
    SendMessageA(tip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
    return text;
}

static std::string ClipboardText() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        HANDLE block = GetClipboardData(CF_TEXT);
        const char* data = block != nullptr ? static_cast<const char*>(GlobalLock(block)) : nullptr;
        text = data != nullptr ? data : "";
        block != nullptr ? void(GlobalUnlock(block)) : void();
        CloseClipboard();
    }
    return text;
}

static void PutClipboard(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    CHECK(OpenClipboard(nullptr) && EmptyClipboard() && SetClipboardData(CF_TEXT, block) && CloseClipboard());
}

WIN_TEST(E2eEditorAids) {
    auto Colour = [](uint32_t i) -> COLORREF { return RGB(i * 16, 255 - i * 16, 100); };
    auto Cell = [](int c, int r = 0) { return MAKELPARAM(19 + 17 * c, 19 + 17 * r); };
    auto Swatch = [](int c) { return POINT{13 + 17 * c, 13}; };
    std::string path = TempPath("aids.bmp"), saved = TempPath("ramped.bmp");  // pixel (x, y) has index x % 8
    CHECK(WriteImage(
        path, 16, 16, [](int x, int) { return x % 8; }, 16, Colour));
    E2eDriver driver;
    HWND main = driver.Start();
    driver.answers = {ChooseFile(path)};
    driver.Command(ID_FILE_OPEN);
    driver.Command(ID_VIEW_IMAGE);
    size_t unrun = driver.WithEditor({
        [&](HWND e) {
            SendMessageA(e, WM_MOUSEMOVE, 0, Cell(1));
            CHECK(TipText(e) == "項目 1\r\nR 16  G 239  B 100  #10EF64\r\n32 画素 (12.5%)");
            SendMessageA(e, WM_MOUSEMOVE, 0, Cell(9));
            CHECK(TipText(e) == "項目 9\r\nR 144  G 111  B 100  #906F64\r\n使用している画素はありません");
            SetFocus(GetDlgItem(e, IDC_TRACK_RED));
            PostKey(e, 'H', true);
        },
        [&](HWND e) {
            CHECK(Shows(main, {{0, 0}, {8, 15}}, Colour(0)));
            CHECK(Shows(main, {{1, 0}, {9, 15}}, RGB(78, 78, 78)));  // entry 1 as a darkened grey
            PostKey(e, 'H', true);
            PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON, Cell(1));
            PostKey(e, 'C', true);
        },
        [&](HWND e) {
            CHECK(Shows(main, {{1, 0}}, Colour(1)));
            CHECK(ClipboardText() == "#10EF64");
            PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON, Cell(2));
            PostKey(e, 'V', true);
        },
        [&](HWND e) {
            CHECK(Shows(e, {Swatch(2)}, Colour(1)));
            PutClipboard("#FF0000\r\n#00ff00 #00F");  // cut at the table's end
            PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON, Cell(14));
            PostKey(e, 'V', true);
        },
        [&](HWND e) {
            CHECK(Shows(e, {Swatch(14)}, RGB(255, 0, 0)) && Shows(e, {Swatch(15)}, RGB(0, 255, 0)));
            HWND red = GetDlgItem(e, IDC_EDIT_RED);  // the edit's own text: 255 of entry 14
            SetFocus(red);
            SendMessageA(red, EM_SETSEL, 0, -1);
            PostKey(red, 'C', true);
        },
        [&](HWND e) {
            CHECK(ClipboardText() == "255");
            SetFocus(GetDlgItem(e, IDC_TRACK_RED));
            PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON, Cell(12));
            PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, Cell(15));
            PostMessageA(e, WM_COMMAND, ID_OP_RAMP, 0);
            PostKey(main, VK_F5);
        },
        [&](HWND e) {
            CHECK(Shows(main, {{14 - 8, 0}}, Colour(6)));  // pixels use entries 0 to 7 only
            PostKey(e, VK_ESCAPE);
        },
    });
    CHECK(unrun == 0);
    DeleteFileA(saved.c_str());  // a file there would be asked about
    driver.answers = {ChooseFile(saved)};
    driver.Command(ID_FILE_SAVE_AS);
    const std::vector<uint8_t> bytes = ReadFileBytes(saved);
    CHECK(bytes.size() > 118);
    CHECK(bytes.size() > 118 &&
          std::vector<uint8_t>(bytes.begin() + 54 + 4 * 12, bytes.begin() + 118) ==
              (std::vector<uint8_t>{100, 63, 192, 0, 67, 127, 128, 0, 33, 191, 64, 0, 0, 255, 0, 0}));
}
