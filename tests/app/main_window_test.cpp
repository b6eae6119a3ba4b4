#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/view_commands.h"
#include "tests/app/shell_fixture.h"

namespace {

using MainWindowTest = ShellTest;

// Posted while the window is made, so they run from the loop; the view comes last.
TEST_F(MainWindowTest, FirstStartPostsTheDefaultViewCommands) {
    OnCreate(shell);
    EXPECT_EQ(fake.posted,
              (std::vector<int>{ID_NOTATION_DEC, ID_BG_BLACK, ID_TEXT_SUMMARY, ID_IMAGE_ACTUAL_SIZE, ID_VIEW_HEADER}));
    EXPECT_TRUE(fake.ran.empty());
    fake.RunPosted();
    EXPECT_EQ(fake.RadioMark(kMenuView, kViewNotationSubmenu), kNotationDec);
    EXPECT_EQ(fake.RadioMark(kMenuView, kViewBackgroundSubmenu), kBgBlack);
    EXPECT_EQ(fake.RadioMark(kMenuView, kViewTextSubmenu), kTextSummary);
    EXPECT_EQ(fake.RadioMark(kMenuView, kViewImageSubmenu), kImageActualSize);
    EXPECT_EQ(fake.RadioMark(kMenuView, -1), kViewHeader);
    EXPECT_FALSE(fake.IsGrayed(kMenuEdit, kEditSelectAll));
    EXPECT_FALSE(fake.IsGrayed(kMenuView, kViewTextSubmenu));
    for (int item :
         {kViewNotationSubmenu, kViewImageSubmenu, kViewBackgroundSubmenu, kViewRedraw, kViewEditColorTable}) {
        EXPECT_TRUE(fake.IsGrayed(kMenuView, item)) << item;
    }
    ExpectImageItems(false);
    EXPECT_TRUE(fake.reportVisible);
    EXPECT_EQ(fake.reportTextSets, 0);  // no image, no report
}

TEST_F(MainWindowTest, StartupCommandsFollowTheSettingsAndNormaliseThem) {
    settings.Notation = 7;
    settings.BgColor = 1;
    settings.TextOption = 2;
    settings.ImageOption = 0xFFFFFFFF;
    settings.ViewData = 3;
    OnCreate(shell);
    EXPECT_EQ(fake.posted,
              (std::vector<int>{ID_NOTATION_HEX, ID_BG_WHITE, ID_TEXT_MEMBERS, ID_IMAGE_FIT_WINDOW, ID_VIEW_IMAGE}));
    fake.RunPosted();
    EXPECT_EQ((std::vector<uint32_t>{settings.Notation, settings.BgColor, settings.TextOption, settings.ImageOption,
                                     settings.ViewData}),
              (std::vector<uint32_t>{1, 1, 1, 1, 1}));
    EXPECT_FALSE(fake.reportVisible);
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewBackgroundSubmenu));  // fit to window
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewNotationSubmenu));    // image view
}

TEST_F(MainWindowTest, ViewMenuStatesFollowTheOptions) {
    Run(ID_TEXT_SUMMARY);
    Run(ID_VIEW_HEADER);
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewNotationSubmenu));
    Run(ID_TEXT_MEMBERS);
    EXPECT_FALSE(fake.IsGrayed(kMenuView, kViewNotationSubmenu));
    Run(ID_VIEW_IMAGE);
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewNotationSubmenu));
    EXPECT_TRUE(fake.IsGrayed(kMenuEdit, kEditSelectAll));
    EXPECT_FALSE(fake.IsGrayed(kMenuView, kViewRedraw));
    EXPECT_FALSE(fake.IsGrayed(kMenuView, kViewBackgroundSubmenu));
    Run(ID_IMAGE_FIT_WINDOW);
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewBackgroundSubmenu));
    Run(ID_IMAGE_ACTUAL_SIZE);
    EXPECT_FALSE(fake.IsGrayed(kMenuView, kViewBackgroundSubmenu));
    Run(ID_VIEW_HEADER);
    EXPECT_FALSE(fake.IsGrayed(kMenuView, kViewNotationSubmenu));  // members still chosen
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewImageSubmenu));
    EXPECT_EQ(DispatchCommand(shell, ID_VIEW_OPTIONS), 0);  // not one of the main window's own
}

TEST_F(MainWindowTest, ReportFollowsFormAndNotation) {
    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    std::string summary = fake.reportText;
    Run(ID_TEXT_MEMBERS);
    std::string decimal = fake.reportText;
    EXPECT_NE(decimal, summary);
    Run(ID_NOTATION_DEC);  // already in force: the cache stays
    EXPECT_NE(shell.report.MemberListCache().Length(), 0);
    Run(ID_NOTATION_HEX);
    EXPECT_NE(fake.reportText, decimal);
    EXPECT_EQ(settings.Notation, 1u);
    Run(ID_TEXT_SUMMARY);
    EXPECT_EQ(fake.reportText, summary);
    // The image view keeps the text the control has.
    Run(ID_VIEW_IMAGE);
    int sets = fake.reportTextSets;
    Run(ID_TEXT_MEMBERS);
    EXPECT_EQ(fake.reportTextSets, sets);
}

TEST_F(MainWindowTest, TabTogglesTheViewThroughThePostedCommand) {
    OnKeyDown(shell, 9);
    OnKeyDown(shell, 'A');
    EXPECT_EQ(fake.posted, (std::vector<int>{ID_VIEW_IMAGE}));
    fake.RunPosted();
    OnKeyDown(shell, 9);
    EXPECT_EQ(fake.posted, (std::vector<int>{ID_VIEW_HEADER}));
}

// Only the normal rectangle is kept; sizing moves the visible text view; a maximised window
// grays the window items, restoring enables them again when there is an image.
TEST_F(MainWindowTest, MovingAndSizing) {
    fake.windowRect = {1, 2, 3, 4};
    fake.minimized = 1;
    OnMove(shell);
    fake.minimized = 0;
    fake.maximized = 1;
    OnMove(shell);
    EXPECT_EQ(settings.windowInfo.left, 50);
    fake.maximized = 0;
    OnMove(shell);
    EXPECT_EQ(settings.windowInfo.left, 1);
    EXPECT_EQ(settings.windowInfo.bottom, 4);

    fake.windowRect = {10, 20, 410, 320};
    OnSize(shell, kSizeRestored, 300, 200);
    EXPECT_EQ(fake.reportSize, std::make_pair(300, 200));
    EXPECT_EQ(settings.windowInfo.right, 410);
    ExpectImageItems(false);  // restoring without an image enables nothing
    fake.windowRect = {0, 0, 1, 1};
    OnSize(shell, kSizeMinimized, 0, 0);
    EXPECT_EQ(fake.reportSize, std::make_pair(300, 200));
    EXPECT_EQ(settings.windowInfo.left, 10);
    settings.ViewData = 1;
    OnSize(shell, kSizeRestored, 500, 400);
    EXPECT_EQ(fake.reportSize, std::make_pair(300, 200));  // the hidden view keeps its size

    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    OnSize(shell, kSizeMaximized, 800, 600);
    EXPECT_TRUE(fake.IsGrayed(kMenuWindow, kWindowFitImage));
    EXPECT_TRUE(fake.IsGrayed(kMenuWindow, kWindowKeepAspect));
    OnSize(shell, kSizeRestored, 300, 200);
    EXPECT_FALSE(fake.IsGrayed(kMenuWindow, kWindowFitImage));
    EXPECT_FALSE(fake.IsGrayed(kMenuWindow, kWindowKeepAspect));
}

}  // namespace
