#include "views/header_report.h"

#include <gtest/gtest.h>

#include "model/bitmap_image.h"
#include "tests/model/bmp_bytes.h"
#include "tests/views/golden.h"

namespace {

int gQueries = 0;
int64_t gFileSize = 66614;

int64_t FakeFileSize(const char*) {
    ++gQueries;
    return gFileSize;
}

const char* const kForms[] = {".summary", ".members", ".hex"};

}  // namespace

// A created image (no bytes) shows the file header its save writes; numbers are printed as wsprintf
// prints the stored 32-bit pattern, and the file's size is the low 32 bits Windows gives.
TEST(HeaderReport, EachFormIsExactlyItsGoldenText) {
    const Bytes odd = Poke(MakeBmp(2, 2, 4, 2, 2), {{2, 0xFFFFFFF0u}, {6, 0x8000FFFFu}, {38, 1u << 31}, {50, 0x12345}});
    const std::tuple<std::string, Bytes, std::string, int64_t> cases[] = {
        {"new", {}, "new.bmp", 66614},
        {"top_down_1bit", MakeBmp(33, -5, 1, 2), "t.bmp", -1},
        {"full_colour", MakeBmp(3, 2, 24, 0), "c.bmp", -1},
        {"odd_numbers_4bit", odd, "n.bmp", 0x1FFFFFFFELL},
        {"longest_path_32bit", MakeBmp(2, 2, 32, 0), std::string(259, 'p'), -1},
    };
    for (const auto& [golden, bytes, path, size] : cases) {
        BitmapImage image;
        MemorySource source(bytes.data(), bytes.size());
        ASSERT_TRUE(bytes.empty() ? image.Create(nullptr, 256, 256, 8, 256) : image.Read(nullptr, source));
        gFileSize = size;
        PlainString built[3];
        HeaderReport(FakeFileSize).BuildSummary(image, path.c_str(), built[0]);
        HeaderReport(FakeFileSize).BuildMemberList(image, path.c_str(), 0, built[1]);
        HeaderReport(FakeFileSize).BuildMemberList(image, path.c_str(), 7, built[2]);  // any but 0: hexadecimal
        for (int form = 0; form < 3; ++form) {
            EXPECT_EQ(Utf8(built[form].Data()), Golden(golden + kForms[form])) << golden;
        }
    }
}

// Nothing is built without an image, in the image view or for an unknown form; each form is built
// once and shown from its cache, whatever path or notation comes, until that is emptied.
TEST(HeaderReport, FormsAreBuiltOnceAndShownFromTheirCaches) {
    BitmapImage image;
    ASSERT_TRUE(image.Create(nullptr, 256, 256, 8, 256));
    HeaderReport report(FakeFileSize);
    gQueries = 0;
    gFileSize = 66614;
    EXPECT_FALSE(report.Refresh(nullptr, "new.bmp", {0, 0, 0}) || report.Refresh(&image, "new.bmp", {0, 0, 1}) ||
                 report.Refresh(&image, "new.bmp", {2, 0, 0}) || gQueries != 0);
    const char* summary = report.Refresh(&image, "new.bmp", {0, 0, 0});
    EXPECT_EQ(Utf8(summary), Golden("new.summary"));
    EXPECT_EQ(Utf8(report.Refresh(&image, "new.bmp", {1, 0, 0})), Golden("new.members"));
    EXPECT_EQ(Utf8(report.Refresh(&image, "other.bmp", {1, 1, 0})), Golden("new.members"));
    report.EmptyMemberList();
    EXPECT_EQ(Utf8(report.Refresh(&image, "new.bmp", {1, 1, 0})), Golden("new.hex"));
    EXPECT_TRUE(report.Refresh(&image, "other.bmp", {0, 0, 0}) == summary && gQueries == 1);
    report.EmptyBoth();
    EXPECT_EQ(Utf8(report.Refresh(&image, "new.bmp", {1, 0, 0})), Golden("new.members"));
    EXPECT_TRUE(Utf8(report.Refresh(&image, "new.bmp", {0, 0, 0})) == Golden("new.summary") && gQueries == 2);
}
