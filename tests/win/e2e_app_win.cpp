#include "tests/win/e2e_driver_win.h"
#include "views/header_report.h"

// Paints over the whole client area (its DC is clipped to it), invalidating nothing.
static void Scribble(HWND window, COLORREF colour) {
    HDC dc = GetDC(window);
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, colour);
    PatBlt(dc, 0, 0, 0x7FFF, 0x7FFF, PATCOPY);
    ReleaseDC(window, dc);
}

// The new-image dialog keeps what Cancel left (sizes, mode, its entries); a missing name gets the open
// dialog's own box; each view command repaints at once; the report is fitted when shown and nothing
// paints under it; F5 and Ctrl+A act in their view only; F6 sizes the real frame; maximised grays.
WIN_TEST(E2eMainWindowDialogsViewsAndKeys) {
    const int kImageWidth = 300, kImageHeight = 200;
    const COLORREF kImageColour = RGB(0xC0, 0x80, 0x20), kScribble = RGB(0xFF, 0, 0xFF), kWhite = RGB(0xFF, 0xFF, 0xFF);
    std::string path = TempPath("one-colour.bmp"), copy = TempPath("表.bmp");  // 表 ends in the byte of a backslash
    CHECK(WriteImage(path, kImageWidth, kImageHeight, [](int, int) { return kImageColour; }));
    E2eDriver driver;
    HWND window = driver.Start(), report = GetDlgItem(window, IDC_TEXT_VIEW);
    const char* const kShownBefore[] = {"256 256 256 2", "6 4 2 0", "6 4 16 1", "6 4 256 2", "6 4 0 3"};
    for (int i = 0; i < 5; ++i) {
        std::string shown;
        driver.answers = {[&shown, i](HWND dialog) {
            for (int id : {IDC_NEW_WIDTH, IDC_NEW_HEIGHT, IDC_NEW_ENTRIES}) {
                shown += WindowText(GetDlgItem(dialog, id)) + " ";
                SetDlgItemTextA(dialog, id, id == IDC_NEW_WIDTH ? "6" : "4");  // the entries until a mode is chosen
            }
            shown += std::to_string(SendDlgItemMessageA(dialog, IDC_NEW_COLOR_MODE, CB_GETCURSEL, 0, 0));
            // Choosing by message notifies nobody; the user's choice would.
            SendDlgItemMessageA(dialog, IDC_NEW_COLOR_MODE, CB_SETCURSEL, static_cast<WPARAM>(i % 4), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_NEW_COLOR_MODE, CBN_SELCHANGE), 0);
            return PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }};
        driver.Command(ID_FILE_NEW);
        CHECK(shown == kShownBefore[i] && driver.GetShell().document.image == nullptr);
    }

    driver.answers = {ChooseFile(TempPath("missing.bmp")), Reply(kMessageBoxText, IDOK), ChooseFile(path)};
    driver.Command(ID_FILE_OPEN);
    HeaderReport built;  // the forms and notations themselves are proven natively
    const char* summary = built.Refresh(driver.GetShell().document.image, driver.GetShell().document.path, {0, 0, 0});
    CHECK(driver.answers.empty() && summary && WindowText(report) == summary);

    // Typed without extension, the name gets one. A new file is written unasked (the reply stays
    // unused); over an old one, the question's No writes nothing and Yes writes.
    std::vector<uint8_t> bytes = ReadFileBytes(path), x = {'x'};
    DeleteFileA(copy.c_str());
    for (int answer : {0, IDNO, IDYES}) {
        driver.answers = {ChooseFile(TempPath("表")), Reply(kMessageBoxText, answer)};
        driver.Command(ID_FILE_SAVE_AS);
        CHECK(driver.answers.size() == (answer == 0) && ReadFileBytes(copy) == (answer == IDNO ? x : bytes));
        CHECK(bytes.size() == 54 + kImageHeight * kImageWidth * 3 && WriteFileBytes(copy, x));
    }

    driver.Command(ID_VIEW_IMAGE);
    MoveWindow(window, 60, 60, 480, 400, TRUE);
    RECT c, fitted;
    GetClientRect(window, &c);
    const std::initializer_list<POINT> beyondImage = {
        {kImageWidth, kImageHeight}, {c.right - 1, 0}, {0, c.bottom - 1}, {c.right - 1, c.bottom - 1}};
    const std::pair<int, COLORREF> kCases[] = {
        {ID_BG_WHITE, kWhite},     {ID_BG_BLACK, 0},      {ID_IMAGE_FIT_WINDOW, kImageColour},
        {ID_IMAGE_ACTUAL_SIZE, 0}, {ID_BG_WHITE, kWhite}, {ID_VIEW_REDRAW, kWhite}};
    for (const auto& [command, beyond] : kCases) {
        Scribble(window, kScribble);
        // Sent, not pumped: only the command's own repaint can replace the scribble.
        SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
        CHECK(Shows(window, {{0, 0}, {kImageWidth - 1, kImageHeight - 1}}, kImageColour) &&
              Shows(window, beyondImage, beyond));
    }

    driver.Command(ID_VIEW_HEADER);
    CHECK(GetWindowRect(report, &fitted) && OffsetRect(&fitted, -fitted.left, -fitted.top) && EqualRect(&fitted, &c));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
    CHECK(Shows(window, {{0, 0}, {c.right / 2, c.bottom / 2}, {c.right - 1, c.bottom - 1}}, kWhite));

    // The end of the text in the control's own units.
    LRESULT lastLine = SendMessageA(report, EM_LINEINDEX, SendMessageA(report, EM_GETLINECOUNT, 0, 0) - 1, 0);
    LRESULT length = lastLine + SendMessageA(report, EM_LINELENGTH, lastLine, 0);
    for (bool header : {false, true}) {
        driver.Command(header ? ID_VIEW_HEADER : ID_VIEW_IMAGE);
        Scribble(window, kScribble);
        driver.Key(VK_F5);
        CHECK(Shows(window, {{0, 0}}, header ? kScribble : kImageColour));
        driver.Key('A', true);
        LRESULT selection = SendMessageA(report, EM_GETSEL, 0, 0);
        CHECK(length > 0 && HIWORD(selection) - LOWORD(selection) == (header ? length : 0) &&
              (GetFocus() == report) == header);
    }

    // The real frame measured; the arithmetic, and F7's, are proven natively.
    driver.Key(VK_F6);
    CHECK(GetClientRect(window, &c) && c.right == kImageWidth && c.bottom == kImageHeight);
    for (UINT grayed : {UINT{MF_GRAYED}, 0u}) {
        ShowWindow(window, grayed ? SW_MAXIMIZE : SW_RESTORE);  // its sizing message is sent at once
        CHECK((GetMenuState(GetMenu(window), ID_WINDOW_FIT_IMAGE, 0) & MF_GRAYED) == grayed &&
              (GetMenuState(GetMenu(window), ID_WINDOW_KEEP_ASPECT, 0) & MF_GRAYED) == grayed);
    }
}
