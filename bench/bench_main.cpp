// Opening, memory and colour-table re-apply figures for large images, each beside the
// cheapest thing the same work could cost: a plain read() of the file, the image's own
// bytes, a memcpy of the pixel bits.
//   korvane-bench [FOLDER]   (files are generated there; default: a new folder in /tmp)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "model/surface_portable.h"
#include "model/pixel_usage.h"
#include "model/table_from_file.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 7;

// Called through a volatile pointer so the optimiser cannot drop a copy nobody reads.
void* (*volatile gCopy)(void*, const void*, size_t) = std::memcpy;

double Milliseconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Resident set size or its high-water mark, in bytes, from /proc/self/status.
long StatusBytes(const char* field) {
    FILE* f = std::fopen("/proc/self/status", "r");
    char line[256];
    long kb = -1;
    size_t n = std::strlen(field);
    while (f != nullptr && std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, field, n) == 0) {
            kb = std::atol(line + n + 1);
        }
    }
    if (f != nullptr) {
        std::fclose(f);
    }
    return kb * 1024;
}

// Lets the high-water mark start again from the present resident size.
bool ResetPeak() {
    FILE* f = std::fopen("/proc/self/clear_refs", "w");
    if (f == nullptr) {
        return false;
    }
    bool ok = std::fputs("5", f) >= 0;
    std::fclose(f);
    return ok;
}

