#include "model/bitmap_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <sys/resource.h>

#include "model/color_table.h"
#include "model/rgb_canvas.h"
#include "model/surface_portable.h"
#include "tests/model/bmp_bytes.h"
#include "tests/model/temp_dir.h"

namespace {

// Records how many bytes the reader asked for in all.
class CountingSource : public MemorySource {
  public:
    using MemorySource::MemorySource;
    uint32_t Read(void* destination, uint32_t count) override {
        requested += count;
        return MemorySource::Read(destination, count);
    }
    uint64_t requested = 0;
};

int ReadBytes(BitmapImage& image, const std::vector<uint8_t>& bytes) {
    MemorySource source(bytes.data(), bytes.size());
    return image.Read(nullptr, source);
}

void ExpectEmpty(const BitmapImage& image) {
    int32_t w = 0, h = 0;
    EXPECT_EQ(image.GetColorCount(), 0u);
    EXPECT_EQ(image.GetImageSize(), 0u);
    EXPECT_EQ(image.GetBytesPerLine(), 0u);
    EXPECT_EQ(image.GetSurface(), nullptr);
    EXPECT_EQ(image.GetBits(), nullptr);
    EXPECT_FALSE(image.GetSize(&w, &h));
}

int CountEntries(const std::string& folder) {
    int n = 0;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d)) {
            n += e->d_name[0] != '.';
        }
        closedir(d);
    }
    return n;
}

}  // namespace

TEST(BitmapImageRead, AcceptsUncompressedFortyByteHeaders) {
    BitmapImage image;
    ASSERT_TRUE(ReadBytes(image, MakeBmp(Layout(4, 2, 8, 16, 16))));
    EXPECT_EQ(image.GetColorCount(), 16u);
    EXPECT_EQ(image.GetBytesPerLine(), 4u);
    EXPECT_EQ(image.GetImageSize(), 8u);
    int32_t w = 0, h = 0;
    ASSERT_TRUE(image.GetSize(&w, &h));
    EXPECT_EQ(w * 10 + h, 42);
    // Pixel bits come from right after the 16-entry table: offset 118.
    EXPECT_EQ(image.GetBits()[0], 0);
    EXPECT_EQ(image.GetBits()[7], 7);
}

TEST(BitmapImageRead, RefusesWhatTheFormatRulesExclude) {
    auto with = [](void (*change)(BmpLayout&)) {
        BmpLayout s;
        change(s);
        return MakeBmp(s);
    };
    std::vector<uint8_t> badMagic = MakeBmp(BmpLayout());
    badMagic[1] = 'A';
    std::vector<uint8_t> tooShort = MakeBmp(BmpLayout());
    tooShort.resize(13);
    const std::pair<const char*, std::vector<uint8_t>> cases[] = {
        {"magic BA", badMagic},
        {"13 bytes", tooShort},
        {"108-byte header", with([](BmpLayout& s) { s.infoSize = 108; })},
        {"124-byte header", with([](BmpLayout& s) { s.infoSize = 124; })},
        {"core header", with([](BmpLayout& s) { s.infoSize = 12; })},
        {"run-length", with([](BmpLayout& s) { s.compression = 1; })},
        {"bit fields", with([](BmpLayout& s) { s = Layout(4, 2, 16, 0), s.compression = 3; })},
        {"2 bits per pixel", MakeBmp(Layout(4, 2, 2, 4))},
        {"width 0", MakeBmp(Layout(0, 2, 8, 256))},
        {"negative width", MakeBmp(Layout(-4, 2, 8, 256))},
        {"height 0", MakeBmp(Layout(4, 0, 8, 256))},
    };
    for (const auto& c : cases) {
        BitmapImage image;
        EXPECT_FALSE(ReadBytes(image, c.second)) << c.first;
        ExpectEmpty(image);
    }
}

