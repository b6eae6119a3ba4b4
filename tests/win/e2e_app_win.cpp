// End-to-end tests of the program: the real main window, menus, dialogs and files.
#include <windows.h>

#include <string>
#include <vector>

#include "app/document_commands.h"
#include "app/main_window_win.h"
#include "app/settings_store.h"
#include "model/bitmap_image.h"
#include "model/file_io.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"
#include "views/header_report.h"

namespace {

// The report the views build for the file, to compare with what the text view shows.
std::string ExpectedReport(const char* path, uint32_t textOption, uint32_t notation) {
    HDC dc = CreateCompatibleDC(nullptr);
    BitmapImage image;
    std::string text;
    if (image.Load(dc, path)) {
        HeaderReport report(QueryFileSize);
        const char* shown = report.Refresh(&image, path, ReportOptions{textOption, notation, 0});
        text = shown != nullptr ? shown : "";
    }
    DeleteDC(dc);
    return text;
}

uint16_t BitCount(const BitmapImage* image) {
    uint8_t info[40] = {};
    image->GetHeaders(nullptr, info);
    return static_cast<uint16_t>(info[14] | info[15] << 8);
}

// The start-up commands as run from the queue, each with the window visible then.
std::vector<std::pair<int, bool>> QueuedVisible(std::vector<int> commands) {
    std::vector<std::pair<int, bool>> ran;
    for (int command : commands) {
        ran.push_back({command, true});
    }
    return ran;
}

// The image items of the File and Window menus.
int ImageItemsGrayed(const E2eDriver& driver, int grayed) {
    return driver.IsGrayed(kMenuFile, kFileClose) == grayed && driver.IsGrayed(kMenuFile, kFileSave) == grayed &&
           driver.IsGrayed(kMenuFile, kFileSaveAs) == grayed &&
           driver.IsGrayed(kMenuWindow, kWindowFitImage) == grayed &&
           driver.IsGrayed(kMenuWindow, kWindowKeepAspect) == grayed;
}

}  // namespace

WIN_TEST(E2eFirstStartWithNoSettings) {
    deleteSettings();
    E2eDriver driver;
    HWND window = driver.Start();
    if (window == nullptr) {
        return;
    }
    RECT r;
    GetWindowRect(window, &r);
    CHECK(r.left == 50 && r.top == 50 && r.right - r.left == 330 && r.bottom - r.top == 300);
    CHECK(driver.Title() == "Korvane");
    // Posted during creation, run from the queue once the window is visible, view last.
    CHECK(driver.queuedCommands ==
          QueuedVisible({ID_NOTATION_DEC, ID_BG_BLACK, ID_TEXT_SUMMARY, ID_IMAGE_ACTUAL_SIZE, ID_VIEW_HEADER}));
    CHECK(driver.IsRadioChecked(kMenuView, kViewNotationSubmenu, kNotationDec));
    CHECK(driver.IsRadioChecked(kMenuView, kViewBackgroundSubmenu, kBgBlack));
    CHECK(driver.IsRadioChecked(kMenuView, kViewTextSubmenu, kTextSummary));
    CHECK(driver.IsRadioChecked(kMenuView, kViewImageSubmenu, kImageActualSize));
    CHECK(driver.IsRadioChecked(kMenuView, -1, kViewHeader) && !driver.IsRadioChecked(kMenuView, -1, kViewImage));
    CHECK(!driver.IsGrayed(kMenuEdit, kEditSelectAll) && !driver.IsGrayed(kMenuView, kViewTextSubmenu));
    for (int item :
         {kViewNotationSubmenu, kViewImageSubmenu, kViewBackgroundSubmenu, kViewRedraw, kViewEditColorTable}) {
        CHECK(driver.IsGrayed(kMenuView, item));
    }
    CHECK(ImageItemsGrayed(driver, 1));
    HWND view = GetDlgItem(window, IDC_TEXT_VIEW);
    CHECK(IsWindowVisible(view));
    RECT client;
    RECT viewRect;
    GetClientRect(window, &client);
    GetWindowRect(view, &viewRect);
    CHECK(viewRect.right - viewRect.left == client.right && viewRect.bottom - viewRect.top == client.bottom);
    CHECK(driver.ReportText().empty());

    driver.Finish();
    CHECK(!IsWindow(window));
    for (const char* name : {"ViewData", "ImageOption", "TextOption", "BgColor", "Notation"}) {
        CHECK(StoredIntegers(name) == std::vector<int32_t>{0});
    }
    CHECK(StoredIntegers("WindowInfo") == (std::vector<int32_t>{50, 50, 380, 350}));
    CHECK(StoredIntegers("DrawColorTable") == (std::vector<int32_t>{10, 1, 2, 12, 12, 16, 16}));
}

