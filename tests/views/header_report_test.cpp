#include "views/header_report.h"

#include <gtest/gtest.h>

#include "model/bitmap_image.h"
#include "tests/model/test_files.h"

static int64_t gFileSize = 0;

// Numbers print as wsprintf prints their low 32 bits, a created image's file header as its save writes it.
// Each form is built once into its cache; nothing without an image, in the image view or for no form.
TEST(HeaderReport, EachFormIsItsGoldenTextBuiltOnceIntoItsCache) {
    const Bytes odd =  // the stored offset past the file's end, shown as stored
        Poke(MakeBmp(2, 2, 4, 2, 2), {{2, 0xFFFFFFF0u}, {6, 0x8000FFFFu}, {10, 0x7777}, {38, 1u << 31}, {50, 0x12345}});
    const std::tuple<std::string, Bytes, std::string, int64_t> cases[] = {
        {"new", {}, "new.bmp", 66614},
        {"top_down_1bit", MakeBmp(33, -5, 1, 2), "t.bmp", -1},
        {"full_colour", MakeBmp(3, 2, 24, 0), "c.bmp", -1},
        {"odd_numbers_4bit", odd, "n.bmp", 0x1FFFFFFFELL},
        {"longest_path_32bit", MakeBmp(2, 2, 32, 0), std::string(259, 'p'), -1}};
    for (const auto& [name, bytes, path, size] : cases) {
        SCOPED_TRACE(name);
        BitmapImage image;
        MemorySource source(bytes.data(), bytes.size());
        ASSERT_TRUE(bytes.empty() ? image.Create(nullptr, 256, 256, 8, 256) : image.Read(nullptr, source));
        HeaderReport report([](const char*) { return gFileSize; });
        auto shown = [&](ReportOptions o, std::string at) { return Utf8(report.Refresh(&image, at.c_str(), o)); };
        gFileSize = size;
        EXPECT_FALSE(report.Refresh(nullptr, "a.bmp", {0, 0, 0}) || report.Refresh(&image, "a.bmp", {0, 0, 1}) ||
                     report.Refresh(&image, "a.bmp", {2, 0, 0}) || report.SummaryCache().Data());
        EXPECT_EQ(shown({0, 0, 0}, path), Golden(name + ".summary"));
        EXPECT_EQ(shown({1, 0, 0}, path), Golden(name + ".members"));
        EXPECT_EQ(shown({1, 7, 0}, "other.bmp"), Golden(name + ".members"));
        report.EmptyMemberList();
        EXPECT_EQ(shown({1, 7, 0}, path), Golden(name + ".hex"));  // any notation but 0
        EXPECT_EQ(shown({0, 0, 0}, "other.bmp"), Golden(name + ".summary"));
        report.EmptyBoth();
        EXPECT_TRUE(!report.SummaryCache().Data() && shown({1, 0, 0}, path) == Golden(name + ".members"));
    }
}
