// End-to-end: the window sized to the image on the real frame and menu bar.
#include <windows.h>

#include <string>

#include "app/main_window_win.h"
#include "model/bitmap_image.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"

namespace {

std::string SavedImage(const char* name, int32_t width, int32_t height) {
    std::string path = TempPath(name);
    BitmapImage image;
    CHECK(image.Create(nullptr, width, height, 8, 2) && image.Save(path.c_str(), 1));
    return path;
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

}  // namespace

WIN_TEST(E2eWindowFitsTheImage) {
    E2eDriver driver;
    HWND window = driver.Start();
    if (window == nullptr) {
        return;
    }
    driver.Expect(ChooseFile(SavedImage("fit.bmp", 300, 200)));
    driver.Command(ID_FILE_OPEN);
    driver.Command(ID_WINDOW_FIT_IMAGE);
    SIZE fitted = ClientSize(window);
    CHECK(fitted.cx == 300 && fitted.cy == 200);
    CHECK(TheShell().settings.ViewData == 1);

    // Proportions: 400 wide, 300 x 200 image, so 266 high; the image view fitted to the window.
    driver.Command(ID_VIEW_HEADER);
    driver.Command(ID_IMAGE_ACTUAL_SIZE);
    RECT outer;
    GetWindowRect(window, &outer);
    MoveWindow(window, outer.left, outer.top, outer.right - outer.left + 100, outer.bottom - outer.top, TRUE);
    driver.Drain();
    CHECK(ClientSize(window).cx == 400);
    driver.Command(ID_WINDOW_KEEP_ASPECT);
    SIZE kept = ClientSize(window);
    CHECK(kept.cx == 400 && kept.cy == 266);
    CHECK(TheShell().settings.ViewData == 1 && TheShell().settings.ImageOption == 1);

    // A maximised window cannot be sized: both items are grayed, which also blocks their keys.
    ShowWindow(window, SW_MAXIMIZE);
    driver.Drain();
    CHECK(driver.IsGrayed(kMenuWindow, kWindowFitImage) && driver.IsGrayed(kMenuWindow, kWindowKeepAspect));
    ShowWindow(window, SW_RESTORE);
    driver.Drain();
    CHECK(!driver.IsGrayed(kMenuWindow, kWindowFitImage) && !driver.IsGrayed(kMenuWindow, kWindowKeepAspect));
    driver.Finish();
}
