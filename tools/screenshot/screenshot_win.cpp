// Makes the README's pictures of the real program with a sample image open, one per view, one
// fitted to the window, one of the colour-table editor beside a 256-colour image and one of its
// channels swapped and previewed on the image, into
// KORVANE_SCREENSHOT_DIR. Run by scripts/screenshot. It drives the program in-process the way
// the end-to-end tests do, with their driver.
#include <cstdlib>

#include "tests/win/e2e_driver_win.h"

namespace {

// The screen's rectangle r as the user sees it, frames and menus included.
void Shoot(const std::string& path, RECT r) {
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES));
    HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
    CHECK(WriteImage(path, r.right - r.left, r.bottom - r.top,
                     [&](int x, int y) { return GetPixel(memory, r.left + x, r.top + y); }));
    DeleteObject(SelectObject(memory, previous));
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace

int main() {
    // Absolute: the file dialog changes the current folder.
    const char* folder = std::getenv("KORVANE_SCREENSHOT_DIR");
    std::string output = folder != nullptr ? std::string(folder) + "\\" : TempPath("");
    CreateDirectoryA(TempPath("").c_str(), nullptr);
    std::string sample = TempPath("sample.bmp"), indexed = TempPath("sample-256.bmp");
    CHECK(WriteImage(sample, 160, 120, [](int x, int y) { return RGB(x / 20 * 36, y / 15 * 36, 0xC0); }));
    CHECK(WriteImage(
        indexed, 288, 288, [](int x, int y) { return (x / 18 + y / 18 * 16) % 256; }, 256,
        [](uint32_t i) { return RGB(i % 16 * 17, i / 16 * 17, 255 - i % 16 * 8); }));
    E2eDriver driver;
    HWND window = driver.Start();
    MoveWindow(window, 40, 40, 430, 400, TRUE);
    driver.answers = {ChooseFile(sample)};
    driver.Command(ID_FILE_OPEN);
    const std::pair<int, const char*> kShots[] = {
        {ID_VIEW_HEADER, "report"}, {ID_VIEW_IMAGE, "image"}, {ID_WINDOW_KEEP_ASPECT, "fit"}};
    RECT r;
    for (const auto& [command, name] : kShots) {
        driver.Command(command);
        GetWindowRect(window, &r);
        Shoot(output + "screenshot-" + name + ".bmp", r);
    }

    // The editor to the right of the image, a cell chosen and changed.
    driver.answers = {ChooseFile(indexed)};
    driver.Command(ID_FILE_OPEN);
    driver.Command(ID_WINDOW_FIT_IMAGE);
    CHECK(driver.WithEditor({[&](HWND editor) {
                                 GetWindowRect(window, &r);
                                 SetWindowPos(editor, nullptr, r.right + 8, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                                 PostMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(19 + 17 * 5, 19 + 17 * 2));
                             },
                             [&](HWND editor) {
                                 SetDlgItemTextA(editor, IDC_EDIT_BLUE, "40");
                                 // Where the editor first stood, the main window shows again.
                                 RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
                             },
                             [&](HWND editor) {
                                 RECT e;
                                 GetWindowRect(editor, &e);
                                 UnionRect(&r, &r, &e);
                                 InflateRect(&r, 8, 8);
                                 Shoot(output + "screenshot-editor.bmp", r);
                                 SendMessageA(editor, WM_COMMAND, ID_OP_SWAP_BR, 0);
                             },
                             [&](HWND) { Shoot(output + "screenshot-preview.bmp", r); }}) == 0);
    return gWinTestFailures == 0 ? 0 : 1;
}
