#include "model/bitmap_image.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "model/color_table.h"
#include "model/rgb_canvas.h"
#include "model/surface_portable.h"
#include "tests/model/bmp_bytes.h"
#include "tests/model/bmpsuite_verdicts.h"

namespace {

// A header that promises more than the file holds is refused before anything of that size is asked for.
struct CheckedSource : MemorySource {
    using MemorySource::MemorySource;
    ~CheckedSource() override { EXPECT_LE(asked_, Size()); }
    uint32_t Read(void* destination, uint32_t count) override {
        asked_ += count;
        return MemorySource::Read(destination, count);
    }
    uint64_t asked_ = 0;
};

int Read(BitmapImage& image, const Bytes& bytes) {
    CheckedSource source(bytes.data(), bytes.size());
    return image.Read(nullptr, source);
}

bool IsEmpty(const BitmapImage& image) {
    int32_t w, h;
    return !image.GetBits() && !image.HasFileHeader() && image.GetColorCount() == 0 && !image.GetSize(&w, &h);
}

}  // namespace

// N entries (biClrUsed, else 2^bits below 16 bits), the bits, back byte for byte: w, h, N, row, table (-1 none).
TEST(BitmapImageRead, TakesWhatTheHeaderDescribesAndSavesItBack) {
    TempDir dir;
    const std::pair<Bytes, std::vector<int64_t>> cases[] = {
        {MakeBmp(4, 2, 8, 16, 16), {4, 2, 16, 4, 16}},
        {Poke(MakeBmp(4, 2, 8, 256), {{2, 12345}, {6, 7}, {10, 2000}}), {4, 2, 256, 4, 256}},  // kept; bfOffBits unused
        {MakeBmp(33, 5, 1, 2), {33, 5, 2, 8, 2}},
        {MakeBmp(9, -3, 4, 16), {9, 3, 16, 8, 16}},
        {MakeBmp(2, 2, 16, 0), {2, 2, 0, 4, -1}},
        {MakeBmp(3, 2, 24, 3, 3), {3, 2, 3, 12, 3}},
    };
    for (const auto& [bytes, expected] : cases) {
        BitmapImage image;
        ColorTable table;
        int32_t w = 0, h = 0;
        ASSERT_TRUE(Read(image, bytes) && image.GetSize(&w, &h) && image.Save(dir.File("copy.bmp").c_str(), 1));
        EXPECT_EQ((std::vector<int64_t>{w, h, image.GetColorCount(), image.GetBytesPerLine(),
                                        image.GetColorTable(table) ? int64_t{table.GetCount()} : -1}),
                  expected);
        EXPECT_EQ(ReadAllBytes(dir.File("copy.bmp")), bytes);
    }
}

TEST(BitmapImageRead, RefusesWhatItCannotShowAndIsLeftEmpty) {
    const Bytes good = MakeBmp(4, 2, 8, 2, 2), full = MakeBmp(9, 3, 4, 16);
    std::vector<std::pair<const char*, Bytes>> cases = {
        {"magic BA", Poke(good, {{0, 0x4142}})},
        {"108-byte header", Poke(good, {{14, 108}})},
        {"bit fields", Poke(MakeBmp(4, 2, 16, 0), {{30, 3}})},
        {"2 bits per pixel", MakeBmp(4, 2, 2, 4)},
        {"width 0", MakeBmp(0, 2, 8, 2, 2)},
        {"negative width", MakeBmp(-4, 2, 8, 2, 2)},
        {"height 0", MakeBmp(4, 0, 8, 2, 2)},
        {"4N wraps to 4", Poke(good, {{46, 0x40000001}})},
        {"rows x 4 bytes wrap to 8", Poke(MakeBmp(1, 2, 32, 0), {{22, 0x40000002}})},
        {"table beyond the file", Poke(good, {{46, 305402420}})},
        {"bits beyond the file", Poke(good, {{18, 30000}, {22, 30000}})},
    };
    for (size_t cut = 0; cut < full.size(); ++cut) {
        cases.emplace_back("cut short", Bytes(full.begin(), full.begin() + cut));
    }
    BitmapImage image;
    for (const auto& [name, bytes] : cases) {
        ASSERT_TRUE(Read(image, full));  // a loaded image is replaced by the failure
        EXPECT_TRUE(!Read(image, bytes) && IsEmpty(image)) << name << ", " << bytes.size() << " bytes";
    }
}

// Width, height, bits, entries, and whether it can be made.
TEST(BitmapImageCreate, TakesOnlyTheModesEntryCountsAndSavesWithAFileHeaderMadeForIt) {
    const int32_t cases[][5] = {{8, 8, 1, 1, 1},          {8, 8, 1, 2, 1},        {8, 8, 4, 16, 1}, {8, 8, 8, 1, 1},
                                {8, 8, 24, 0, 1},         {8, 8, 24, 256, 0},     {8, 8, 8, 0, 0},  {8, 8, 1, 3, 0},
                                {8, 8, 4, 17, 0},         {8, 8, 8, 257, 0},      {8, 8, 16, 0, 0}, {8, 8, 32, 0, 0},
                                {0, 8, 8, 2, 0},          {8, 0, 8, 2, 0},        {-8, 8, 8, 2, 0}, {8, -8, 8, 2, 0},
                                {65536, 65536, 24, 0, 0}, {32768, 32769, 8, 2, 0}};  // beyond the surface limit
    for (const auto& c : cases) {
        BitmapImage image;
        ASSERT_TRUE(image.Create(nullptr, 8, 8, 8, 2));
        EXPECT_TRUE(image.Create(nullptr, c[0], c[1], c[2], c[3]) == c[4] && IsEmpty(image) == !c[4]) << &c - cases;
    }
    // A new image is saved with a file header made for it, and zeros for its table and bits.
    TempDir dir;
    BitmapImage image;
    const std::string path = dir.File("a.bmp");
    ASSERT_TRUE(!image.Save(path.c_str(), 1) && image.Create(nullptr, 3, 2, 4, 3) && image.Save(path.c_str(), 1));
    const Bytes made = Poke(Bytes(74), {{0, 0x4D42}, {2, 74}, {10, 66}, {14, 40}, {18, 3}, {22, 2}, {34, 8}, {46, 3}});
    EXPECT_EQ(ReadAllBytes(path), Poke(made, {{26, 1 | 4 << 16}}));  // 1 plane, 4 bits
}

