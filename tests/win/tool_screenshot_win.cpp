// Not a test: makes the README's screenshots of the real program, with a sample image open,
// in the report view and in the image view. Run by scripts/screenshot.
#include <windows.h>

#include <string>

#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "model/surface_win.h"
#include "app/settings_store.h"
#include "resources/resource.h"
#include "tests/win/e2e_driver_win.h"
#include "tests/win/win_test.h"

namespace {

// A 64-colour ramp so the image view has something to show.
int WriteSample(const std::string& path) {
    BitmapImage image;
    if (!image.Create(nullptr, 160, 120, 8, 64)) {
        return 0;
    }
    uint8_t* bits = const_cast<uint8_t*>(image.GetBits());
    for (uint32_t y = 0; y < 120; ++y) {
        for (uint32_t x = 0; x < 160; ++x) {
            bits[y * image.GetBytesPerLine() + x] = static_cast<uint8_t>((x / 20 + (y / 15) * 8) % 64);
        }
    }
    ColorTable table;
    image.GetColorTable(table);
    for (uint32_t i = 0; i < 64; ++i) {
        table.SetColor(i, (i % 8) * 36, (i / 8) * 36, 255 - i * 4);
    }
    image.SetColorTable(0, table);
    return image.Save(path.c_str(), 1);
}

// Copies the window, frame and menu included, from the screen into a 24-bit BMP file.
int CaptureWindow(HWND window, const char* path) {
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    BitmapImage shot;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    int ok = shot.Create(memory, width, height, 24, 0);
    if (ok) {
        HGDIOBJ previous = SelectObject(memory, SurfaceBitmap(shot.GetSurface()));
        ok = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
        SelectObject(memory, previous);
        GdiFlush();
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok && shot.Save(path, 1);
}

}  // namespace

// The folder named by KORVANE_SCREENSHOT_DIR, else the test folder; the file dialog changes
// the current folder, so a relative name would not do.
static std::string OutputPath(const char* name) {
    char folder[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("KORVANE_SCREENSHOT_DIR", folder, MAX_PATH);
    std::string base = n > 0 && n < MAX_PATH ? std::string(folder) + "\\" : WinTestTempDir();
    return base + name;
}

WIN_TEST(ToolScreenshot) {
    std::string sample = std::string(WinTestTempDir()) + "sample.bmp";
    CHECK(WriteSample(sample));
    E2eDriver driver;
    HWND window = driver.Start();
    CHECK(window != nullptr);
    if (window == nullptr) {
        return;
    }
    deleteSettings();  // the window's place and size here are not the user's
    MoveWindow(window, 40, 40, 430, 400, TRUE);
    driver.Expect(ChooseFile(sample));
    driver.Command(ID_FILE_OPEN);
    UpdateWindow(window);
    driver.Drain();
    CHECK(CaptureWindow(window, OutputPath("screenshot-report.bmp").c_str()));
    driver.Command(ID_VIEW_IMAGE);
    UpdateWindow(window);
    driver.Drain();
    CHECK(CaptureWindow(window, OutputPath("screenshot-image.bmp").c_str()));
    driver.Command(ID_VIEW_HEADER);
    driver.Finish();
    deleteSettings();
}