WIN_TEST(E2eOpenShowsTitleAndReport) {
    // A 5 x 3, 8-bit file with a 16-entry table, written byte by byte: 142 bytes.
    std::vector<uint8_t> bytes = {'B', 'M', 142, 0, 0, 0, 0, 0, 0, 0, 118, 0, 0,  0,  // file header
                                  40,  0,   0,   0, 5, 0, 0, 0, 3, 0, 0,   0, 1,  0, 8, 0, 0, 0, 0, 0,
                                  24,  0,   0,   0, 0, 0, 0, 0, 0, 0, 0,   0, 16, 0, 0, 0, 0, 0, 0, 0};
    bytes.resize(142, 0x11);  // colour table and pixels
    std::string path = TempPath("pic.bmp");
    CHECK(WriteFileBytes(path, bytes));
    E2eDriver driver;
    if (driver.Start() == nullptr) {
        return;
    }
    driver.Expect(ChooseFile(path));
    driver.Command(ID_FILE_OPEN);
    CHECK(driver.PendingAnswers() == 0);
    CHECK(driver.Title() == "Korvane - [pic.bmp]");
    const char* opened = TheShell().document.path;
    CHECK(lstrcmpiA(opened, path.c_str()) == 0);
    // The summary the text view must show, byte for byte.
    std::string summary =
        "  ==== Bitmap Information ====\r\n"
        "\r\n"
        "    -- FileName --\r\n"
        " PATH\r\n"
        "\r\n"
        "    -- 基本情報 --\r\n"
        " 高さ   : 3 px\r\n"
        " 幅     : 5 px\r\n"
        " 種類   : 256色 (8bpp)\r\n"
        " 使用色 : 16色\r\n"
        "\r\n"
        "    -- 拡張情報 --\r\n"
        " 1ラインあたりのバイト数        : 8 bytes\r\n"
        " 計算で求められるファイルサイズ : 142 bytes\r\n"
        " 実際のファイルサイズ           : 142 bytes\r\n"
        "\r\n"
        "    -- ファイルサイズの内訳 --\r\n"
        " BITMAPFILEHEADER : 14 bytes\r\n"
        " BITMAPINFOHEADER : 40 bytes\r\n"
        " カラーテーブル   : 64 bytes\r\n"
        " 実際の画像ビット : 24 bytes\r\n";
    summary.replace(summary.find("PATH"), 4, opened);
    CHECK(driver.ReportText() == summary);
    CHECK(ImageItemsGrayed(driver, 0) && !driver.IsGrayed(kMenuView, kViewEditColorTable));

    driver.Command(ID_TEXT_MEMBERS);
    CHECK(driver.ReportText() == ExpectedReport(opened, 1, 0));
    driver.Command(ID_NOTATION_HEX);
    CHECK(driver.ReportText() == ExpectedReport(opened, 1, 1));
    driver.Command(ID_TEXT_SUMMARY);
    CHECK(driver.ReportText() == summary);

    // A file that does not load keeps everything, image included.
    std::string bad = TempPath("bad.bmp");
    CHECK(WriteFileBytes(bad, {'B', 'M', 'x'}));
    BitmapImage* before = TheShell().document.image;
    driver.Expect(ChooseFile(bad));
    driver.Expect(AnswerMessageBox(IDOK));
    driver.Command(ID_FILE_OPEN);
    CHECK(driver.PendingAnswers() == 0);
    CHECK(!driver.Seen().empty() && driver.Seen().back().text == "Loading error!");
    CHECK(!driver.Seen().empty() && lstrcmpiA(driver.Seen().back().caption.c_str(), bad.c_str()) == 0);
    CHECK(TheShell().document.image == before);
    CHECK(driver.Title() == "Korvane - [pic.bmp]");
    CHECK(driver.ReportText() == summary);

    // Maximising grays the window items, restoring brings them back with an image.
    ShowWindow(driver.Window(), SW_MAXIMIZE);
    driver.Drain();
    CHECK(driver.IsGrayed(kMenuWindow, kWindowFitImage) && driver.IsGrayed(kMenuWindow, kWindowKeepAspect));
    ShowWindow(driver.Window(), SW_RESTORE);
    driver.Drain();
    CHECK(ImageItemsGrayed(driver, 0));
}

