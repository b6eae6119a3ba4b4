#include "model/bitmap_image.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "model/color_table.h"
#include "model/rgb_canvas.h"
#include "model/surface_portable.h"
#include "tests/model/bmpsuite.h"
#include "tests/model/test_files.h"

// A header that promises more than the file holds is refused before anything of that size is asked for.
struct CheckedSource : MemorySource {
    using MemorySource::MemorySource;
    uint32_t Read(void* destination, uint32_t count) override {
        EXPECT_LE(asked_ += count, Size());
        return MemorySource::Read(destination, count);
    }
    uint64_t asked_ = 0;
};

static int Read(BitmapImage& image, const Bytes& bytes) {
    CheckedSource source(bytes.data(), bytes.size());
    return image.Read(nullptr, source);
}

static bool IsEmpty(const BitmapImage& image) {
    int32_t w, h;
    return !image.GetBits() && !image.HasFileHeader() && image.GetColorCount() == 0 && !image.GetSize(&w, &h);
}

static const TempDir gDir;

static Bytes Saved(const BitmapImage& image) {
    return image.Save(gDir.File("saved.bmp").c_str(), 1) ? ReadAllBytes(gDir.File("saved.bmp")) : Bytes();
}

// Taken: w, h, N (biClrUsed, else 2^bits below 16 bits), row, table (-1 none), saved back; or nothing, for
// the reason that names the case.
TEST(BitmapImageRead, TakesWhatTheHeaderDescribesOrNothing) {
    const Bytes good = MakeBmp(4, 2, 8, 2, 2), full = MakeBmp(9, 3, 4, 16);
    std::vector<std::tuple<std::string, Bytes, std::vector<int64_t>>> cases = {
        {"biClrUsed", MakeBmp(4, 2, 8, 16, 16), {4, 2, 16, 4, 16}},
        {"bfSize and reserved unused", Poke(MakeBmp(4, 2, 8, 256), {{2, 12345}, {6, 7}}), {4, 2, 256, 4, 256}},
        {"1 bit", MakeBmp(33, 5, 1, 2), {33, 5, 2, 8, 2}},
        {"top-down", MakeBmp(9, -3, 4, 16), {9, 3, 16, 8, 16}},
        {"16 bits", MakeBmp(2, 2, 16, 0), {2, 2, 0, 4, -1}},
        {"24 bits with a table", MakeBmp(3, 2, 24, 3, 3), {3, 2, 3, 12, 3}},
        {"the file starts with 0x42 0x41, not \"BM\"", Poke(good, {{0, 0x4142}}), {}},
        {"the info header has 108 bytes, not 40", Poke(good, {{14, 108}}), {}},
        {"the compression is 3, not 0 (plain RGB)", Poke(MakeBmp(4, 2, 16, 0), {{30, 3}}), {}},
        {"the bit count is 2, not 1, 4, 8, 16, 24 or 32", MakeBmp(4, 2, 2, 4), {}},
        {"the width is 0; it must be at least 1", MakeBmp(0, 2, 8, 2, 2), {}},
        {"the width is -4; it must be at least 1", MakeBmp(-4, 2, 8, 2, 2), {}},
        {"the height is 0", MakeBmp(4, 0, 8, 2, 2), {}},
        {"a colour table of 1073741825 entries does not fit 32 bits", Poke(good, {{46, 0x40000001}}), {}},
        {"1073741826 rows of 4 bytes do not fit 32 bits", Poke(MakeBmp(1, 2, 32, 0), {{22, 0x40000002}}), {}},
        {"a row of 1073741825 32-bit pixels does not fit 32 bits", Poke(MakeBmp(1, 1, 32, 0), {{18, 0x40000001}}), {}},
        {"the file size 54 + 64 + 4294967180 does not fit 32 bits", Poke(MakeBmp(1, 1, 4, 16), {{22, 1073741795}}), {}},
        {"the colour table needs 1221609680 bytes; 16 remain after the headers", Poke(good, {{46, 305402420}}), {}},
        {"the pixel bits need 120000 bytes; 8 remain after the colour table", Poke(good, {{22, 30000}}), {}}};
    for (size_t cut = 0; cut < full.size(); ++cut) {
        const std::string left = std::to_string(cut < 54 ? cut : cut < 118 ? cut - 54 : cut - 118);
        cases.emplace_back(cut < 54    ? "the two headers need 54 bytes; the file has " + left
                           : cut < 118 ? "the colour table needs 64 bytes; " + left + " remain after the headers"
                                       : "the pixel bits need 24 bytes; " + left + " remain after the colour table",
                           Bytes(full.begin(), full.begin() + cut), std::vector<int64_t>());
    }
    BitmapImage image;
    for (const auto& [name, bytes, expected] : cases) {
        ColorTable table;
        int32_t w = 0, h = 0;
        std::vector<int64_t> taken;
        ASSERT_TRUE(Read(image, full) && image.GetRefusal().kind == ReadRefusal::kNone);  // replaced even by a failure
        if (Read(image, bytes) && image.GetSize(&w, &h)) {
            const int64_t entries = image.GetColorTable(table) ? int64_t{table.GetCount()} : -1;
            taken = {w, h, image.GetColorCount(), image.GetBytesPerLine(), entries};
        }
        EXPECT_EQ(taken, expected) << name << ", " << bytes.size() << " bytes";
        EXPECT_EQ(DescribeRefusal(image.GetRefusal()), taken.empty() ? name : "") << bytes.size() << " bytes";
        EXPECT_TRUE(taken.empty() ? IsEmpty(image) : Saved(image) == bytes) << name;
    }
    struct Shrinking : MemorySource {  // a file that shrinks while it is read
        using MemorySource::MemorySource;
        uint32_t Read(void* destination, uint32_t count) override { return MemorySource::Read(destination, count) / 2; }
    } shrinking(full.data(), full.size());
    EXPECT_TRUE(!image.Read(nullptr, shrinking) && IsEmpty(image));
    EXPECT_EQ(DescribeRefusal(image.GetRefusal()), "a read asked for 54 bytes and got 27");
}

