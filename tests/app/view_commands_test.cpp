#include "tests/app/shell_fixture.h"
#include "views/paint_plan.h"
#include "views/window_fit.h"

namespace {

using ViewTest = ShellTest;

// Posted while the window is made, so they run from the loop, the view last; each brings its
// setting to 0 or 1 and sets the menus to match.
TEST_F(ViewTest, StartupCommandsFollowTheSettingsAndNormaliseThem) {
    const uint32_t kStored[][5] = {{0, 0, 0, 0, 0}, {7, 1, 2, 0xFFFFFFFF, 3}};
    for (const uint32_t* stored : kStored) {
        bool on = stored[0] != 0;
        settings = Settings();
        settings.Notation = stored[0];
        settings.BgColor = stored[1];
        settings.TextOption = stored[2];
        settings.ImageOption = stored[3];
        settings.ViewData = stored[4];
        OnCreate(shell);
        const std::vector<int> kOff{ID_NOTATION_DEC, ID_BG_BLACK, ID_TEXT_SUMMARY, ID_IMAGE_ACTUAL_SIZE,
                                    ID_VIEW_HEADER};
        const std::vector<int> kOn{ID_NOTATION_HEX, ID_BG_WHITE, ID_TEXT_MEMBERS, ID_IMAGE_FIT_WINDOW, ID_VIEW_IMAGE};
        EXPECT_EQ(fake.posted, on ? kOn : kOff);
        fake.RunPosted();
        EXPECT_EQ((std::vector<uint32_t>{settings.Notation, settings.BgColor, settings.TextOption, settings.ImageOption,
                                         settings.ViewData}),
                  std::vector<uint32_t>(5, on));
        for (int submenu : {kViewNotationSubmenu, kViewBackgroundSubmenu, kViewTextSubmenu, kViewImageSubmenu}) {
            EXPECT_EQ(fake.RadioMark(kMenuView, submenu), on) << submenu;
        }
        EXPECT_EQ(fake.RadioMark(kMenuView, -1), on ? kViewImage : kViewHeader);
        EXPECT_TRUE(fake.reportTexts.empty());  // no image, no report
    }
}

// Which items each view and option leaves enabled (1) or grayed (0).
TEST_F(ViewTest, MenuStatesFollowTheViewAndTheOptions) {
    const int kItems[][2] = {{kMenuEdit, kEditSelectAll},         {kMenuView, kViewTextSubmenu},
                             {kMenuView, kViewNotationSubmenu},   {kMenuView, kViewImageSubmenu},
                             {kMenuView, kViewBackgroundSubmenu}, {kMenuView, kViewRedraw}};
    const struct {
        int command;
        int enabled[6];
        std::pair<int, int> report;  // the report control's size, -1 while hidden
    } kSteps[] = {
        {ID_VIEW_HEADER, {1, 1, 0, 0, 0, 0}, {322, 250}},     {ID_TEXT_MEMBERS, {1, 1, 1, 0, 0, 0}, {322, 250}},
        {ID_VIEW_IMAGE, {0, 0, 0, 1, 1, 1}, {-1, -1}},        {ID_IMAGE_FIT_WINDOW, {0, 0, 0, 1, 0, 1}, {-1, -1}},
        {ID_IMAGE_ACTUAL_SIZE, {0, 0, 0, 1, 1, 1}, {-1, -1}}, {ID_VIEW_HEADER, {1, 1, 1, 0, 0, 0}, {300, 200}},
        {ID_TEXT_SUMMARY, {1, 1, 0, 0, 0, 0}, {300, 200}},
    };
    for (const auto& step : kSteps) {
        if (step.report.first == 300) {
            fake.client = {0, 0, 300, 200};  // resized in the image view: the report is fitted anew
        }
        Run(step.command);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(fake.IsGrayed(kItems[i][0], kItems[i][1]), !step.enabled[i]) << step.command << " item " << i;
        }
        EXPECT_EQ(fake.reportSize, step.report) << step.command;
    }
    EXPECT_EQ(DispatchCommand(shell, ID_VIEW_OPTIONS), 0);  // not one of the main window's own
}