WIN_TEST(E2eNewInEachModeAndItsErrors) {
    E2eDriver driver;
    if (driver.Start() == nullptr) {
        return;
    }
    const char* entriesOfMode[] = {"2", "16", "256", "0"};
    const uint16_t bitsOfMode[] = {1, 4, 8, 24};
    for (int mode = 0; mode < 4; ++mode) {
        if (mode > 0) {
            driver.Expect(AnswerMessageBox(IDNO));  // the previous new image asks first
        }
        std::string shown;
        driver.Expect(FillNewImage("6", "4", mode, nullptr, IDOK, &shown));
        driver.Command(ID_FILE_NEW);
        CHECK(driver.PendingAnswers() == 0);
        CHECK(shown == entriesOfMode[mode]);
        CHECK(driver.Title() == "Korvane - [Bitmap]");
        const BitmapImage* image = TheShell().document.image;
        CHECK(image != nullptr && BitCount(image) == bitsOfMode[mode]);
        CHECK(driver.IsGrayed(kMenuView, kViewEditColorTable) == (mode == 3));
    }
    driver.ClearSeen();
    driver.Expect(AnswerMessageBox(IDNO));
    driver.Expect(FillNewImage(nullptr, nullptr, 3, "5", IDOK));
    driver.Expect(AnswerMessageBox(IDOK));
    driver.Command(ID_FILE_NEW);
    CHECK(driver.PendingAnswers() == 0);
    CHECK(driver.Seen().size() == 3);
    CHECK(driver.LastSeen("Creating error!", "Korvane"));
    CHECK(TheShell().document.image != nullptr && BitCount(TheShell().document.image) == 24);

    // Typed values and the chosen mode are kept after Cancel and shown again.
    driver.Expect(AnswerMessageBox(IDNO));
    driver.Expect(FillNewImage("77", "55", 1, nullptr, IDCANCEL));
    driver.Command(ID_FILE_NEW);
    const NewImageSettings& kept = TheShell().newImage;
    CHECK(kept.width == 77 && kept.height == 55 && kept.entryCount == 16 && kept.modeIndex == 1);
    std::string width;
    LRESULT row = -1;
    driver.Expect(AnswerMessageBox(IDNO));
    driver.Expect([&](HWND dialog) {
        if (GetDlgItem(dialog, IDC_NEW_COLOR_MODE) == nullptr) {
            return 0;
        }
        char text[32] = {};
        GetDlgItemTextA(dialog, IDC_NEW_WIDTH, text, sizeof(text));
        width = text;
        row = SendDlgItemMessageA(dialog, IDC_NEW_COLOR_MODE, CB_GETCURSEL, 0, 0);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return 1;
    });
    driver.Command(ID_FILE_NEW);
    CHECK(width == "77" && row == 1);
    CHECK(driver.PendingAnswers() == 0);
}