TEST(BitmapImageRead, TruncationAnywhereFailsAndLeavesTheImageEmpty) {
    std::vector<uint8_t> full = MakeBmp(Layout(9, 3, 4, 16));
    BitmapImage image;
    for (size_t cut = 0; cut < full.size(); ++cut) {
        ASSERT_TRUE(ReadBytes(image, full));  // a loaded image is replaced by the failure
        std::vector<uint8_t> part(full.begin(), full.begin() + cut);
        EXPECT_FALSE(ReadBytes(image, part)) << cut;
        ExpectEmpty(image);
    }
}

// A header that promises more colour table or pixel bits than the file holds is refused right
// after the headers: nothing of the promised size is allocated or asked for.
TEST(BitmapImageRead, PromisesBeyondTheFileAreRefusedAfterTheHeaders) {
    std::vector<uint8_t> table = MakeBmp(Layout(4, 2, 8, 2, 1000));  // 4000 bytes of table in a 70-byte file
    std::vector<uint8_t> pixels = MakeBmp(BmpLayout());
    WriteLe32(&pixels[14 + 4], 4000);  // 4000 x 2 pixels in a file with 8 bytes of them
    for (const std::vector<uint8_t>* bytes : {&table, &pixels}) {
        CountingSource source(bytes->data(), bytes->size());
        BitmapImage image;
        EXPECT_FALSE(image.Read(nullptr, source));
        EXPECT_EQ(source.requested, 54u);
    }
}

TEST(BitmapImageRead, HostileSizesAreRefusedBeforeAllocating) {
    BitmapImage image;
    EXPECT_FALSE(ReadBytes(image, MakeBmp(Layout(4, 2, 8, 2, 305402420))));   // a 1.2 GB colour table
    EXPECT_FALSE(ReadBytes(image, MakeBmp(Layout(4, 2, 8, 2, 0x40000001))));  // 4N wraps to 4
    // Pixel bits larger than the file: 100000 x 100000 x 24 does not fit 32 bits, and
    // 30000 x 30000 x 8 fits but is not there.
    std::vector<uint8_t> b = MakeBmp(BmpLayout{});
    WriteLe32(&b[14 + 4], 100000);
    WriteLe32(&b[14 + 8], 100000);
    WriteLe16(&b[14 + 14], 24);
    EXPECT_FALSE(ReadBytes(image, b));
    WriteLe32(&b[14 + 4], 30000);
    WriteLe32(&b[14 + 8], 30000);
    WriteLe16(&b[14 + 14], 8);
    EXPECT_FALSE(ReadBytes(image, b));
    WriteLe32(&b[14 + 8], 0x80000000u);  // -2^31 rows
    EXPECT_FALSE(ReadBytes(image, b));
    ExpectEmpty(image);
}

TEST(BitmapImageRead, ColourTableAndPixelOffsetsFollowTheEntryCount) {
    BitmapImage image;
    BmpLayout layout;
    ASSERT_TRUE(ReadBytes(image, MakeBmp(layout, 10)));  // pixels at 1078
    EXPECT_EQ(image.GetColorCount(), 256u);
    EXPECT_EQ(image.GetBits()[0], 10);

    layout.bitCount = 24;
    layout.tableEntries = 0;
    ASSERT_TRUE(ReadBytes(image, MakeBmp(layout, 20)));  // pixels at 54
    EXPECT_EQ(image.GetColorCount(), 0u);
    EXPECT_EQ(image.GetBits()[0], 20);
    ColorTable table;
    EXPECT_FALSE(image.GetColorTable(table));
    EXPECT_FALSE(image.SetColorTable(0, table));

    // bfOffBits is never consulted.
    layout.bitCount = 8;
    layout.tableEntries = 256;
    layout.offBits = 2000;
    ASSERT_TRUE(ReadBytes(image, MakeBmp(layout, 30)));
    EXPECT_EQ(image.GetBits()[0], 30);
}