// Each form is built once; the notation already in force keeps the member list's cache.
TEST_F(ViewTest, ReportFollowsFormAndNotationFromItsCaches) {
    std::string path = WriteBitmap("pic.bmp", 2, 2, 8, 2);
    Open(path);
    Run(ID_TEXT_MEMBERS);
    CopyPath(shell.document.path, "renamed");  // only a report built anew shows the new name
    Run(ID_NOTATION_DEC);
    Run(ID_TEXT_SUMMARY);
    Run(ID_TEXT_MEMBERS);
    Run(ID_NOTATION_HEX);
    const std::vector<std::string>& shown = fake.reportTexts;
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_NE(shown[0].find(path), std::string::npos);
    EXPECT_NE(shown[1].find(".biWidth         = 2\r\n"), std::string::npos);
    EXPECT_EQ(std::vector<std::string>(shown.begin() + 2, shown.end() - 1),
              (std::vector<std::string>{shown[1], shown[0], shown[1]}));
    EXPECT_NE(shown[5].find(".biWidth         = 0x0002\r\n"), std::string::npos);
    EXPECT_NE(shown[5].find("renamed"), std::string::npos);
    Run(ID_VIEW_IMAGE);  // the image view keeps the text the control has
    Run(ID_TEXT_SUMMARY);
    EXPECT_EQ(fake.reportTexts.size(), 6u);
}

