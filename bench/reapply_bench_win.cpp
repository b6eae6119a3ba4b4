// Colour-table re-apply (SetColorTable) on a GDI DIB section, beside a memcpy of the same pixel
// bytes into a fresh block: an 8-bit image's colours change in place.
//   korvane-bench-gdi
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/bitmap_image.h"
#include "model/color_table.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 7;

double Milliseconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// target: the ratio to reach, far below 1 where the colour table changes in place.
void Report(HDC dc, int32_t width, int32_t height, uint32_t bitCount, double target) {
    BitmapImage image;
    if (!image.Create(dc, width, height, bitCount, bitCount == 8 ? 256 : 0)) {
        std::fprintf(stderr, "cannot create %dx%dx%u\n", width, height, bitCount);
        std::exit(1);
    }
    // Some content, so nothing is served from zero pages.
    uint8_t* bits = const_cast<uint8_t*>(image.GetBits());
    uint32_t imageBytes = image.GetImageSize();
    for (uint32_t i = 0; i < imageBytes; ++i) {
        bits[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
    }
    // Called through a volatile pointer so the optimiser cannot drop a copy nobody reads.
    static void* (*volatile copy)(void*, const void*, size_t) = std::memcpy;
    ColorTable table;
    image.GetColorTable(table);
    std::vector<double> reapplies, copies;
    for (int i = 0; i < kRounds; ++i) {
        if (table.GetCount() > 0) {
            table.SetColor(i % table.GetCount(), i, 255 - i, 7 * i);
        }
        Clock::time_point start = Clock::now();
        if (!image.SetColorTable(0, table)) {
            std::fprintf(stderr, "cannot re-apply the colours of %dx%dx%u\n", width, height, bitCount);
            std::exit(1);
        }
        reapplies.push_back(Milliseconds(start, Clock::now()));

        // The same number of bytes copied into a fresh block, as a new surface would be filled.
        start = Clock::now();
        void* fresh = std::malloc(imageBytes);
        if (fresh == nullptr) {
            std::fprintf(stderr, "no memory for a copy of %u bytes\n", imageBytes);
            std::exit(1);
        }
        copy(fresh, image.GetBits(), imageBytes);
        std::free(fresh);
        copies.push_back(Milliseconds(start, Clock::now()));
    }
    double reapply = Median(reapplies), memcpyTime = Median(copies);
    std::printf("%u-bit %dx%d DIB section (%u image bytes, %s)\n", bitCount, width, height, imageBytes,
                image.GetBits() == bits ? "colours changed in place" : "a new surface");
    std::printf("  re-apply   %8.2f ms   memcpy  %8.2f ms   ratio %.3f   (target <= %.2f)\n", reapply, memcpyTime,
                reapply / memcpyTime, target);
}

}  // namespace

int main() {
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        std::fprintf(stderr, "no memory device context\n");
        return 1;
    }
    std::printf("GDI, median of %d rounds\n", kRounds);
    Report(dc, 8000, 8000, 8, 0.05);
    DeleteDC(dc);
    return 0;
}