TEST(BitmapImageRead, TableOfADirectColourFileIsReadAndSkipped) {
    BitmapImage image;
    ASSERT_TRUE(ReadBytes(image, MakeBmp(Layout(4, 2, 24, 3, 3), 40)));  // pixels at 54 + 12
    EXPECT_EQ(image.GetColorCount(), 3u);
    EXPECT_EQ(image.GetBits()[0], 40);
    ColorTable table;
    ASSERT_TRUE(image.GetColorTable(table));
    EXPECT_EQ(table.GetCount(), 3u);
}

TEST(BitmapImageRead, HeadersAreCopiedOnlyWhereTheyExist) {
    BitmapImage image;
    uint8_t file[14];
    uint8_t info[40];
    std::memset(file, 0xCC, sizeof file);
    std::memset(info, 0xCC, sizeof info);
    image.GetHeaders(file, info);  // empty image: both untouched
    EXPECT_EQ(file[0], 0xCC);
    EXPECT_EQ(info[0], 0xCC);
    ASSERT_TRUE(image.Create(nullptr, 3, 2, 8, 2));
    image.GetHeaders(file, info);  // made by Create: no file header to copy
    EXPECT_EQ(file[0], 0xCC);
    EXPECT_EQ(DecodeInfoHeader(info).biWidth, 3);
    ASSERT_TRUE(ReadBytes(image, MakeBmp(BmpLayout{})));
    image.GetHeaders(file, nullptr);
    EXPECT_EQ(DecodeFileHeader(file).bfType, 0x4D42);
}

TEST(BitmapImageRead, TopDownFilesLoadWithTheirHeightsMagnitude) {
    TempDir dir;
    std::vector<uint8_t> bytes = MakeBmp(Layout(3, -256, 8, 256));
    WriteAllBytes(dir.File("top.bmp"), bytes);
    BitmapImage image;
    ASSERT_TRUE(image.Load(nullptr, dir.File("top.bmp").c_str()));
    int32_t w = 0, h = 0;
    ASSERT_TRUE(image.GetSize(&w, &h));
    EXPECT_EQ(h, 256);
    ASSERT_TRUE(image.Save(dir.File("again.bmp").c_str(), 1));
    EXPECT_EQ(ReadAllBytes(dir.File("again.bmp")), bytes);

    // The first stored row is the top one.
    RgbCanvas canvas(3, 256);
    image.Draw(&canvas, 0, 0);
    ColorTable table;
    ASSERT_TRUE(image.GetColorTable(table));
    uint32_t c = table.GetColor(image.GetBits()[0]);
    EXPECT_EQ(canvas.Pixel(0, 0), ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
}

TEST(BitmapImageCreate, AcceptsOnlyTheModesEntryCounts) {
    BitmapImage image;
    EXPECT_TRUE(image.Create(nullptr, 8, 8, 1, 1));
    EXPECT_TRUE(image.Create(nullptr, 8, 8, 1, 2));
    EXPECT_TRUE(image.Create(nullptr, 8, 8, 4, 16));
    EXPECT_TRUE(image.Create(nullptr, 8, 8, 8, 1));
    EXPECT_TRUE(image.Create(nullptr, 8, 8, 24, 0));
    const struct {
        int32_t w, h;
        uint32_t bits, n;
    } refused[] = {{8, 8, 24, 256}, {8, 8, 8, 0}, {8, 8, 1, 3}, {8, 8, 4, 17}, {8, 8, 8, 257}, {8, 8, 16, 0},
                   {8, 8, 32, 0},   {0, 8, 8, 2}, {8, 0, 8, 2}, {-8, 8, 8, 2}, {8, -8, 8, 2},  {65536, 65536, 24, 0}};
    for (const auto& c : refused) {
        ASSERT_TRUE(image.Create(nullptr, 8, 8, 8, 2));
        EXPECT_FALSE(image.Create(nullptr, c.w, c.h, c.bits, c.n)) << c.w << "x" << c.h << " " << c.bits << "/" << c.n;
        ExpectEmpty(image);
    }
}

TEST(BitmapImageCreate, NewImageSavesToTheExpectedBytes) {
    TempDir dir;
    BitmapImage image;
    ASSERT_TRUE(image.Create(nullptr, 256, 256, 8, 256));
    EXPECT_FALSE(image.HasFileHeader());
    std::string path = dir.File("new.bmp");
    ASSERT_TRUE(image.Save(path.c_str(), 1));
    std::vector<uint8_t> b = ReadAllBytes(path);
    ASSERT_EQ(b.size(), 66614u);
    // bfSize 66614, bfOffBits 1078; 256 x 256 x 8, biSizeImage 65536, biClrUsed 256; then zeros.
    const std::vector<uint8_t> headers = {
        'B', 'M', 0x36, 4, 1, 0, 0, 0, 0, 0, 0x36, 4, 0, 0,                     // file header
        40,  0,   0,    0, 0, 1, 0, 0, 0, 1, 0,    0, 1, 0, 8, 0, 0, 0, 0, 0,   // size .. compression
        0,   0,   1,    0, 0, 0, 0, 0, 0, 0, 0,    0, 0, 1, 0, 0, 0, 0, 0, 0};  // image size ..
    EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 54), headers);
    EXPECT_EQ(std::count(b.begin() + 54, b.end(), 0), 66614 - 54);
    // The made header is not kept.
    EXPECT_FALSE(image.HasFileHeader());
}