// Top-down rows, indexes 0-3 above 4-7: a 3 x 1 canvas gets the pixel (1, 1), index 5, then (2, 1).
TEST(BitmapImageColors, NewColoursReachTheSurfaceOnlyWhenItIsRemade) {
    BitmapImage image;
    ASSERT_TRUE(Read(image, MakeBmp(3, -2, 8, 8, 8)));
    auto drawn = [&image] {
        RgbCanvas canvas(3, 1, 0xFFFFFF);  // the last pixel lies beyond the image and stays white
        image.DrawPart(&canvas, -1, -1, 0, 0, INT32_MAX, INT32_MAX);
        return canvas.Pixel(2, 0) == 0xFFFFFF ? canvas.Pixel(0, 0) : 0xBAD;
    };
    ColorTable table;
    ASSERT_TRUE(image.GetColorTable(table) && table.SetColor(5, 1, 2, 3) && image.SetColorTable(0, table));
    EXPECT_EQ(drawn(), 0xFA0F05u);  // from the quad blue 5, green 15, red 250
    const Bytes pixels(image.GetBits(), image.GetBits() + image.GetImageSize());
    ASSERT_TRUE(image.MakeSurface(nullptr));
    EXPECT_EQ(Bytes(image.GetBits(), image.GetBits() + image.GetImageSize()), pixels);
    EXPECT_EQ(drawn(), 0x010203u);
    const uint8_t* bits = image.GetBits();
    uint32_t previous = SetMemorySurfaceLimit(3);  // a surface that cannot be made leaves the old one
    EXPECT_FALSE(image.MakeSurface(nullptr));
    SetMemorySurfaceLimit(previous);
    EXPECT_TRUE(image.GetBits() == bits && drawn() == 0x010203u);
    EXPECT_TRUE(!image.SetColorTable(8, table) && image.SetColorTable(7, table));  // from slot 7 only what fits
}

// Files from elsewhere: the public BMP suite, and files of two independent writers (Pillow, ImageMagick).
TEST(BitmapImageReferenceFiles, BmpSuiteFilesAreAcceptedOrRefusedAsClassified) {
    const std::string suite = std::string(KORVANE_SOURCE_DIR) + "/../shared/bmpsuite";
    const auto verdicts = BmpSuiteVerdicts(suite);
    if (verdicts.empty()) {
        GTEST_SKIP() << "bmpsuite not found at " << suite;
    }
    EXPECT_EQ(verdicts.size(), 91u);
    for (const auto& [file, accept] : verdicts) {
        BitmapImage image;
        RgbCanvas canvas(64, 64);
        EXPECT_EQ(image.Load(nullptr, (suite + "/" + file).c_str()) != 0, accept) << file;
        image.Draw(&canvas, 0, 0);  // what was accepted draws without harm
    }
}

TEST(BitmapImageReferenceFiles, IndependentWritersFilesLoadDecodeAndRoundTrip) {
    TempDir dir;
    std::string script = std::string(KORVANE_SOURCE_DIR) + "/tests/model/make_reference_bmps.py";
    if (std::system(("/usr/bin/python3 '" + script + "' '" + dir.path + "' 2>&1").c_str()) != 0) {
        ASSERT_EQ(std::getenv("KORVANE_REQUIRE_WRITERS"), nullptr) << "the writers did not run";  // scripts/test
        GTEST_SKIP() << "Pillow or ImageMagick missing: run ./scripts/test, which installs them";
    }
    std::ifstream manifest(dir.File("manifest.txt"));
    std::string name;
    int width = 0, height = 0, bits = 0, cases = 0;
    for (; manifest >> name >> width >> height >> bits; ++cases) {
        SCOPED_TRACE(name);
        const Bytes original = ReadAllBytes(dir.File(name + ".bmp")), rgb = ReadAllBytes(dir.File(name + ".rgb"));
        BitmapImage image;
        RgbCanvas canvas(width, height);
        ASSERT_TRUE(image.Load(nullptr, dir.File(name + ".bmp").c_str()) && rgb.size() == 3u * width * height);
        image.Draw(&canvas, 0, 0);
        for (int i = 0; i < width * height; ++i) {
            const uint8_t* p = &rgb[3 * i];
            ASSERT_EQ(canvas.Pixel(i % width, i / width), uint32_t(p[0] << 16 | p[1] << 8 | p[2])) << "pixel " << i;
        }
        // Saved back: the same bytes up to the end of the bits, which start where the writer said.
        size_t bitsStart = kHeadersSize + 4 * image.GetColorCount(), end = bitsStart + image.GetImageSize();
        ASSERT_TRUE(DecodeFileHeader(original.data()).bfOffBits == bitsStart && original.size() >= end);
        ASSERT_TRUE(image.Save(dir.File("copy.bmp").c_str(), 1));
        EXPECT_EQ(ReadAllBytes(dir.File("copy.bmp")), Bytes(original.begin(), original.begin() + end));
    }
    EXPECT_EQ(cases, 31);
}