WIN_TEST(E2eSaveAndSaveAsWriteTheImage) {
    std::string saved = TempPath("saved.bmp");
    std::string copy = TempPath("copy.bmp");
    // Existing files would bring up the overwrite question.
    DeleteFileA(saved.c_str());
    DeleteFileA(copy.c_str());
    E2eDriver driver;
    if (driver.Start() == nullptr) {
        return;
    }
    driver.Expect(FillNewImage("4", "2", 0, nullptr, IDOK));
    driver.Command(ID_FILE_NEW);
    // Save on a never-saved image asks for a name.
    driver.Expect(ChooseFile(saved));
    driver.Command(ID_FILE_SAVE);
    CHECK(driver.PendingAnswers() == 0);
    // A 4 x 2 monochrome image: both headers, two black entries, two zero rows of 4 bytes.
    std::vector<uint8_t> bytes = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,  // file header
                                  40,  0,   0,  0, 4, 0, 0, 0, 2, 0, 0,  0, 1, 0, 1, 0, 0, 0, 0, 0,
                                  8,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 2, 0, 0, 0, 0, 0, 0, 0};
    bytes.resize(70, 0);
    CHECK(ReadFileBytes(saved) == bytes);
    CHECK(driver.Title() == "Korvane - [saved.bmp]");
    CHECK(TheShell().document.dirty == 0);

    driver.Expect(ChooseFile(copy));
    driver.Command(ID_FILE_SAVE_AS);
    CHECK(ReadFileBytes(copy) == bytes);
    CHECK(driver.Title() == "Korvane - [copy.bmp]");

    // A change mark goes away with a successful save, which writes the file again.
    Shell& shell = TheShell();
    shell.document.dirty = 1;
    updateTitle(shell, shell.document.path, 1);
    CHECK(driver.Title() == "Korvane - [copy.bmp *]");
    DeleteFileA(copy.c_str());
    driver.Command(ID_FILE_SAVE);
    CHECK(driver.Title() == "Korvane - [copy.bmp]");
    CHECK(ReadFileBytes(copy) == bytes);
    // The new-image dialog and the two file dialogs; no message.
    CHECK(driver.Seen().size() == 3);
    for (const SeenDialog& seen : driver.Seen()) {
        CHECK(seen.text.empty());
    }
}

WIN_TEST(E2eSavePromptOnCloseAndExit) {
    E2eDriver driver;
    HWND window = driver.Start();
    if (window == nullptr) {
        return;
    }
    driver.Expect(FillNewImage(nullptr, nullptr, -1, nullptr, IDOK));
    driver.Command(ID_FILE_NEW);

    driver.Expect(AnswerMessageBox(IDCANCEL));
    SendMessageA(window, WM_CLOSE, 0, 0);
    driver.Drain();
    CHECK(IsWindow(window));
    CHECK(driver.LastSeen("Bitmap への変更を保存しますか?", "Korvane"));

    // Yes whose save dialog is cancelled keeps the window and the image.
    driver.Expect(AnswerMessageBox(IDYES));
    driver.Expect(ChooseFile(""));
    SendMessageA(window, WM_CLOSE, 0, 0);
    driver.Drain();
    CHECK(IsWindow(window));
    CHECK(TheShell().document.image != nullptr);

    driver.Expect(AnswerMessageBox(IDNO));
    driver.Command(ID_FILE_CLOSE);
    CHECK(driver.Title() == "Korvane");
    CHECK(driver.ReportText().empty());
    CHECK(TheShell().document.image == nullptr);
    CHECK(ImageItemsGrayed(driver, 1));

    driver.Expect([](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return 1;
    });
    driver.Command(ID_HELP_ABOUT);
    CHECK(!driver.Seen().empty() && driver.Seen().back().caption == "ﾊﾞｰｼﾞｮﾝ情報");

    // Exit asks like the close box.
    driver.Expect(FillNewImage(nullptr, nullptr, -1, nullptr, IDOK));
    driver.Command(ID_FILE_NEW);
    driver.Expect(AnswerMessageBox(IDCANCEL));
    driver.Command(ID_FILE_EXIT);
    CHECK(IsWindow(window));
    driver.Expect(AnswerMessageBox(IDNO));
    driver.Command(ID_FILE_EXIT);
    CHECK(!IsWindow(window));
    CHECK(TheShell().mainWindowDestroyed == 1);
    CHECK(driver.PendingAnswers() == 0);
}

