// The settings in the real registry: a stored rectangle that would hide the caption moved back
// within reach; values written at exit under their names and types and read at start, by the
// real program through WinMain and its own loop; deleted on request. It ends without them.
#include <process.h>

#include "tests/win/e2e_driver_win.h"

WIN_TEST(E2eSettingsInTheRegistry) {
    RECT area, r, shown;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    // A sliver of the window at the corner, or so wide that creation shrinks it off the screen.
    const int32_t kPlaced[][4] = {{area.right - 1, area.bottom - 1, area.right + 1, area.bottom + 1},
                                  {-5000, 100, 5000, 600}};
    E2eDriver driver;
    for (const auto& stored : kPlaced) {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, kSettingsKey, "WindowInfo", REG_BINARY, stored, 16);
        GetWindowRect(driver.Start(true), &r);
        RECT caption = {r.left, r.top, r.right, r.top + GetSystemMetrics(SM_CYCAPTION)};
        CHECK(IntersectRect(&shown, &caption, &area) && EqualRect(&shown, &caption));
        driver.Finish();
    }

    // Four options and the rectangle written at exit, then two values edited by hand: one too
    // short for its field, passed over; one of another type but of its size, taken.
    MoveWindow(driver.Start(), 70, 80, 400, 300, TRUE);
    for (int command : {ID_VIEW_IMAGE, ID_IMAGE_FIT_WINDOW, ID_BG_WHITE, ID_NOTATION_HEX}) {
        driver.Command(command);
    }
    driver.Finish();
    const BYTE seven[4] = {7};
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kSettingsKey, "BgColor", REG_BINARY, seven, 2);
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kSettingsKey, "TextOption", REG_BINARY, seven, 4);

    // The real korvane.exe, from build/<dir>/app/ beside this one, reads them: it opens where
    // they say, with the file its command line names. At exit it writes each value again under its name and type, every
    // option as 0 or 1, and, closed while minimised, the last normal rectangle.
    char self[MAX_PATH];
    std::string program(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    program = program.substr(0, program.rfind("\\tests\\")) + "\\app\\korvane.exe";
    std::string given = TempPath("given file.bmp");  // named on its command line, quoted
    CHECK(WriteImage(given, 2, 2, [](int, int) { return RGB(1, 2, 3); }));
    intptr_t process = _spawnl(_P_NOWAIT, program.c_str(), program.c_str(), ("\"" + given + "\"").c_str(), nullptr);
    WaitForInputIdle(reinterpret_cast<HANDLE>(process), 20000);  // waiting in its own loop
    HWND running = FindWindowA("Korvane", nullptr);
    CHECK(WindowText(running) == "Korvane - [given file.bmp]");
    CHECK(GetWindowRect(running, &r) && r.left == 70 && r.top == 80 && r.right == 470 && r.bottom == 380);
    MoveWindow(running, 100, 120, 330, 300, TRUE);
    ShowWindow(running, SW_MINIMIZE);
    PostMessageA(running, WM_CLOSE, 0, 0);
    int exitCode = 1;
    CHECK(process != -1 && _cwait(&exitCode, process, 0) == process && exitCode == 0);
    for (const auto& [name, value] :
         {std::pair("ViewData", 1), {"ImageOption", 1}, {"TextOption", 1}, {"BgColor", 0}, {"Notation", 1}}) {
        CHECK(StoredIntegers(name, RRF_RT_REG_DWORD) == std::vector<int32_t>{value});
    }
    CHECK(StoredIntegers("WindowInfo", RRF_RT_REG_BINARY) == (std::vector<int32_t>{100, 120, 430, 420}));

    // The command asks first: No keeps them, Yes deletes them and none are written at exit.
    driver.Start(true);
    for (int answer : {IDNO, IDYES}) {
        driver.answers = {Reply(kMessageBoxText, answer)};
        driver.Command(ID_EDIT_DELETE_SETTINGS);
        CHECK(driver.answers.empty() && StoredIntegers("TextOption").empty() == (answer == IDYES));
    }
    driver.Finish();
    // Without the key Korvane, the key Velmarin it stays in can be deleted.
    CHECK(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Velmarin") == ERROR_SUCCESS);
}
