// What needs the real windows of the editor's aids: the tip over a cell, Ctrl+H and the image on
// screen, Ctrl+C and Ctrl+V through the real clipboard (and an edit's own text while it has the
// focus), and a Shift-marked range ramped, applied and saved.
#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>

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
            PostMessageA(e, WM_COMMAND, ID_EDIT_COPY_TABLE, 0);
            PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON, Cell(14));
            PostKey(e, 'V', true);  // the table's list from entry 14 on, cut at its end
        },
        [&](HWND e) {
            CHECK(Shows(e, {Swatch(14)}, Colour(0)) && Shows(e, {Swatch(15)}, Colour(1)));
            HWND red = GetDlgItem(e, IDC_EDIT_RED);  // the edit's own text: 0 of entry 14
            SetFocus(red);
            SendMessageA(red, EM_SETSEL, 0, -1);
            PostKey(red, 'C', true);
        },
        [&](HWND e) {
            CHECK(ClipboardText() == "0");
            SetFocus(GetDlgItem(e, IDC_TRACK_RED));
            PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON, Cell(12));
            PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, Cell(15));
            PostMessageA(e, WM_COMMAND, ID_OP_RAMP, 0);
            PostKey(main, VK_F5);
            PostKey(e, VK_ESCAPE);
        },
    });
    CHECK(unrun == 0);
    DeleteFileA(saved.c_str());  // a file there would be asked about
    driver.answers = {ChooseFile(saved)};
    driver.Command(ID_FILE_SAVE_AS);
    const std::vector<uint8_t> bytes = ReadFileBytes(saved);
    CHECK(bytes.size() > 118 &&
          std::vector<uint8_t>(bytes.begin() + 102, bytes.begin() + 118) ==
              (std::vector<uint8_t>{100, 63, 192, 0, 100, 122, 133, 0, 100, 180, 75, 0, 100, 239, 16, 0}));
}