// The bits start at bfOffBits where it lies at or after the table's end and they fit from there, else right
// after the table; Save writes them after the table, the header's offset and size made to say so where needed.
TEST(BitmapImageRead, PixelBitsStartAtTheOffsetOnlyWhereTheyFit) {
    const Bytes plain = MakeBmp(4, 2, 8, 2, 2);  // a table of 8 bytes ending at 62, then 8 bytes of bits: 8..15
    const Bytes bits(plain.begin() + 62, plain.end()), gapThenBits = {0xEE, 0xEE, 0xEE, 0xEE, 8, 9, 10, 11};
    const std::pair<uint32_t, bool> offsets[] = {{0, false}, {20, false}, {58, false},  {62, true},
                                                 {66, true}, {67, false}, {1000, false}};  // 66 + 8 is the end
    for (const auto& [offBits, atOffset] : offsets) {
        Bytes file = plain;
        if (offBits != 62) {
            file.insert(file.begin() + 62, 4, 0xEE);
        }
        file = Poke(file, {{2, uint32_t(file.size())}, {10, offBits}});
        BitmapImage image;
        ASSERT_TRUE(Read(image, file)) << offBits;
        EXPECT_EQ(Bytes(image.GetBits(), image.GetBits() + 8), atOffset ? bits : gapThenBits) << offBits;
        uint8_t stored[kFileHeaderSize];
        image.GetHeaders(stored, nullptr);
        EXPECT_EQ(Bytes(stored, stored + kFileHeaderSize), Bytes(file.begin(), file.begin() + kFileHeaderSize));
        Bytes written = Poke(Bytes(file.begin(), file.begin() + 62), {{2, 70}, {10, 62}});
        written.insert(written.end(), image.GetBits(), image.GetBits() + 8);
        EXPECT_EQ(Saved(image), offBits == 62 ? file : written) << offBits;
    }
}

// Width, height, bits, entries, and whether it can be made: saved with a file header, table and bits of 0.
TEST(BitmapImageCreate, TakesOnlyTheModesAndEntryCountsAndSavesWithAFileHeaderMadeForIt) {
    const int32_t cases[][5] = {{3, 2, 1, 1, 1},          {8, 8, 1, 2, 1},        {3, 2, 4, 16, 1}, {8, 8, 8, 1, 1},
                                {3, 2, 24, 0, 1},         {8, 8, 24, 256, 0},     {8, 8, 8, 0, 0},  {8, 8, 1, 3, 0},
                                {8, 8, 4, 17, 0},         {8, 8, 8, 257, 0},      {8, 8, 16, 0, 0}, {8, 8, 32, 0, 0},
                                {0, 8, 8, 2, 0},          {8, 0, 8, 2, 0},        {-8, 8, 8, 2, 0}, {8, -8, 8, 2, 0},
                                {65536, 65536, 24, 0, 0}, {32768, 32769, 8, 2, 0}};  // beyond the surface limit
    for (const auto& c : cases) {
        BitmapImage image;
        Bytes made = c[4] ? MakeBmp(c[0], c[1], c[2], c[3], c[3]) : Bytes();
        std::fill(made.begin() + std::min<size_t>(kHeadersSize, made.size()), made.end(), 0);
        ASSERT_TRUE(image.Create(nullptr, 8, 8, 8, 2));
        EXPECT_TRUE(image.Create(nullptr, c[0], c[1], c[2], c[3]) == c[4] && IsEmpty(image) == !c[4]) << &c - cases;
        EXPECT_EQ(Saved(image), made) << &c - cases;
    }
}

