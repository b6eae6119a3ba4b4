// The editor's preview, its undo and redo keys and picking on the image, on the real windows: a
// trackbar dragged with the mouse, the image as the screen shows it, a click on the main window.
#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>

#include "resources/menu_positions.h"

WIN_TEST(E2ePreviewUndoAndPick) {
    auto Colour = [](uint32_t i) -> COLORREF { return RGB(i * 16, 0, 100); };
    auto AltKey = [](HWND window, int key) {
        BYTE keys[256] = {};
        keys[VK_MENU] = 0x80;
        SetKeyboardState(keys);
        PostMessageA(window, WM_SYSKEYDOWN, static_cast<WPARAM>(key), 1 << 29);
    };
    // Pixel (x, y) of the 16 x 16 image has index x.
    std::string path = TempPath("preview.bmp");
    CHECK(WriteImage(
        path, 16, 16, [](int x, int) { return x; }, 16, Colour));
    E2eDriver driver;
    HWND main = driver.Start();
    driver.answers = {ChooseFile(path)};
    driver.Command(ID_FILE_OPEN);
    driver.Command(ID_VIEW_IMAGE);
    HWND track = nullptr;
    RECT thumb, client;
    int red = 0;
    auto Edits = [](HWND e) { return WindowText(GetDlgItem(e, IDC_EDIT_RED)); };
    auto Item = [](HWND e, int menu, int item) {
        return GetMenuState(GetSubMenu(GetMenu(e), menu), item, MF_BYPOSITION);
    };
    size_t unrun = driver.WithEditor({
        [&](HWND e) {
            CHECK((Item(e, kEditorMenuEdit, kEditUndo) & MF_GRAYED) &&
                  (Item(e, kEditorMenuPalette, kPalettePreview) & MF_CHECKED));
            track = GetDlgItem(e, IDC_TRACK_RED);
            SendMessageA(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
            PostMessageA(track, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb.left + 2, thumb.top + 4));
            PostMessageA(track, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb.left + 60, thumb.top + 4));
        },
        // Still held: the image shows the new red, the document unchanged.
        [&](HWND e) {
            red = std::stoi(Edits(e));
            CHECK(red > 0 && Shows(main, {{0, 0}, {0, 15}}, RGB(red, 0, 100)) && Shows(main, {{1, 0}}, Colour(1)));
            CHECK(WindowText(main) == "Korvane - [preview.bmp]" && WindowText(e) == "カラーテーブル一覧 *");
            PostMessageA(track, WM_LBUTTONUP, 0, MAKELPARAM(thumb.left + 60, thumb.top + 4));
            AltKey(e, VK_BACK);
        },
        [&](HWND e) {
            CHECK(Edits(e) == "0" && Shows(main, {{0, 0}}, Colour(0)) &&
                  !(Item(e, kEditorMenuEdit, kEditRedo) & MF_GRAYED));
            PostKey(main, 'Y', true);
        },
        // Picked at actual size, then fitted (pixel 9 in the middle of its stretched column).
        [&](HWND e) {
            CHECK(Edits(e) == std::to_string(red) && Shows(main, {{0, 0}}, RGB(red, 0, 100)));
            PostMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
            PostMessageA(main, WM_COMMAND, ID_IMAGE_FIT_WINDOW, 0);
        },
        [&](HWND e) {
            CHECK(Edits(e) == "80" && GetClientRect(main, &client));
            PostMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right * 19 / 32, client.bottom / 2));
        },
        [&](HWND e) {
            POINT p = {client.right / 2, client.bottom / 2};
            CHECK(Edits(e) == "144" && ClientToScreen(main, &p) && SetCursorPos(p.x, p.y));
            SendMessageA(main, WM_SETCURSOR, reinterpret_cast<WPARAM>(main), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            CHECK(GetCursor() == LoadCursorA(nullptr, IDC_CROSS));
            driver.answers = {Reply(kMessageBoxText, IDNO)};
            PostKey(e, VK_ESCAPE);
        },
    });
    // Closed with No: the image shows its own table. The preview switched off is stored at exit.
    CHECK(unrun == 0 && driver.answers.empty() && Shows(main, {{0, 0}}, Colour(0)));
    driver.WithEditor({[&](HWND e) { SendMessageA(e, WM_COMMAND, ID_PALETTE_PREVIEW, 0); }});
    driver.Finish();
    CHECK(StoredIntegers("PreviewColorTable", RRF_RT_REG_DWORD) == std::vector<int32_t>{0});
}