WIN_TEST(E2eSettingsStoredAtExitButNotAfterDelete) {
    deleteSettings();
    {
        E2eDriver driver;
        HWND window = driver.Start();
        if (window == nullptr) {
            return;
        }
        driver.Command(ID_TEXT_MEMBERS);
        driver.Command(ID_NOTATION_HEX);
        driver.Command(ID_BG_WHITE);
        MoveWindow(window, 100, 120, 400, 300, TRUE);
        driver.Drain();
        driver.Finish();
    }
    for (const char* name : {"TextOption", "Notation", "BgColor"}) {
        CHECK(StoredIntegers(name) == std::vector<int32_t>{1});
    }
    CHECK(StoredIntegers("ViewData") == std::vector<int32_t>{0});
    CHECK(StoredIntegers("WindowInfo") == (std::vector<int32_t>{100, 120, 500, 420}));

    E2eDriver driver;
    HWND window = driver.Start();
    if (window == nullptr) {
        return;
    }
    CHECK(driver.queuedCommands ==
          QueuedVisible({ID_NOTATION_HEX, ID_BG_WHITE, ID_TEXT_MEMBERS, ID_IMAGE_ACTUAL_SIZE, ID_VIEW_HEADER}));
    CHECK(driver.IsRadioChecked(kMenuView, kViewNotationSubmenu, kNotationHex));
    CHECK(driver.IsRadioChecked(kMenuView, kViewTextSubmenu, kTextMembers));
    CHECK(!driver.IsGrayed(kMenuView, kViewNotationSubmenu));
    RECT r;
    GetWindowRect(window, &r);
    CHECK(r.left == 100 && r.top == 120 && r.right == 500 && r.bottom == 420);

    // The command asks first: No keeps the settings, Yes deletes them and nothing is written
    // at exit.
    driver.Expect(AnswerMessageBox(IDNO));
    driver.Command(ID_EDIT_DELETE_SETTINGS);
    CHECK(driver.LastSeen("ﾚｼﾞｽﾄﾘを削除してもよろしいですか？", "Korvane"));
    CHECK(StoredKeyExists());
    driver.Expect(AnswerMessageBox(IDYES));
    driver.Command(ID_EDIT_DELETE_SETTINGS);
    CHECK(driver.LastSeen("ﾚｼﾞｽﾄﾘを削除してもよろしいですか？", "Korvane"));
    CHECK(!StoredKeyExists());
    driver.Command(ID_TEXT_SUMMARY);
    driver.Finish();
    CHECK(!StoredKeyExists());
}

WIN_TEST(E2eRectangleOffEveryMonitorComesBack) {
    HKEY key;
    CHECK(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Velmarin\\Korvane", 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS);
    int32_t rect[4] = {-5000, -4000, -4670, -3700};
    RegSetValueExA(key, "WindowInfo", 0, REG_BINARY, reinterpret_cast<const BYTE*>(rect), sizeof(rect));
    RegCloseKey(key);
    E2eDriver driver;
    HWND window = driver.Start();
    if (window == nullptr) {
        return;
    }
    RECT r;
    GetWindowRect(window, &r);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CHECK(r.right - r.left == 330 && r.bottom - r.top == 300);
    CHECK(r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom);
    driver.Finish();
    deleteSettings();
}

WIN_TEST(E2eDoubleByteFileNameInTheTitle) {
    // 表 ends in the byte 0x5C, the same as a backslash.
    std::string path = TempPath("表.bmp");
    BitmapImage image;
    CHECK(image.Create(nullptr, 2, 2, 4, 16) && image.Save(path.c_str(), 1));
    E2eDriver driver;
    if (driver.Start() == nullptr) {
        return;
    }
    driver.Expect(ChooseFile(path));
    driver.Command(ID_FILE_OPEN);
    CHECK(driver.PendingAnswers() == 0);
    CHECK(driver.Title() == "Korvane - [表.bmp]");
    Shell& shell = TheShell();
    shell.document.dirty = 1;
    driver.Expect(AnswerMessageBox(IDCANCEL));
    driver.Command(ID_FILE_CLOSE);
    CHECK(driver.LastSeen("表.bmp への変更を保存しますか?", "Korvane"));
    CHECK(shell.document.image != nullptr);
}