// A new table draws at once as the file read with it: in place for indexed images (bits stay put), on a new
// surface for 24 bits, where failing keeps the old surface and table. 5 x 2 images on a 6 x 2 canvas.
TEST(BitmapImageColors, ANewTableDrawsAsTheFileReadWithItDoes) {
    auto drawn = [](const BitmapImage& image) {
        RgbCanvas canvas(6, 2, 0xFFFFFF);
        image.DrawPart(&canvas, 0, 0, 0, 0, INT32_MAX, INT32_MAX);
        std::vector<uint32_t> pixels;
        for (int i = 0; i < 12; ++i) {
            pixels.push_back(canvas.Pixel(i % 6, i / 6));
        }
        return pixels;
    };
    for (const Bytes& file : {MakeBmp(5, -2, 8, 256), MakeBmp(5, 2, 8, 300, 300), MakeBmp(5, -2, 4, 16),
                              MakeBmp(5, 2, 4, 3, 3), MakeBmp(5, -2, 1, 2), MakeBmp(5, -2, 24, 3, 3)}) {
        BitmapImage image, original, fresh, unmade;
        ColorTable table;
        ASSERT_TRUE(Read(image, file) && Read(original, file) && image.GetColorTable(table));
        for (uint32_t i = 0; i < table.GetCount(); ++i) {
            table.SetColor(i, i * 7, 255 - i, i ^ 0x5A);
        }
        const uint8_t* bits = image.GetBits();
        const bool indexed = file[28] <= 8;
        const uint32_t limit = SetMemorySurfaceLimit(3);
        EXPECT_EQ(image.SetColorTable(0, table), int{indexed}) << file[28];
        EXPECT_EQ(Read(unmade, file) ? "" : DescribeRefusal(unmade.GetRefusal()),
                  "no surface can be made for " + std::to_string(image.GetImageSize()) + " bytes of pixels");
        EXPECT_TRUE(SetMemorySurfaceLimit(limit) == 3 && image.GetBits() == bits);
        if (!indexed) {  // the info block and the surface kept on failure
            EXPECT_EQ(Saved(image), Saved(original));
            EXPECT_EQ(drawn(image), drawn(original));
        }
        ASSERT_TRUE(image.SetColorTable(0, table) && Read(fresh, Saved(image)));
        EXPECT_TRUE((image.GetBits() == bits) == indexed) << file[28];
        EXPECT_EQ(drawn(image), drawn(fresh)) << file[28];
        const uint32_t last = image.GetColorCount() - 1;  // from the last entry only what fits
        EXPECT_TRUE(!image.SetColorTable(last + 1, table) && image.SetColorTable(last, table));
    }
}

TEST(BitmapImageReferenceFiles, BmpSuiteFilesAreAcceptedOrRefusedAsClassified) {
    RgbCanvas canvas(64, 64);  // what was accepted draws without harm
    EXPECT_EQ(BmpSuiteMisjudged(std::string(KORVANE_SOURCE_DIR) + "/tests/data/bmpsuite", &canvas), "");
}

TEST(BitmapImageReferenceFiles, IndependentWritersFilesLoadDecodeAndRoundTrip) {
    std::string script = std::string(KORVANE_SOURCE_DIR) + "/tests/model/make_reference_bmps.py";
    if (std::system(("/usr/bin/python3 '" + script + "' '" + gDir.path + "' 2>&1").c_str()) != 0) {
        ASSERT_EQ(std::getenv("KORVANE_REQUIRE_WRITERS"), nullptr) << "the writers did not run";  // scripts/test
        GTEST_SKIP() << "ImageMagick missing: run ./scripts/test, which installs it";
    }
    std::ifstream manifest(gDir.File("manifest.txt"));
    std::string name;
    int width = 0, height = 0, cases = 0;
    for (; manifest >> name >> width >> height; ++cases) {
        SCOPED_TRACE(name);
        const Bytes original = ReadAllBytes(gDir.File(name + ".bmp")), rgb = ReadAllBytes(gDir.File(name + ".rgb"));
        BitmapImage image;
        RgbCanvas canvas(width, height);
        ASSERT_TRUE(image.Load(nullptr, gDir.File(name + ".bmp").c_str()) && rgb.size() == 3u * width * height);
        image.Draw(&canvas, 0, 0);
        for (int i = 0; i < width * height; ++i) {
            const uint8_t* p = &rgb[3 * i];
            ASSERT_EQ(canvas.Pixel(i % width, i / width), uint32_t(p[0] << 16 | p[1] << 8 | p[2])) << "pixel " << i;
        }
        const size_t end = kHeadersSize + 4 * image.GetColorCount() + image.GetImageSize();
        EXPECT_EQ(Saved(image), Bytes(original.begin(), original.begin() + end));  // the same up to the bits' end
    }
    EXPECT_EQ(cases, 15);
}
