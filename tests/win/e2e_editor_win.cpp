// The colour-table editor and the options on the real windows: its nested loop with its own
// keys, its controls, its questions and files, and the image and file its Apply changes.
#include "tests/win/e2e_driver_win.h"

#include <commctrl.h>
#include <dlgs.h>
#include <shellapi.h>
#include <shlobj.h>

#include "app/settings_store.h"
#include "model/color_table.h"
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
    auto Swatch = [](int c) { return POINT{13 + 17 * c, 13}; };  // of cell c in row 0, by the stored grid
    // Pixel (x, y) has index x of 16, or y * 16 + x of 256.
    std::string sixteen = TempPath("sixteen.bmp"), wide = TempPath("wide.bmp"), rgb = TempPath("rgb.bmp"),
                saved = TempPath("edited.bmp"), shown;
    CHECK(WriteImage(
        sixteen, 16, 16, [](int x, int) { return x; }, 16, Sixteen));
    CHECK(WriteImage(
        wide, 16, 16, [](int x, int y) { return y * 16 + x; }, 256, Wide));
    CHECK(WriteImage(rgb, 2, 2, [](int, int) { return RGB(1, 2, 3); }));
    E2eDriver driver;
    HWND main = driver.Start();
    driver.answers = {ChooseFile(sixteen)};
    driver.Command(ID_FILE_OPEN);
    driver.Command(ID_VIEW_IMAGE);
    RECT r;
    // Cell 1 chosen and changed through each control (300 reads as 255, the trackbar one step
    // down, blue inverted), the table loaded, reverted and applied from the main window's own
    // keys, which the editor takes while it is open; Enter applies again and closes.
    size_t unrun = driver.WithEditor({
        [&](HWND e) {
            CHECK(GetWindowRect(e, &r) && r.right - r.left == 299 && r.bottom - r.top == 417);
            CHECK(Shows(e, {Swatch(15)}, Sixteen(15)) && !Shows(e, {{13, 13 + 17}}, Sixteen(0)));
            PostMessageA(e, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Swatch(1).x, Swatch(1).y));
        },
        [&](HWND e) {
            CHECK(WindowText(GetDlgItem(e, IDC_EDIT_RED)) == "16" && WindowText(e) == "カラーテーブル一覧");
            SetDlgItemTextA(e, IDC_EDIT_RED, "300");
            SetFocus(GetDlgItem(e, IDC_TRACK_GREEN));
            PostKey(GetDlgItem(e, IDC_TRACK_GREEN), VK_LEFT);
        },
        [&](HWND e) {
            SendDlgItemMessageA(e, IDC_INVERT_BLUE, BM_CLICK, 0, 0);
            SendMessageA(e, WM_COMMAND, ID_OP_SWAP_RG, 0);
            CHECK(Shows(e, {Swatch(1)}, RGB(238, 255, 155)) && WindowText(e) == "カラーテーブル一覧 *");
            driver.answers = {ChooseFile(rgb), Reply(kMessageBoxText, IDOK, "", &shown)};
            PostKey(main, 'O', true);
        },
        [&](HWND e) {
            CHECK(shown == "ｴﾝﾄﾘ数が少ないです." && Shows(e, {Swatch(1)}, RGB(238, 255, 155)));
            driver.answers = {ChooseFile(wide), Reply(kMessageBoxText, IDYES)};
            SendMessageA(e, WM_COMMAND, ID_PALETTE_LOAD, 0);
            CHECK(Shows(e, {Swatch(1)}, Wide(1)) && Shows(e, {Swatch(15)}, Wide(15)));
            SendMessageA(e, WM_COMMAND, ID_PALETTE_REVERT, 0);
            CHECK(driver.answers.empty() && Shows(e, {Swatch(1)}, Sixteen(1)));
            SetDlgItemTextA(e, IDC_EDIT_RED, "7");
            PostKey(main, VK_F5);
        },
        [&](HWND e) {
            CHECK(Shows(main, {{1, 0}, {1, 15}}, RGB(7, 239, 100)) && Shows(main, {{2, 0}}, Sixteen(2)));
            CHECK(WindowText(main) == "Korvane - [sixteen.bmp *]" && WindowText(e) == "カラーテーブル一覧");
            SetDlgItemTextA(e, IDC_EDIT_BLUE, "1");
            PostKey(GetDlgItem(e, IDC_EDIT_BLUE), VK_RETURN);
        },
        [&](HWND) { CHECK(!"still open after Enter"); },
    });
    CHECK(unrun == 1 && Shows(main, {{1, 0}}, RGB(7, 239, 1)));
    driver.answers = {ChooseFile(saved)};
    driver.Command(ID_FILE_SAVE_AS);
    std::vector<uint8_t> before = ReadFileBytes(sixteen), after = ReadFileBytes(saved);
    CHECK(after.size() == before.size() && after[58] == 1 && after[59] == 239 && after[60] == 7 &&
          std::equal(after.begin() + 118, after.end(), before.begin() + 118));

    // Esc with changes asks: Cancel stays open and marked, No drops them, Yes applies them.
    for (int answer : {IDCANCEL, IDNO, IDYES}) {
        unrun = driver.WithEditor({
            [&](HWND e) {
                SetDlgItemTextA(e, IDC_EDIT_RED, std::to_string(200 + answer).c_str());
                driver.answers = {Reply(kMessageBoxText, answer)};
                PostKey(GetDlgItem(e, IDC_EDIT_RED), VK_ESCAPE);
            },
            [&](HWND e) { CHECK(driver.answers.empty() && WindowText(e) == "カラーテーブル一覧 *"); },
        });
        CHECK(unrun == (answer == IDCANCEL ? 0u : 1u) &&
              Shows(main, {{0, 0}}, answer == IDYES ? RGB(206, 255, 100) : Sixteen(0)));
    }

    // A file dropped on the window asks about the changes first, then opens.
    driver.answers = {Reply(kMessageBoxText, IDNO)};
    SendMessageA(main, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(wide)), 0);
    CHECK(driver.answers.empty() && WindowText(main) == "Korvane - [wide.bmp]" && Shows(main, {{15, 15}}, Wide(255)));

    // The main window's menus work while it is open; another file opened closes it unapplied.
    unrun = driver.WithEditor({[&](HWND e) {
                                   SetDlgItemTextA(e, IDC_EDIT_RED, "50");
                                   driver.answers = {ChooseFile(sixteen)};
                                   PostMessageA(main, WM_COMMAND, ID_FILE_OPEN, 0);
                               },
                               [&](HWND) { CHECK(!"still open after another file"); }});
    CHECK(unrun == 1 && WindowText(main) == "Korvane - [sixteen.bmp]" && Shows(main, {{0, 0}}, Sixteen(0)));

    // Options: each value stored as it passes, the first out of range named with its bounds;
    // the editor opened next is laid out anew, and the values are stored at exit.
    std::vector<std::pair<int, const char*>> typed = {{IDC_OPT_ENTRY_WIDTH, "20"}, {IDC_OPT_COLUMNS, "40"}};
    auto fill = [&](HWND dialog) {
        for (const auto& [id, text] : typed) {
            SetDlgItemTextA(dialog, id, text);
        }
        return PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
    driver.answers = {fill, Reply(kMessageBoxText, IDOK, "", &shown)};
    driver.Command(ID_VIEW_OPTIONS);
    const ColorGridSettings& grid = driver.GetShell().settings.colorGrid;
    CHECK(shown == "5から30までの整数を指定してください." && grid.entryWidth == 20 && grid.columns == 16);
    typed = {{IDC_OPT_COLUMNS, "8"}, {IDC_OPT_ROWS, ""}};
    driver.answers = {fill};
    driver.Key(VK_F4);
    CHECK(driver.answers.empty() && grid.columns == 8 && grid.rows == 0);
    // Closing the main window ends the program from inside the editor's loop.
    unrun = driver.WithEditor({[&](HWND e) {
        CHECK(GetWindowRect(e, &r) && r.right - r.left == 227 && r.bottom - r.top == 179);
        PostMessageA(main, WM_CLOSE, 0, 0);
    }});
    MSG quit;
    CHECK(unrun == 0 && driver.MainWindow() == nullptr && PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    driver.Finish();
    CHECK(StoredIntegers("DrawColorTable", RRF_RT_REG_BINARY) == (std::vector<int32_t>{10, 1, 2, 20, 12, 8, 0}));
    DeleteSettings();
}

// A table from a palette file through the editor's open dialog into a 256-colour image's editor (a
// 16-entry one is too few), and the save dialog's filter choosing the format of a name typed bare.
WIN_TEST(E2ePaletteFiles) {
    auto First = [](uint32_t i) -> COLORREF { return RGB(i, 255 - i, 7); };
    auto Save = [&](const std::string& path, uint32_t n, PaletteFormat format) {
        std::vector<uint8_t> entries;
        for (uint32_t i = 0; i < n; ++i) {
            entries.insert(entries.end(), {GetRValue(First(i)), GetGValue(First(i)), GetBValue(First(i)), 0});
        }
        ColorTable table;
        return table.Assign(entries.data(), n) && SavePalette(path.c_str(), table, format);
    };
    std::string wide = TempPath("wide.bmp"), jasc = TempPath("first.pal"), riff = TempPath("sixteen.pal"), shown;
    CHECK(WriteImage(
        wide, 16, 16, [](int x, int y) { return y * 16 + x; }, 256, [](uint32_t) { return 0; }));
    CHECK(Save(jasc, 256, PaletteFormat::kJasc));
    CHECK(Save(riff, 16, PaletteFormat::kRiff));
    E2eDriver driver;
    HWND main = driver.Start();
    driver.answers = {ChooseFile(wide)};
    driver.Command(ID_FILE_OPEN);
    size_t unrun = driver.WithEditor({[&](HWND e) {
        driver.answers = {ChooseFile(jasc), ChooseFile(riff), Reply(kMessageBoxText, IDOK, "", &shown)};
        SendMessageA(e, WM_COMMAND, ID_PALETTE_LOAD, 0);
        CHECK(Shows(e, {{13 + 17 * 15, 13 + 17 * 15}}, First(255)));
        SendMessageA(e, WM_COMMAND, ID_PALETTE_LOAD, 0);
        CHECK(shown == "ｴﾝﾄﾘ数が少ないです.");
        for (int format = 0; format < kPaletteFormatCount; ++format) {
            const std::string bare = TempPath("out");
            const std::string saved = TempPath(("out." + std::string(PaletteExtension(PaletteFormat(format)))).c_str());
            DeleteFileA(saved.c_str());  // a file there would be asked about
            driver.answers = {[=](HWND dialog) {
                // Posted: the dialog fills its list of types after it shows.
                HWND types = GetDlgItem(dialog, cmb1);
                PostMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(format), 0);
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
                return ChooseFile(bare)(dialog);
            }};
            SendMessageA(e, WM_COMMAND, ID_PALETTE_EXPORT, 0);
            std::vector<uint8_t> bytes = ReadFileBytes(saved);
            CHECK(driver.answers.empty());
            CHECK(format == 2 ? bytes.size() == 772 : !bytes.empty() && bytes[0] == "JR G0;"[format]);
        }
    }});
    CHECK(unrun == 0);
    CHECK(WindowText(main) == "Korvane - [wide.bmp]");
}
