// The colour-table editor and the options on the real windows: its nested loop with its own
// keys, its controls, its questions and files, and the image and file its Apply changes.
#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>
#include <dlgs.h>
#include <shellapi.h>
#include <shlobj.h>

#include "app/settings_store.h"
#include "model/palette_file.h"

// A drop of one file, as the shell hands it to the window.
static HDROP DropOf(const std::string& path) {
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + path.size() + 2);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    path.copy(reinterpret_cast<char*>(drop + 1), path.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

WIN_TEST(E2eColorTableEditor) {
    auto Sixteen = [](uint32_t i) -> COLORREF { return RGB(i * 16, 255 - i * 16, 100); };
    auto Wide = [](uint32_t i) -> COLORREF { return RGB(i, 0, 255 - i); };
    auto Swatch = [](int c, int r = 0) { return POINT{13 + 17 * c, 13 + 17 * r}; };  // of cell c, r by the grid
    auto Click = [](HWND e, POINT p) { PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); };
    // Pixel (x, y) has index x of 16, or y * 16 + x of 256.
    std::string sixteen = TempPath("sixteen.bmp"), wide = TempPath("wide.bmp"), saved = TempPath("edited.bmp"), shown;
    CHECK(WriteImage(
        sixteen, 16, 16, [](int x, int) { return x; }, 16, Sixteen));
    CHECK(WriteImage(
        wide, 16, 16, [](int x, int y) { return y * 16 + x; }, 256, Wide));
    E2eDriver driver;
    HWND main = driver.Start();
    driver.answers = {ChooseFile(sixteen)};
    driver.Command(ID_FILE_OPEN);
    driver.Command(ID_VIEW_IMAGE);
    RECT r;
    // Cell 1 chosen with the mouse and changed through an edit and a trackbar's key, applied with the
    // main window's F5, which the editor takes while it is open; Enter applies again and closes.
    size_t unrun = driver.WithEditor({
        [&](HWND e) {
            CHECK(GetWindowRect(e, &r) && r.right - r.left == 299 && r.bottom - r.top == 417);
            CHECK(Shows(e, {Swatch(15)}, Sixteen(15)));
            Click(e, Swatch(1));
        },
        [&](HWND e) {
            CHECK(WindowText(GetDlgItem(e, IDC_EDIT_RED)) == "16");
            SetDlgItemTextA(e, IDC_EDIT_RED, "7");
            SetFocus(GetDlgItem(e, IDC_TRACK_GREEN));
            PostKey(GetDlgItem(e, IDC_TRACK_GREEN), VK_LEFT);
        },
        [&](HWND e) {
            CHECK(WindowText(e) == "カラーテーブル一覧 *");
            PostKey(main, VK_F5);
        },
        [&](HWND e) {
            CHECK(Shows(main, {{1, 0}, {1, 15}}, RGB(7, 238, 100)) && Shows(main, {{2, 0}}, Sixteen(2)));
            CHECK(WindowText(main) == "Korvane - [sixteen.bmp *]" && WindowText(e) == "カラーテーブル一覧");
            SetDlgItemTextA(e, IDC_EDIT_BLUE, "1");
            PostKey(GetDlgItem(e, IDC_EDIT_BLUE), VK_RETURN);
        },
        [&](HWND) { CHECK(!"still open after Enter"); },
    });
    CHECK(unrun == 1 && Shows(main, {{1, 0}}, RGB(7, 238, 1)));

    // No, then an Open dialog cancelled: the same changed image stays, still asked about at Close.
    driver.answers = {Reply(kMessageBoxText, IDNO)};
    driver.Command(ID_FILE_OPEN);
    driver.answers = {Reply(kMessageBoxText, IDCANCEL, "", &shown)};
    driver.Command(ID_FILE_CLOSE);
    CHECK(shown == "sixteen.bmp への変更を保存しますか?");
    CHECK(WindowText(main) == "Korvane - [sixteen.bmp *]");

    DeleteFileA(saved.c_str());  // a file there would be asked about
    driver.answers = {ChooseFile(saved)};
    driver.Command(ID_FILE_SAVE_AS);
    std::vector<uint8_t> before = ReadFileBytes(sixteen), after = ReadFileBytes(saved);
    CHECK(after.size() == before.size() && after[58] == 1 && after[59] == 238 && after[60] == 7 &&
          std::equal(after.begin() + 118, after.end(), before.begin() + 118));

    // Revert (Ctrl+Z, asked) goes back to the table as last saved; then Esc with changes asks,
    // and Yes applies them.
    unrun = driver.WithEditor({
        [&](HWND e) {
            SetDlgItemTextA(e, IDC_EDIT_RED, "99");
            driver.answers = {Reply(kMessageBoxText, IDYES)};
            PostKey(e, 'Z', true);
        },
        [&](HWND e) {
            CHECK(driver.answers.empty() && Shows(e, {Swatch(1)}, RGB(7, 238, 1)));
            SetDlgItemTextA(e, IDC_EDIT_RED, "206");
            driver.answers = {Reply(kMessageBoxText, IDYES)};
            PostKey(GetDlgItem(e, IDC_EDIT_RED), VK_ESCAPE);
        },
        [&](HWND) { CHECK(!"still open after Esc"); },
    });
    CHECK(unrun == 1 && Shows(main, {{0, 0}}, RGB(206, 255, 100)));

    // A file dropped on the window asks about the changes first, then opens.
    driver.answers = {Reply(kMessageBoxText, IDNO)};
    SendMessageA(main, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(wide)), 0);
    CHECK(driver.answers.empty() && WindowText(main) == "Korvane - [wide.bmp]" && Shows(main, {{15, 15}}, Wide(255)));

    // A table from a palette file through the editor's open dialog, and the save dialog's filter
    // choosing the format of a name typed bare. The main window's menus work while it is open;
    // another file opened closes it unapplied.
    std::string jasc = "JASC-PAL\r\n0100\r\n256\r\n";
    for (int i = 0; i < 256; ++i) {
        jasc += std::to_string(i) + " " + std::to_string(255 - i) + " 7\r\n";
    }
    CHECK(WriteFileBytes(TempPath("first.pal"), std::vector<uint8_t>(jasc.begin(), jasc.end())));
    unrun = driver.WithEditor(
        {[&](HWND e) {
             driver.answers = {ChooseFile(TempPath("first.pal"))};
             SendMessageA(e, WM_COMMAND, ID_PALETTE_LOAD, 0);
             CHECK(Shows(e, {Swatch(15, 15)}, RGB(255, 0, 7)));
             for (int format = 0; format < kPaletteFormatCount; ++format) {
                 const std::string bare = TempPath("out"),
                                   saved = TempPath(
                                       ("out." + std::string(PaletteExtension(PaletteFormat(format)))).c_str());
                 DeleteFileA(saved.c_str());  // a file there would be asked about
                 driver.answers = {[=](HWND dialog) {
                     // Posted: the dialog fills its list of types after it shows.
                     HWND types = GetDlgItem(dialog, cmb1);
                     PostMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(format), 0);
                     PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
                     return ChooseFile(bare)(dialog);
                 }};
                 SendMessageA(e, WM_COMMAND, ID_PALETTE_EXPORT, 0);
                 const std::vector<uint8_t> bytes = ReadFileBytes(saved);
                 CHECK(format == 2 ? bytes.size() == 772 : !bytes.empty() && bytes[0] == "JR G0;"[format]);
             }
             SetDlgItemTextA(e, IDC_EDIT_RED, "50");
             driver.answers = {ChooseFile(sixteen)};
             PostMessageA(main, WM_COMMAND, ID_FILE_OPEN, 0);
         },
         [&](HWND) { CHECK(!"still open after another file"); }});
    CHECK(unrun == 1 && WindowText(main) == "Korvane - [sixteen.bmp]" && Shows(main, {{0, 0}}, Sixteen(0)));

    // Options changed while it is open lay it out anew: a click selects the entry its swatch shows
    // (7 at column 2 of 5). Closing the main window ends the program from inside the editor's loop,
    // and the options are stored at exit.
    auto fiveColumns = [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_OPT_COLUMNS, "5");
        return PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
    unrun = driver.WithEditor({
        [&](HWND) {
            driver.answers = {fiveColumns};
            PostMessageA(main, WM_COMMAND, ID_VIEW_OPTIONS, 0);
        },
        [&](HWND e) {
            CHECK(GetWindowRect(e, &r) && r.right - r.left == 112 && r.bottom - r.top == 417);
            CHECK(Shows(e, {Swatch(2, 1)}, Sixteen(7)));
            Click(e, Swatch(2, 1));
        },
        [&](HWND e) {
            CHECK(WindowText(GetDlgItem(e, IDC_EDIT_RED)) == "112");
            PostMessageA(main, WM_CLOSE, 0, 0);
        },
    });
    MSG quit;
    CHECK(unrun == 0 && driver.MainWindow() == nullptr && PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    driver.Finish();
    CHECK(StoredIntegers("DrawColorTable", RRF_RT_REG_BINARY) == (std::vector<int32_t>{10, 1, 2, 12, 12, 5, 16}));
    DeleteSettings();
}
