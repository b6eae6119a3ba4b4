// Preview, undo and picking on the real windows: a trackbar dragged with the mouse, the image as
// the screen shows it, the keys, and clicks on the main window.
#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>

WIN_TEST(E2ePreviewUndoAndPick) {
    auto Colour = [](uint32_t i) -> COLORREF { return RGB(i * 16, 0, 100); };
    std::string path = TempPath("preview.bmp");  // pixel (x, y) has index x
    CHECK(WriteImage(
        path, 16, 16, [](int x, int) { return x; }, 16, Colour));
    E2eDriver driver;
    HWND main = driver.Start();
    driver.answers = {ChooseFile(path)};
    driver.Command(ID_FILE_OPEN);
    driver.Command(ID_VIEW_IMAGE);
    RECT thumb, client;
    int red = 0;
    auto Red = [](HWND e) { return WindowText(GetDlgItem(e, IDC_EDIT_RED)); };
    auto Mouse = [&](HWND e, UINT message, int x) {  // on the red trackbar, x right of the thumb's first place
        PostMessageA(GetDlgItem(e, IDC_TRACK_RED), message, MK_LBUTTON, MAKELPARAM(thumb.left + x, thumb.top + 4));
    };
    size_t unrun = driver.WithEditor({
        [&](HWND e) {
            SendDlgItemMessageA(e, IDC_TRACK_RED, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
            Mouse(e, WM_LBUTTONDOWN, 2), Mouse(e, WM_MOUSEMOVE, 60);
        },
        // Still held: the image shows the new red before Apply, the document is unchanged. Then
        // released and undone, redone and a pixel clicked at actual size.
        [&](HWND e) {
            red = std::stoi(Red(e));
            CHECK(red > 0 && Shows(main, {{0, 0}, {0, 15}}, RGB(red, 0, 100)) && Shows(main, {{1, 0}}, Colour(1)));
            CHECK(WindowText(main) == "Korvane - [preview.bmp]" && WindowText(e) == "カラーテーブル一覧 *");
            Mouse(e, WM_LBUTTONUP, 60), PostKey(e, VK_BACK, false, true);
        },
        [&](HWND e) {
            CHECK(Red(e) == "0" && Shows(main, {{0, 0}}, Colour(0)));
            PostKey(main, 'Y', true);
            PostMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
        },
        [&](HWND e) {
            CHECK(Shows(main, {{0, 0}}, RGB(red, 0, 100)) && Red(e) == "80" && GetClientRect(main, &client));
            PostMessageA(main, WM_COMMAND, ID_IMAGE_FIT_WINDOW, 0);  // pixel 9 in the middle of its column
            PostMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right * 19 / 32, client.bottom / 2));
        },
        [&](HWND e) {
            CHECK(Red(e) == "144");
            driver.answers = {Reply(kMessageBoxText, IDNO)};
            PostKey(e, VK_ESCAPE);
        },
    });
    // Closed with No: the image shows its own table.
    CHECK(unrun == 0 && driver.answers.empty() && Shows(main, {{0, 0}}, Colour(0)));
}
