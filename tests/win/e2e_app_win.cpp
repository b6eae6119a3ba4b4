// End-to-end tests of the program in-process: the real file and new-image dialogs, the files
// written, the settings in the real registry, and what each view paints and shows.
#include <windows.h>

#include "app/main_window_win.h"
#include "resources/resource.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"
#include "views/header_report.h"

WIN_TEST(E2eOpenDialogRefusesAMissingFileAndTheReportShowsEachForm) {
    E2eDriver driver;
    HWND window = driver.Start();
    // The dialog answers a missing name with a box of its own; the program never sees the name.
    driver.Expect(ChooseFile(TempPath("missing.bmp")));
    driver.Expect(
        [window](HWND box) { return GetWindow(box, GW_OWNER) != window && PostMessageA(box, WM_COMMAND, IDOK, 0); });
    driver.Command(ID_FILE_OPEN);
    CHECK(driver.PendingAnswers() == 0 && TheShell().document.path[0] == '\0');

    std::string path = TempPath("pic.bmp");
    CHECK(WriteImage(path, 5, 3, [](int x, int y) { return RGB(x, y, 7); }));
    driver.Open(path);
    const Document& document = TheShell().document;
    const struct {
        int command;
        uint32_t textOption, notation;
    } forms[] = {{ID_TEXT_SUMMARY, 0, 0}, {ID_TEXT_MEMBERS, 1, 0}, {ID_NOTATION_HEX, 1, 1}, {ID_TEXT_SUMMARY, 0, 1}};
    for (const auto& form : forms) {
        driver.Command(form.command);
        HeaderReport report;
        const char* expected = report.Refresh(document.image, document.path, {form.textOption, form.notation, 0});
        CHECK(expected != nullptr && WindowText(GetDlgItem(window, IDC_TEXT_VIEW)) == expected);
    }
}

// Each dialog comes up with what the one before left at Cancel: the sizes typed, the mode
// chosen and the entries that mode filled in.
WIN_TEST(E2eNewImageDialogFillsEntriesAndKeepsWhatWasTyped) {
    E2eDriver driver;
    driver.Start();
    const char* const shownBefore[] = {"256 256 256 2", "6 4 2 0", "6 4 16 1", "6 4 256 2", "6 4 0 3"};
    for (int i = 0; i < 5; ++i) {
        std::string shown;
        driver.Expect(FillNewImage("6", "4", i % 4, IDCANCEL, &shown));
        driver.Command(ID_FILE_NEW);
        CHECK(shown == shownBefore[i] && TheShell().document.image == nullptr);
    }
}

WIN_TEST(E2eSaveDialogAddsTheExtensionAndAsksBeforeOverwriting) {
    std::string original = TempPath("original.bmp");
    std::string copy = TempPath("表.bmp");  // 表 ends in the byte of a backslash
    DeleteFileA(copy.c_str());
    CHECK(WriteImage(original, 3, 2, [](int x, int y) { return RGB(x, y, 9); }));
    E2eDriver driver;
    driver.Start();
    driver.Open(original);
    // Typed without extension, the name gets one; the file is the image's, byte for byte.
    driver.Expect(ChooseFile(TempPath("表")));
    driver.Command(ID_FILE_SAVE_AS);
    std::vector<uint8_t> bytes = ReadFileBytes(original);
    CHECK(bytes.size() == 54 + 2 * 12 && ReadFileBytes(copy) == bytes);
    // No to the overwrite question goes back to the dialog (then cancelled): nothing written.
    for (int answer : {IDNO, IDYES}) {
        CHECK(WriteFileBytes(copy, {'x'}));
        driver.Expect(ChooseFile(copy));
        driver.Expect(AnswerMessageBox(answer));
        driver.Command(ID_FILE_SAVE_AS);
        CHECK(driver.PendingAnswers() == 0 &&
              ReadFileBytes(copy) == (answer == IDYES ? bytes : std::vector<uint8_t>{'x'}));
    }
}

