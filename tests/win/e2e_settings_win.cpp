// The settings in the real registry: a stored rectangle that would hide the caption moved back
// within reach; values written at exit under their names and types and read at start, also by
// the real program through WinMain and its own loop; deleted on request. It ends without them.
#include <windows.h>

#include "app/settings.h"
#include "app/settings_store.h"
#include "resources/resource.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"

constexpr char kKey[] = "Software\\Velmarin\\Korvane";

WIN_TEST(E2eSettingsInTheRegistry) {
    RECT area, r, shown;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    // A sliver of the window at the corner, or so large that creation shrinks it off the screen.
    const int32_t kPlaced[][4] = {{area.right - 1, area.bottom - 1, area.right + 1, area.bottom + 1},
                                  {-5000, -5000, 5000, 5000},
                                  {-5000, 100, 5000, 600}};
    E2eDriver driver;
    for (const auto& stored : kPlaced) {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, "WindowInfo", REG_BINARY, stored, 16);
        GetWindowRect(driver.Start(true), &r);
        RECT caption = {r.left, r.top, r.right, r.top + GetSystemMetrics(SM_CYCAPTION)};
        CHECK(IntersectRect(&shown, &caption, &area) && EqualRect(&shown, &caption));
        driver.Finish();
    }

    HWND window = driver.Start();
    for (int command : {ID_VIEW_IMAGE, ID_IMAGE_FIT_WINDOW, ID_TEXT_MEMBERS, ID_BG_WHITE, ID_NOTATION_HEX}) {
        driver.Command(command);
    }
    MoveWindow(window, 70, 80, 400, 300, TRUE);
    driver.Finish();
    for (const char* name : {"ViewData", "ImageOption", "TextOption", "BgColor", "Notation"}) {
        CHECK(StoredIntegers(name, RRF_RT_REG_DWORD) == std::vector<int32_t>{1});
    }
    CHECK(StoredIntegers("WindowInfo", RRF_RT_REG_BINARY) == (std::vector<int32_t>{70, 80, 470, 380}));
    CHECK(StoredIntegers("DrawColorTable", RRF_RT_REG_BINARY) == (std::vector<int32_t>{10, 1, 2, 12, 12, 16, 16}));
    const BYTE seven[4] = {7};  // too short for its field: passed over; of another type but its size: taken
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, "BgColor", REG_BINARY, seven, 2);
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, "TextOption", REG_BINARY, seven, 4);
    gSettings = Settings();
    loadSettings();
    CHECK(gSettings.BgColor == 0 && gSettings.TextOption == 7 && gSettings.ViewData == 1);

    // The real korvane.exe, from build/<dir>/app/ beside this one: it opens where the settings
    // say and, closed while minimised, stores the last normal rectangle.
    std::string program(MAX_PATH, '\0');
    program.resize(GetModuleFileNameA(nullptr, &program[0], MAX_PATH));
    program = program.substr(0, program.rfind("\\tests\\")) + "\\app\\korvane.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    CHECK(CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    WaitForInputIdle(process.hProcess, 20000);  // waiting in its own loop
    HWND running = FindWindowA("Korvane", nullptr);
    CHECK(GetWindowRect(running, &r) && r.left == 70 && r.top == 80 && r.right == 470 && r.bottom == 380);
    MoveWindow(running, 100, 120, 330, 300, TRUE);
    ShowWindow(running, SW_MINIMIZE);
    PostMessageA(running, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    CHECK(WaitForSingleObject(process.hProcess, 20000) == 0 && GetExitCodeProcess(process.hProcess, &exitCode));
    CHECK(exitCode == 0 && StoredIntegers("WindowInfo") == (std::vector<int32_t>{100, 120, 430, 420}));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    // The command asks first: No keeps them, Yes deletes them and none are written at exit.
    driver.Start(true);
    for (int answer : {IDNO, IDYES}) {
        std::string question;
        driver.answers = {Reply(kMessageBoxText, answer, "", &question)};
        driver.Command(ID_EDIT_DELETE_SETTINGS);
        CHECK(question == "ﾚｼﾞｽﾄﾘを削除してもよろしいですか？" &&
              StoredIntegers("TextOption").empty() == (answer == IDYES));
    }
    driver.Finish();
    // Without the key Korvane, the key Velmarin it stays in can be deleted.
    CHECK(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Velmarin") == ERROR_SUCCESS);
}