TEST(BitmapImageSave, LoadedFileIsWrittenBackByteForByte) {
    TempDir dir;
    std::vector<uint8_t> bytes = MakeBmp(Layout(33, 5, 1, 2));
    WriteLe32(&bytes[2], 12345);  // the stored file header is written back unchanged
    WriteLe16(&bytes[6], 7);
    WriteAllBytes(dir.File("in.bmp"), bytes);
    BitmapImage image;
    ASSERT_TRUE(image.Load(nullptr, dir.File("in.bmp").c_str()));
    EXPECT_EQ(image.GetBytesPerLine(), 8u);
    ASSERT_TRUE(image.Save(dir.File("out.bmp").c_str(), 1));
    EXPECT_EQ(ReadAllBytes(dir.File("out.bmp")), bytes);
}

TEST(BitmapImageSave, NeverDamagesAnExistingFile) {
    TempDir dir;
    std::string path = dir.File("keep.bmp");
    std::vector<uint8_t> original(100, 0xAB);
    WriteAllBytes(path, original);
    BitmapImage image;
    EXPECT_FALSE(image.Save(path.c_str(), 1));  // empty image
    ASSERT_TRUE(image.Create(nullptr, 256, 256, 8, 256));
    EXPECT_FALSE(image.Save(path.c_str(), 0));  // overwrite 0
    EXPECT_EQ(ReadAllBytes(path), original);

    // A full disk: the write stops after 1000 bytes.
    struct sigaction ignore = {}, previous = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit oldLimit;
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int saved = image.Save(path.c_str(), 1);
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    sigaction(SIGXFSZ, &previous, nullptr);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadAllBytes(path), original);
    EXPECT_EQ(CountEntries(dir.Path()), 1);  // no temporary file left behind

    EXPECT_FALSE(image.Save(dir.File("no/such/folder.bmp").c_str(), 1));
    ASSERT_TRUE(image.Save(path.c_str(), 1));
    EXPECT_EQ(ReadAllBytes(path).size(), 66614u);
    EXPECT_EQ(CountEntries(dir.Path()), 1);
}