std::string MakeFile(const std::string& folder, int width, int height, int bits) {
    BitmapImage image;
    if (!image.Create(nullptr, width, height, bits, bits == 8 ? 256 : 0)) {
        std::fprintf(stderr, "cannot create %dx%dx%d\n", width, height, bits);
        std::exit(1);
    }
    // Give the pixels some content so nothing is served from zero pages.
    uint8_t* bits8 = const_cast<uint8_t*>(image.GetBits());
    for (uint32_t i = 0; i < image.GetImageSize(); ++i) {
        bits8[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
    }
    std::string path =
        folder + "/bench_" + std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(bits) + ".bmp";
    if (!image.Save(path.c_str(), 1)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
    return path;
}

double PlainRead(const std::string& path) {
    Clock::time_point start = Clock::now();
    int fd = ::open(path.c_str(), O_RDONLY);
    off_t size = ::lseek(fd, 0, SEEK_END);
    ::lseek(fd, 0, SEEK_SET);
    char* buffer = static_cast<char*>(std::malloc(size));
    off_t done = 0;
    while (done < size) {
        ssize_t n = ::read(fd, buffer + done, size - done);
        if (n <= 0) {
            break;
        }
        done += n;
    }
    ::close(fd);
    std::free(buffer);
    return Milliseconds(start, Clock::now());
}

// Timed like PlainRead: the image is released inside the measurement, as the buffer is there.
double Open(const std::string& path) {
    Clock::time_point start = Clock::now();
    {
        BitmapImage image;
        if (!image.Load(nullptr, path.c_str())) {
            std::fprintf(stderr, "cannot load %s\n", path.c_str());
            std::exit(1);
        }
    }
    return Milliseconds(start, Clock::now());
}

// target: the re-apply ratio to reach, far below 1 where the colour table changes in place. An
// image without a colour table has nothing to re-apply.
void Report(const std::string& path, const char* label, double target) {
    std::vector<double> reads, opens, reapplies, copies, counts;
    for (int i = 0; i < kRounds; ++i) {
        reads.push_back(PlainRead(path));
        opens.push_back(Open(path));
    }

    long before = StatusBytes("VmRSS:");
    bool peakKnown = ResetPeak();
    BitmapImage image;
    image.Load(nullptr, path.c_str());
    long peak = StatusBytes("VmHWM:") - before;
    uint32_t imageBytes = image.GetImageSize();

    ColorTable table;
    image.GetColorTable(table);
    for (int i = 0; i < kRounds; ++i) {
        if (table.GetCount() > 0) {
            table.SetColor(i % table.GetCount(), i, 255 - i, 7 * i);
        }
        Clock::time_point start = Clock::now();
        image.SetColorTable(0, table);
        reapplies.push_back(Milliseconds(start, Clock::now()));

        // The colour-table editor counts each entry's pixels once as it opens.
        start = Clock::now();
        PixelUsage usage;
        int32_t width = 0, height = 0;
        image.GetSize(&width, &height);
        CountPixelUsage(image.GetBits(), imageBytes, width, height, 8, table.GetCount(), &usage);
        counts.push_back(Milliseconds(start, Clock::now()));

        // The same number of bytes copied into a fresh block, as a new surface would be filled.
        start = Clock::now();
        char* fresh = static_cast<char*>(std::malloc(imageBytes));
        gCopy(fresh, image.GetBits(), imageBytes);
        std::free(fresh);
        copies.push_back(Milliseconds(start, Clock::now()));
    }

    double read = Median(reads), open = Median(opens), reapply = Median(reapplies), copy = Median(copies);
    std::printf("%s (%u image bytes)\n", label, imageBytes);
    std::printf("  open       %8.2f ms   read()  %8.2f ms   ratio %.3f   (target <= 1.15)\n", open, read, open / read);
    if (peakKnown) {
        std::printf("  peak       %8.2f MiB  image   %8.2f MiB  over  %+.2f MiB (target <= +2 MiB)\n", peak / 1048576.0,
                    imageBytes / 1048576.0, (peak - static_cast<long>(imageBytes)) / 1048576.0);
    } else {
        std::printf("  peak       (unknown: /proc/self/clear_refs not writable)\n");
    }
    if (table.GetCount() == 0) {
        std::printf("  re-apply   (no colour table: nothing to apply)\n");
        return;
    }
    std::printf("  re-apply   %8.2f ms   memcpy  %8.2f ms   ratio %.3f   (target <= %.2f)\n", reapply, copy,
                reapply / copy, target);
    std::printf("  count      %8.2f ms   memcpy  %8.2f ms   ratio %.3f   (target <= 1.0: each entry's pixels)\n",
                Median(counts), copy, Median(counts) / copy);
}

// Taking the colour table of a large bitmap reads its headers and table, never its pixels.
void ReportTableLoad(const std::string& path) {
    long before = StatusBytes("VmRSS:");
    if (!ResetPeak()) {
        std::printf("table from a bitmap: peak unknown (/proc/self/clear_refs not writable)\n");
        return;
    }
    ColorTable table;
    int loaded = LoadColorTableFromFile(path.c_str(), table);
    long peak = StatusBytes("VmHWM:") - before;
    std::printf("table from a %ld MB bitmap: %s, peak %+.3f MiB over the process (target < +1 MiB)\n",
                static_cast<long>(std::filesystem::file_size(path) / 1000000), loaded ? "read" : "FAILED",
                peak / 1048576.0);
}

}  // namespace

int main(int argc, char** argv) {
    SetMemorySurfaceLimit(0xFFFFFFFFu);
    std::string folder;
    if (argc > 1) {
        folder = argv[1];
    } else {
        char pattern[] = "/tmp/korvane-bench-XXXXXX";
        folder = mkdtemp(pattern);
    }
    std::string eight = MakeFile(folder, 8000, 8000, 8);
    std::string full = MakeFile(folder, 6000, 6000, 24);
    std::printf("median of %d rounds, files in %s\n", kRounds, folder.c_str());
    Report(eight, "8-bit 8000x8000", 0.05);
    Report(full, "24-bit 6000x6000", 1.5);
    std::remove(full.c_str());
    std::string large = MakeFile(folder, 10240, 10240, 8);
    ReportTableLoad(large);
    std::remove(large.c_str());
    if (argc <= 1) {
        std::remove(eight.c_str());
        ::rmdir(folder.c_str());
    }
    return 0;
}