TEST_F(ViewTest, RepaintsTabAndSelectAll) {
    for (int command :
         {ID_VIEW_IMAGE, ID_IMAGE_ACTUAL_SIZE, ID_IMAGE_FIT_WINDOW, ID_BG_BLACK, ID_BG_WHITE, ID_VIEW_REDRAW}) {
        int before = fake.repaints;
        Run(command);
        EXPECT_EQ(fake.repaints, before + 1) << command;
    }
    Run(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(fake.selectAlls, 1);
    OnKeyDown(shell.View(), 9);
    OnKeyDown(shell.View(), 'A');
    Run(ID_VIEW_HEADER);
    OnKeyDown(shell.View(), 9);
    EXPECT_EQ(fake.posted, (std::vector<int>{ID_VIEW_HEADER, ID_VIEW_IMAGE}));
}

TEST(PaintPlan, DrawsByViewOptionAndBackground) {
    const struct {
        uint32_t view, option, background;
        int hasImage;
        PaintPlan plan;  // stretch, black fill, unscaled image
    } kCases[] = {{0, 0, 0, 1, {0, 0, 0}}, {0, 1, 1, 1, {0, 0, 0}}, {1, 1, 0, 1, {1, 0, 0}}, {1, 1, 0, 0, {0, 1, 0}},
                  {1, 0, 0, 1, {0, 1, 1}}, {1, 0, 1, 1, {0, 0, 1}}, {1, 0, 1, 0, {0, 0, 0}}};
    for (const auto& c : kCases) {
        DisplaySettings settings;
        settings.ViewData = c.view;
        settings.ImageOption = c.option;
        settings.BgColor = c.background;
        PaintPlan plan = PlanPaint(settings, c.hasImage);
        EXPECT_EQ(std::vector<int>({plan.stretchImage, plan.fillBlack, plan.drawImage}),
                  std::vector<int>({c.plan.stretchImage, c.plan.fillBlack, c.plan.drawImage}))
            << c.view << c.option << c.background << c.hasImage;
    }
}

TEST(WindowFit, ArithmeticIn64BitsHeldTo32) {
    const WindowRect outer{10, 20, 420, 330};
    const WindowRect client{0, 0, 400, 250};
    auto fields = [](const WindowPlacement& p) { return std::vector<int64_t>{p.x, p.y, p.width, p.height}; };
    EXPECT_EQ(fields(WithClientWidth(outer, client, 100)), (std::vector<int64_t>{10, 20, 110, 310}));
    EXPECT_EQ(fields(WithClientHeight(outer, client, 50)), (std::vector<int64_t>{10, 20, 410, 110}));
    EXPECT_EQ(fields(WithImageProportions(outer, client, 300, 200)), (std::vector<int64_t>{10, 20, 410, 326}));
    // 4000 x 600000 / 1000 overflows 32 bits in the product but not in the quotient.
    const WindowRect wide{0, 0, 4010, 600};
    EXPECT_EQ(WithImageProportions(wide, {0, 0, 4000, 540}, 1000, 600000).height, 2400060);
    EXPECT_EQ(WithImageProportions(wide, {0, 0, 4000, 540}, 1, INT32_MAX).height, INT32_MAX);
    EXPECT_EQ(WithImageProportions(wide, {0, 0, 4000, 540}, 0, 3).height, 12060);  // no image is 0 wide; no trap
    EXPECT_EQ(WithClientWidth({INT32_MIN, 0, INT32_MAX, 10}, {0, 0, 1, 1}, INT32_MAX).width, INT32_MAX);
}

// Fit to image moves twice, measuring the frame again after the width changed (the fake's menu
// bar wraps below 200 pixels); keep proportions moves once and shows the image fitted.
TEST_F(ViewTest, WindowCommandsSizeTheClientToTheImage) {
    Run(ID_WINDOW_FIT_IMAGE);
    Run(ID_WINDOW_KEEP_ASPECT);
    EXPECT_EQ(fake.repaints + fake.posted.size(), 0u);  // nothing without an image
    Open(WriteBitmap("pic.bmp", 100, 50, 8, 2));
    Run(ID_WINDOW_FIT_IMAGE);
    EXPECT_EQ(std::make_pair(fake.client.right, fake.client.bottom), std::make_pair(100, 50));
    EXPECT_EQ(fake.posted, std::vector<int>{ID_VIEW_IMAGE});
    fake.RunPosted();
    int repaints = fake.repaints;
    Run(ID_WINDOW_FIT_IMAGE);  // in the image view: two moves and a repaint
    EXPECT_EQ(fake.repaints, repaints + 3);

    fake.answers = {Answer::kNo};
    Open(WriteBitmap("wide.bmp", 300, 200, 8, 2));
    Run(ID_VIEW_HEADER);
    fake.client = {0, 0, 400, 100};
    fake.outer = {0, 0, 408, 150};
    Run(ID_WINDOW_KEEP_ASPECT);
    EXPECT_EQ(std::make_pair(fake.client.right, fake.client.bottom), std::make_pair(400, 266));
    EXPECT_EQ(fake.posted, (std::vector<int>{ID_VIEW_IMAGE, ID_IMAGE_FIT_WINDOW}));
    fake.RunPosted();
    EXPECT_EQ(settings.ViewData + settings.ImageOption, 2u);
    repaints = fake.repaints;
    Run(ID_WINDOW_KEEP_ASPECT);  // image view fitted already: nothing posted, one move, a repaint
    EXPECT_TRUE(fake.posted.empty());
    EXPECT_EQ(fake.repaints, repaints + 2);
}

// Only the normal rectangle is kept; sizing moves the visible text view; a maximised window
// grays the window items, restoring enables them again when there is an image.
TEST_F(ViewTest, MovingAndSizingTheMainWindow) {
    fake.outer = {1, 2, 3, 4};
    for (auto state : {std::make_pair(1, 0), {0, 1}, {0, 0}}) {
        fake.minimized = state.first;
        fake.maximized = state.second;
        OnMove(shell);
        EXPECT_EQ(settings.windowInfo.left, state == std::make_pair(0, 0) ? 1 : 50);
    }
    fake.outer = {10, 20, 410, 320};
    OnSize(shell, kSizeRestored, 300, 200);
    EXPECT_EQ(fake.reportSize, std::make_pair(300, 200));
    EXPECT_EQ(settings.windowInfo.right, 410);
    EXPECT_EQ(Seen(), "Korvane");  // restoring without an image enables nothing
    fake.outer = {0, 0, 1, 1};
    OnSize(shell, kSizeMinimized, 0, 0);
    settings.ViewData = 1;
    OnSize(shell, kSizeRestored, 500, 400);
    EXPECT_EQ(fake.reportSize, std::make_pair(300, 200));  // minimised, or hidden: kept
    EXPECT_EQ(settings.windowInfo.left, 0);

    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    OnSize(shell, kSizeMaximized, 800, 600);
    EXPECT_TRUE(fake.IsGrayed(kMenuWindow, kWindowFitImage) && fake.IsGrayed(kMenuWindow, kWindowKeepAspect));
    OnSize(shell, kSizeRestored, 300, 200);
    EXPECT_EQ(Seen(), "Korvane - [pic.bmp] items table");
}

}  // namespace
