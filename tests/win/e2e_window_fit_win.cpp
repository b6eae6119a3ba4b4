// End-to-end: the window sized to the image on the real frame and menu bar, by the keys.
#include <windows.h>

#include "app/main_window_win.h"
#include "resources/menu_positions.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"

namespace {

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

int WindowItemsGrayed(HWND window) {
    HMENU menu = GetSubMenu(GetMenu(window), kMenuWindow);
    return (GetMenuState(menu, kWindowFitImage, MF_BYPOSITION) & MF_GRAYED) &&
           (GetMenuState(menu, kWindowKeepAspect, MF_BYPOSITION) & MF_GRAYED);
}

}  // namespace

WIN_TEST(E2eWindowFitsTheImage) {
    E2eDriver driver;
    HWND window = driver.Start();
    std::string path = TempPath("fit.bmp");
    CHECK(WriteImage(path, 300, 200, [](int, int) { return RGB(0, 128, 255); }));
    driver.Open(path);
    driver.Key(VK_F6);
    SIZE fitted = ClientSize(window);
    CHECK(fitted.cx == 300 && fitted.cy == 200);
    CHECK(TheShell().settings.ViewData == 1);

    // 400 wide and a 300 x 200 image: 266 high, the image view fitted to the window.
    driver.Key(VK_TAB);
    RECT outer;
    GetWindowRect(window, &outer);
    MoveWindow(window, outer.left, outer.top, outer.right - outer.left + 100, outer.bottom - outer.top, TRUE);
    driver.Drain();
    driver.Key(VK_F7);
    SIZE kept = ClientSize(window);
    CHECK(kept.cx == 400 && kept.cy == 266);
    CHECK(TheShell().settings.ViewData == 1 && TheShell().settings.ImageOption == 1);

    // A maximised window is not sized: both items are grayed, which also blocks their keys.
    ShowWindow(window, SW_MAXIMIZE);
    driver.Drain();
    CHECK(WindowItemsGrayed(window));
    ShowWindow(window, SW_RESTORE);
    driver.Drain();
    CHECK(!WindowItemsGrayed(window));
    driver.Finish();
}
