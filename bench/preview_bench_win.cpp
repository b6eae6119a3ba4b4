// One preview step of the colour-table editor on the real main window: the surface's colour
// table changed in place and the image view repainted, in an 800x600 client area. An 8000x8000
// and an 800x600 8-bit image at actual size (target: the large one's step at most 1.2x the
// small one's: the cost follows the window), then the same fitted to the window (the stretch is
// the platform's; no target). Steps on the two images alternate, so a change in the machine's
// load meets both; the figures are medians of 50 steps each.
//   korvane-preview-bench
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_win.h"
#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "resources/resource.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSteps = 50;
constexpr double kTarget = 1.2;
constexpr int kClientWidth = 800;
constexpr int kClientHeight = 600;
constexpr int32_t kSizes[2][2] = {{8000, 8000}, {kClientWidth, kClientHeight}};

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// An 8-bit image with some content in every pixel; none on failure.
std::unique_ptr<BitmapImage> MakeImage(int32_t width, int32_t height) {
    auto image = std::make_unique<BitmapImage>();
    if (!image->Create(nullptr, width, height, 8, 256)) {
        return nullptr;
    }
    auto* bits = const_cast<uint8_t*>(image->GetBits());
    for (uint32_t i = 0; i < image->GetImageSize(); ++i) {
        bits[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
    }
    return image;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main() {
    Program program(GetModuleHandleA(nullptr));
    HWND window = program.Start(SW_SHOWNORMAL);
    std::unique_ptr<BitmapImage> images[2] = {MakeImage(kSizes[0][0], kSizes[0][1]),
                                              MakeImage(kSizes[1][0], kSizes[1][1])};
    if (window == nullptr || images[0] == nullptr || images[1] == nullptr) {
        std::fprintf(stderr, "preview: no main window or no images\n");
        return 1;
    }
    // The frame's size, whatever the menu bar takes, added to the client area wanted.
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MoveWindow(window, 0, 0, kClientWidth + (outer.right - outer.left) - client.right,
               kClientHeight + (outer.bottom - outer.top) - client.bottom, TRUE);
    Shell& shell = program.shell;
    DispatchCommand(shell, ID_VIEW_IMAGE);
    Pump();
    GetClientRect(window, &client);
    std::printf(
        "Preview step (colour table changed in place, image view repainted) in a %ldx%ld client area, "
        "median of %d\n",
        client.right, client.bottom, kSteps);
    ColorTable table;
    images[0]->GetColorTable(table);
    for (int fit = 0; fit < 2; ++fit) {
        DispatchCommand(shell, fit ? ID_IMAGE_FIT_WINDOW : ID_IMAGE_ACTUAL_SIZE);
        std::vector<double> steps[2];
        for (int i = 0; i < 2 * kSteps; ++i) {
            shell.document.image = images[i % 2].get();
            table.SetColor(static_cast<uint32_t>(i % 256), i, 255 - i, 5 * i);
            Clock::time_point start = Clock::now();
            shell.editorHost.PreviewTable(table);
            GdiFlush();
            steps[i % 2].push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            Pump();
        }
        double large = Median(steps[0]), small = Median(steps[1]);
        std::printf("  %-21s 8000x8000 %8.2f ms   800x600 %8.2f ms   ratio %.2f",
                    fit ? "fitted to the window" : "actual size", large, small, large / small);
        std::printf(fit ? "\n" : "   (target <= %.1f)\n", kTarget);
    }
    shell.document.image = nullptr;  // the images are this program's own
    DestroyWindow(window);
    Pump();
    return 0;
}