WIN_TEST(E2eSettingsStoredAtExitButNotAfterTheirDeletion) {
    E2eDriver driver;
    HWND window = driver.Start();
    for (int command : {ID_TEXT_MEMBERS, ID_NOTATION_HEX, ID_BG_WHITE, ID_IMAGE_FIT_WINDOW}) {
        driver.Command(command);
    }
    MoveWindow(window, 100, 120, 400, 300, TRUE);
    driver.Finish();
    for (const char* name : {"TextOption", "Notation", "BgColor", "ImageOption"}) {
        CHECK(StoredIntegers(name) == std::vector<int32_t>{1});
    }
    CHECK(StoredIntegers("WindowInfo") == (std::vector<int32_t>{100, 120, 500, 420}));
    // The command asks first: No keeps them, Yes deletes them and none are written at exit.
    driver.Start(true);
    for (int answer : {IDNO, IDYES}) {
        std::string question;
        driver.Expect(AnswerMessageBox(answer, &question));
        driver.Command(ID_EDIT_DELETE_SETTINGS);
        CHECK(question == "ﾚｼﾞｽﾄﾘを削除してもよろしいですか？" &&
              StoredIntegers("TextOption").empty() == (answer == IDYES));
    }
    driver.Finish();
    CHECK(StoredIntegers("WindowInfo").empty());
}

// The image at actual size or fitted, on its background, repainted at once by each command.
// Sized while hidden, the report is fitted again when it shows and the window's own painting
// draws nothing under it. F5 redraws the image view only, Ctrl+A selects the report only.
WIN_TEST(E2eViewsPaintAtOnceAndTakeOnlyTheirKeys) {
    // A one-colour image in the image view, as the first start shows it: actual size, on black.
    const int kImageWidth = 16, kImageHeight = 8;
    const COLORREF kImageColour = RGB(0xC0, 0x80, 0x20), kScribble = RGB(0xFF, 0, 0xFF), kWhite = RGB(0xFF, 0xFF, 0xFF);
    std::string path = TempPath("one-colour.bmp");
    CHECK(WriteImage(path, kImageWidth, kImageHeight, [](int, int) { return kImageColour; }));
    E2eDriver driver;
    HWND window = driver.Start();
    driver.Open(path);
    driver.Command(ID_VIEW_IMAGE);
    RECT c;
    GetClientRect(window, &c);
    const LONG right = c.right - 1, bottom = c.bottom - 1;
    const std::initializer_list<POINT> beyondImage = {
        {kImageWidth, kImageHeight}, {right, 0}, {0, bottom}, {right / 2, bottom / 2}, {right, bottom}};
    const struct {
        int command;
        COLORREF beyondImage;
    } cases[] = {{ID_BG_WHITE, kWhite},     {ID_BG_BLACK, 0},      {ID_IMAGE_FIT_WINDOW, kImageColour},
                 {ID_IMAGE_ACTUAL_SIZE, 0}, {ID_BG_WHITE, kWhite}, {ID_VIEW_REDRAW, kWhite}};
    for (const auto& row : cases) {
        Scribble(window, kScribble);
        // Sent, not pumped: only the command's own repaint can replace the scribble.
        SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(row.command), 0);
        CHECK(Shows(window, {{0, 0}, {kImageWidth - 1, kImageHeight - 1}}, kImageColour) &&
              Shows(window, beyondImage, row.beyondImage));
    }

    MoveWindow(window, 60, 60, 420, 360, TRUE);
    driver.Command(ID_VIEW_HEADER);
    HWND report = GetDlgItem(window, IDC_TEXT_VIEW);
    RECT fitted;
    CHECK(GetClientRect(window, &c) && GetWindowRect(report, &fitted));
    CHECK(fitted.right - fitted.left == c.right && fitted.bottom - fitted.top == c.bottom);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
    CHECK(Shows(window, {{0, 0}, {c.right / 2, c.bottom / 2}, {c.right - 1, c.bottom - 1}}, kWhite));

    // The end of the text in the control's own units.
    LRESULT lastLine = SendMessageA(report, EM_LINEINDEX, SendMessageA(report, EM_GETLINECOUNT, 0, 0) - 1, 0);
    DWORD length = static_cast<DWORD>(lastLine + SendMessageA(report, EM_LINELENGTH, lastLine, 0));
    for (bool header : {false, true}) {
        driver.Command(header ? ID_VIEW_HEADER : ID_VIEW_IMAGE);
        SendMessageA(report, EM_SETSEL, 0, 0);
        SetFocus(window);
        driver.Drain();
        Scribble(window, kScribble);
        driver.Key(VK_F5);
        CHECK(Shows(window, {{0, 0}}, header ? kScribble : kImageColour));
        driver.Key('A', true);
        DWORD start = 1, end = 1;
        SendMessageA(report, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        CHECK(length > 0 && start == 0 && end == (header ? length : 0) && (GetFocus() == report) == header);
    }
}
