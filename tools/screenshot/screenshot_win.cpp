// Makes the README's pictures of the real program with a sample image open, one per view and one
// fitted to the window, into KORVANE_SCREENSHOT_DIR. Run by scripts/screenshot. It drives the
// program in-process the way the end-to-end tests do, with their driver.
#include <cstdlib>

#include "tests/win/e2e_driver_win.h"

int main() {
    // Absolute: the file dialog changes the current folder.
    const char* folder = std::getenv("KORVANE_SCREENSHOT_DIR");
    std::string output = folder != nullptr ? std::string(folder) + "\\" : TempPath("");
    CreateDirectoryA(TempPath("").c_str(), nullptr);
    std::string sample = TempPath("sample.bmp");
    CHECK(WriteImage(sample, 160, 120, [](int x, int y) { return RGB(x / 20 * 36, y / 15 * 36, 0xC0); }));
    E2eDriver driver;
    HWND window = driver.Start();
    MoveWindow(window, 40, 40, 430, 400, TRUE);
    driver.answers = {ChooseFile(sample)};
    driver.Command(ID_FILE_OPEN);
    // The window, frame and menu included, as the screen shows it, copied to be read pixel by pixel.
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES));
    HGDIOBJ previous = SelectObject(memory, copy);
    const std::pair<int, const char*> kShots[] = {
        {ID_VIEW_HEADER, "report"}, {ID_VIEW_IMAGE, "image"}, {ID_WINDOW_KEEP_ASPECT, "fit"}};
    for (const auto& [command, name] : kShots) {
        driver.Command(command);
        RECT r;
        GetWindowRect(window, &r);
        BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
        CHECK(WriteImage(output + "screenshot-" + name + ".bmp", r.right - r.left, r.bottom - r.top,
                         [&](int x, int y) { return GetPixel(memory, r.left + x, r.top + y); }));
    }
    DeleteObject(SelectObject(memory, previous));
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return gWinTestFailures == 0 ? 0 : 1;
}