TEST(BitmapImageColors, NewColoursReachTheSurfaceOnlyWhenItIsRemade) {
    BitmapImage image;
    std::vector<uint8_t> bytes = MakeBmp(Layout(4, 1, 8, 4, 4), 1);
    bytes.back() = 0;  // pixels 1, 2, 3, 0
    ASSERT_TRUE(ReadBytes(image, bytes));
    ColorTable table;
    ASSERT_TRUE(image.GetColorTable(table));
    ASSERT_EQ(table.GetCount(), 4u);
    EXPECT_EQ(table.GetColor(1), 0x020103FEu);  // R 254, G 3, B 1 from quad (1, 3, 254)
    RgbCanvas before(4, 1);
    image.Draw(&before, 0, 0);
    EXPECT_EQ(before.Pixel(0, 0), 0xFE0301u);

    ASSERT_TRUE(table.SetColor(1, 1, 2, 3));
    ASSERT_TRUE(image.SetColorTable(0, table));
    RgbCanvas stale(4, 1);
    image.Draw(&stale, 0, 0);
    EXPECT_EQ(stale.Pixel(0, 0), 0xFE0301u);

    const uint8_t* oldBits = image.GetBits();
    std::vector<uint8_t> pixels(oldBits, oldBits + image.GetImageSize());
    ASSERT_TRUE(image.MakeSurface(nullptr));
    EXPECT_EQ(std::vector<uint8_t>(image.GetBits(), image.GetBits() + image.GetImageSize()), pixels);
    RgbCanvas fresh(4, 1);
    image.Draw(&fresh, 0, 0);
    EXPECT_EQ(fresh.Pixel(0, 0), 0x010203u);

    // The file order is B, G, R, 0.
    TempDir dir;
    ASSERT_TRUE(image.Save(dir.File("c.bmp").c_str(), 1));
    std::vector<uint8_t> saved = ReadAllBytes(dir.File("c.bmp"));
    EXPECT_EQ(std::vector<uint8_t>(saved.begin() + 58, saved.begin() + 62), (std::vector<uint8_t>{3, 2, 1, 0}));

    EXPECT_FALSE(image.SetColorTable(4, table));  // start index N
}

TEST(BitmapImageColors, FailedRecreationKeepsTheOldSurface) {
    BitmapImage image;
    ASSERT_TRUE(image.Create(nullptr, 64, 64, 8, 2));
    Surface* old = image.GetSurface();
    const uint8_t* oldBits = image.GetBits();
    uint32_t previous = SetMemorySurfaceLimit(16);
    EXPECT_FALSE(image.MakeSurface(nullptr));
    SetMemorySurfaceLimit(previous);
    EXPECT_EQ(image.GetSurface(), old);
    EXPECT_EQ(image.GetBits(), oldBits);
    // Refused for the same reason on creation: the object is left empty.
    previous = SetMemorySurfaceLimit(16);
    EXPECT_FALSE(image.Create(nullptr, 64, 64, 8, 2));
    SetMemorySurfaceLimit(previous);
    ExpectEmpty(image);
}

TEST(BitmapImageDraw, DrawPartCopiesARectangleUnscaled) {
    BitmapImage image;
    ASSERT_TRUE(image.Create(nullptr, 3, 2, 24, 0));
    // Bottom-up rows: the last stored row is the top one.
    uint8_t* bits = const_cast<uint8_t*>(image.GetBits());
    bits[image.GetBytesPerLine() + 0] = 0x30;  // top-left pixel, blue byte
    bits[2] = 0x40;                            // bottom-left pixel, red byte
    RgbCanvas canvas(5, 5, 0xFFFFFF);
    image.DrawPart(&canvas, 1, 1, 0, 0, 2, 2);
    EXPECT_EQ(canvas.Pixel(1, 1), 0x000030u);
    EXPECT_EQ(canvas.Pixel(1, 2), 0x400000u);
    EXPECT_EQ(canvas.Pixel(3, 1), 0xFFFFFFu);  // outside the width
    EXPECT_EQ(canvas.Pixel(0, 0), 0xFFFFFFu);
    image.DrawPart(&canvas, -100, -100, 0, 0, INT32_MAX, INT32_MAX);  // clipped, harmless
}
