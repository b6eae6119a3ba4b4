#include "tests/app/shell_fixture.h"
#include "views/window_fit.h"

using ViewTest = ShellTest;

// Posted while the window is made, so they run from the loop, the view last; each brings its
// setting to 0 or 1 and puts its radio mark. Tab then posts the other view; other keys nothing.
TEST_F(ViewTest, StartupCommandsFollowTheSettingsAndNormaliseThemTabTogglesTheView) {
    for (uint32_t stored : {0u, 7u}) {
        settings.Notation = settings.BgColor = settings.TextOption = settings.ImageOption = settings.ViewData = stored;
        OnCreate(shell);
        const int kOff[] = {ID_NOTATION_DEC, ID_BG_BLACK, ID_TEXT_SUMMARY, ID_IMAGE_ACTUAL_SIZE, ID_VIEW_HEADER};
        const int kOn[] = {ID_NOTATION_HEX, ID_BG_WHITE, ID_TEXT_MEMBERS, ID_IMAGE_FIT_WINDOW, ID_VIEW_IMAGE};
        EXPECT_EQ(fake.posted, std::vector<int>(stored ? kOn : kOff, (stored ? kOn : kOff) + 5));
        fake.RunPosted();
        EXPECT_EQ(settings.Notation + settings.BgColor + settings.TextOption + settings.ImageOption + settings.ViewData,
                  stored ? 5u : 0u);
        for (int submenu : {kViewNotationSubmenu, kViewBackgroundSubmenu, kViewTextSubmenu, kViewImageSubmenu}) {
            EXPECT_EQ(fake.RadioMark(kMenuView, submenu), stored ? 1 : 0) << submenu;
        }
        EXPECT_EQ(fake.RadioMark(kMenuView, -1), stored ? kViewImage : kViewHeader);
        EXPECT_TRUE(fake.reportTexts.empty());  // no image, no report
        OnKeyDown(shell.View(), 9);
        OnKeyDown(shell.View(), 'A');
        EXPECT_EQ(fake.posted, std::vector<int>{stored ? ID_VIEW_HEADER : ID_VIEW_IMAGE});
        fake.posted.clear();
    }
}

// Which items each view and option leaves enabled: select all, report form, notation, image display,
// background, redraw; and the report's size (-1 hidden), fitted anew when it shows after a resize.
TEST_F(ViewTest, MenuStatesFollowTheViewAndTheOptions) {
    const std::tuple<int, std::string, int> kSteps[] = {
        {ID_VIEW_HEADER, "110000", 322},     {ID_TEXT_MEMBERS, "111000", 322}, {ID_VIEW_IMAGE, "000111", -1},
        {ID_IMAGE_FIT_WINDOW, "000101", -1}, {ID_VIEW_IMAGE, "000101", -1},    {ID_IMAGE_ACTUAL_SIZE, "000111", -1},
        {ID_VIEW_HEADER, "111000", 300},     {ID_TEXT_SUMMARY, "110000", 300}};
    for (const auto& [command, enabled, reportWidth] : kSteps) {
        fake.client.right = reportWidth == 300 ? 300 : fake.client.right;
        Run(command);
        std::string seen = fake.IsGrayed(kMenuEdit, kEditSelectAll) ? "0" : "1";
        for (int item :
             {kViewTextSubmenu, kViewNotationSubmenu, kViewImageSubmenu, kViewBackgroundSubmenu, kViewRedraw}) {
            seen += fake.IsGrayed(kMenuView, item) ? "0" : "1";
        }
        EXPECT_EQ(seen + " " + std::to_string(fake.reportSize.first), enabled + " " + std::to_string(reportWidth));
    }
    EXPECT_EQ(DispatchCommand(shell, ID_PALETTE_APPLY), 0);  // the editor's, not the main window's
}

// The window keeps its place; 4000 x 600000 / 1000 overflows 32 bits in the product, not the quotient.
TEST(WindowFit, ArithmeticIn64BitsHeldTo32) {
    const WindowRect wide{10, 20, 4020, 620}, wideClient{0, 0, 4000, 540};
    WindowPlacement p = WithImageProportions(wide, wideClient, 1000, 600000);
    EXPECT_EQ((std::vector<int64_t>{p.x, p.y, p.width, p.height}), (std::vector<int64_t>{10, 20, 4010, 2400060}));
    EXPECT_EQ(WithImageProportions(wide, wideClient, 1, INT32_MAX).height, INT32_MAX);
    EXPECT_EQ(WithImageProportions(wide, wideClient, 0, 3).height, 12060);  // no image is 0 wide; no trap
    EXPECT_EQ(WithClientWidth({INT32_MIN, 0, INT32_MAX, 10}, {0, 0, 1, 1}, INT32_MAX).width, INT32_MAX);
}

// Fit to image moves twice, measuring the frame again after the width changed (the fake's menu
// bar wraps below 200 pixels); keep proportions moves once and shows the image fitted.
TEST_F(ViewTest, WindowCommandsSizeTheClientToTheImage) {
    Run(ID_WINDOW_FIT_IMAGE);  // without an image neither has anything to measure
    Run(ID_WINDOW_KEEP_ASPECT);
    Open(WriteBitmap("pic.bmp", 100, 50, 8, 2));
    Run(ID_WINDOW_FIT_IMAGE);
    EXPECT_EQ(std::make_pair(fake.client.right, fake.client.bottom), std::make_pair(100, 50));
    EXPECT_EQ(fake.posted, std::vector<int>{ID_VIEW_IMAGE});
    fake.RunPosted();
    int repaints = fake.repaints;
    Run(ID_WINDOW_FIT_IMAGE);  // in the image view: two moves and a repaint
    EXPECT_EQ(fake.repaints, repaints + 3);

    Open(WriteBitmap("wide.bmp", 300, 200, 8, 2));
    Run(ID_VIEW_HEADER);
    fake.client = {0, 0, 400, 100};
    fake.outer = {0, 0, 408, 150};
    Run(ID_WINDOW_KEEP_ASPECT);
    EXPECT_EQ(std::make_pair(fake.client.right, fake.client.bottom), std::make_pair(400, 266));
    EXPECT_EQ(fake.posted, (std::vector<int>{ID_VIEW_IMAGE, ID_IMAGE_FIT_WINDOW}));
    fake.RunPosted();
    repaints = fake.repaints;
    Run(ID_WINDOW_KEEP_ASPECT);  // image view fitted already: nothing posted, one move, a repaint
    EXPECT_EQ(fake.posted.size(), 0u);
    EXPECT_EQ(fake.repaints - repaints, 2);
}
