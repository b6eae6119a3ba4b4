// Stored to show a sliver of the window, or so large that creation shrinks it off the screen.
#include <windows.h>

#include "app/settings_store.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"

WIN_TEST(WindowPlacementOpensWithTheCaptionOnTheScreen) {
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int32_t kStored[][4] = {{area.right - 1, area.bottom - 1, area.right + 1, area.bottom + 1},
                                  {-5000, -5000, 5000, 5000},
                                  {-5000, 100, 5000, 600}};
    for (const auto& stored : kStored) {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Velmarin\\Korvane", "WindowInfo", REG_BINARY, stored, 16);
        E2eDriver driver;
        RECT r = {}, shown;
        GetWindowRect(driver.Start(), &r);
        RECT caption = {r.left, r.top, r.right, r.top + GetSystemMetrics(SM_CYCAPTION)};
        CHECK(IntersectRect(&shown, &caption, &area) && EqualRect(&shown, &caption));
        driver.Finish();
        deleteSettings();
    }
}
