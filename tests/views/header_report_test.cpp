#include "views/header_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "model/bitmap_image.h"
#include "tests/model/bmp_bytes.h"
#include "tests/model/temp_dir.h"

namespace {

int gQueryCount = 0;
int64_t gQueryResult = -1;

int64_t CountingQuery(const char*) {
    ++gQueryCount;
    return gQueryResult;
}

std::string Text(const PlainString& s) {
    return s.Data() ? std::string(s.Data(), static_cast<size_t>(s.Length())) : std::string();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text must end with CR LF";
    return lines;
}

// The values of the member list's sixteen field lines, in order.
std::vector<std::string> FieldValues(const std::string& text) {
    std::vector<std::string> values;
    for (const std::string& line : Lines(text)) {
        size_t equals = line.find(" = ");
        if (line.rfind("  .", 0) == 0 && equals != std::string::npos) {
            values.push_back(line.substr(equals + 3));
        }
    }
    return values;
}

const char kNewImageSummary[] =
    "  ==== Bitmap Information ====\r\n"
    "\r\n"
    "    -- FileName --\r\n"
    " Bitmap\r\n"
    "\r\n"
    "    -- 基本情報 --\r\n"
    " 高さ   : 256 px\r\n"
    " 幅     : 256 px\r\n"
    " 種類   : 256色 (8bpp)\r\n"
    " 使用色 : 256色\r\n"
    "\r\n"
    "    -- 拡張情報 --\r\n"
    " 1ラインあたりのバイト数        : 256 bytes\r\n"
    " 計算で求められるファイルサイズ : 66614 bytes\r\n"
    " 実際のファイルサイズ           : -1 bytes\r\n"
    "\r\n"
    "    -- ファイルサイズの内訳 --\r\n"
    " BITMAPFILEHEADER : 14 bytes\r\n"
    " BITMAPINFOHEADER : 40 bytes\r\n"
    " カラーテーブル   : 1024 bytes\r\n"
    " 実際の画像ビット : 65536 bytes\r\n";

const std::vector<std::string> kDecimalValuesOf256x256 = {"19778", "66614", "0", "0",     "1078", "40", "256", "256",
                                                          "1",     "8",     "0", "65536", "0",    "0",  "256", "0"};
const std::vector<std::string> kHexValuesOf256x256 = {"0x4D42", "0x10436", "0x0000", "0x0000", "0x0436", "0x0028",
                                                      "0x0100", "0x0100",  "0x0001", "0x0008", "0x0000", "0x10000",
                                                      "0x0000", "0x0000",  "0x0100", "0x0000"};

// The whole member list of the saved 256 x 256 x 8 file, with the given field values.
std::string MemberListOf256x256(const std::string& path, const std::vector<std::string>& v) {
    return "  ==== Original HeaderInfo ====\r\n"
           "\r\n"
           "    -- FileName --\r\n"
           " " +
           path +
           "\r\n"
           "\r\n"
           "    -- HeaderInformation --\r\n"
           " BITMAPFILEHEADER\r\n"
           "  .bfType      = " +
           v[0] + "\r\n  .bfSize      = " + v[1] + "\r\n  .bfReserved1 = " + v[2] + "\r\n  .bfReserved2 = " + v[3] +
           "\r\n  .bfOffBits   = " + v[4] + "\r\n BITMAPINFOHEADER\r\n  .biSize          = " + v[5] +
           "\r\n  .biWidth         = " + v[6] + "\r\n  .biHeight        = " + v[7] +
           "\r\n  .biPlanes        = " + v[8] + "\r\n  .biBitCount      = " + v[9] +
           "\r\n  .biCompression   = " + v[10] + "\r\n  .biSizeImage     = " + v[11] +
           "\r\n  .biXPelsPerMeter = " + v[12] + "\r\n  .biYPelsPerMeter = " + v[13] +
           "\r\n  .biClrUsed       = " + v[14] + "\r\n  .biClrImportant  = " + v[15] + "\r\n";
}

class HeaderReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gQueryCount = 0;
        gQueryResult = -1;
        ASSERT_EQ(newImage_.Create(nullptr, 256, 256, 8, 256), 1);
    }

    BitmapImage& Read(const std::vector<uint8_t>& bytes) {
        MemorySource source(bytes.data(), bytes.size());
        EXPECT_EQ(read_.Read(nullptr, source), 1);
        return read_;
    }
    std::string Summary(const BitmapImage& image, const char* path) {
        PlainString out;
        report_.BuildSummary(image, path, out);
        return Text(out);
    }
    std::string Members(const BitmapImage& image, const char* path, uint32_t notation) {
        PlainString out;
        report_.BuildMemberList(image, path, notation, out);
        return Text(out);
    }

    HeaderReport report_{CountingQuery};
    BitmapImage newImage_;
    BitmapImage read_;
};

TEST_F(HeaderReportTest, SummaryOfNewImage) {
    std::string summary = Summary(newImage_, "Bitmap");
    EXPECT_EQ(summary, kNewImageSummary);
    EXPECT_EQ(summary.size(), 479u);
    EXPECT_EQ(gQueryCount, 1);
}

TEST_F(HeaderReportTest, SavedFileReportsBothFormsAndNotations) {
    TempDir dir;
    std::string path = dir.File("saved.bmp");
    ASSERT_EQ(newImage_.Save(path.c_str(), 1), 1);
    BitmapImage loaded;
    ASSERT_EQ(loaded.Load(nullptr, path.c_str()), 1);

    std::string decimal = Members(loaded, path.c_str(), 0);
    EXPECT_EQ(decimal, MemberListOf256x256(path, kDecimalValuesOf256x256));
    std::string hex = Members(loaded, path.c_str(), 1);
    EXPECT_EQ(hex, MemberListOf256x256(path, kHexValuesOf256x256));
    EXPECT_EQ(Members(loaded, path.c_str(), 7), hex);  // any non-zero notation is hexadecimal
    // Built without a file header, the member list shows the header Save writes.
    EXPECT_EQ(Members(newImage_, path.c_str(), 0), decimal);
    EXPECT_EQ(Members(newImage_, path.c_str(), 1), hex);
    EXPECT_EQ(gQueryCount, 0);

    // The actual size comes from the file system, -1 once the file is gone.
    HeaderReport report;
    PlainString summary;
    report.BuildSummary(loaded, path.c_str(), summary);
    std::string expected = kNewImageSummary;
    expected.replace(expected.find(" Bitmap\r\n"), 7, " " + path);
    expected.replace(expected.find(": -1 bytes"), 10, ": 66614 bytes");
    EXPECT_EQ(Text(summary), expected);
    ASSERT_EQ(remove(path.c_str()), 0);
    report.BuildSummary(loaded, path.c_str(), summary);
    EXPECT_EQ(Lines(Text(summary))[14], " 実際のファイルサイズ           : -1 bytes");
}

TEST_F(HeaderReportTest, TopDownImageKeepsItsSignOnlyInMemberList) {
    BitmapImage& image = Read(MakeBmp(Layout(4, -256, 8, 256)));
    EXPECT_EQ(Lines(Summary(image, "t.bmp"))[6], " 高さ   : 256 px");
    EXPECT_EQ(FieldValues(Members(image, "t.bmp", 0))[7], "-256");
    EXPECT_EQ(FieldValues(Members(image, "t.bmp", 1))[7], "0xFFFFFF00");
}

TEST_F(HeaderReportTest, FullColourImageWithoutColourTable) {
    BitmapImage& image = Read(MakeBmp(Layout(3, 2, 24, 0)));
    std::vector<std::string> lines = Lines(Summary(image, "c.bmp"));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[8], " 種類   : フルカラー (24bpp)");
    EXPECT_EQ(lines[9], " 使用色 : 0色");
    EXPECT_EQ(lines[12], " 1ラインあたりのバイト数        : 12 bytes");
    EXPECT_EQ(lines[13], " 計算で求められるファイルサイズ : 78 bytes");
    EXPECT_EQ(lines[19], " カラーテーブル   : 0 bytes");
    EXPECT_EQ(lines[20], " 実際の画像ビット : 24 bytes");
    EXPECT_EQ(FieldValues(Members(image, "c.bmp", 0))[14], "0");
}

TEST_F(HeaderReportTest, KindText) {
    const struct {
        uint16_t bitCount;
        uint32_t entries;
        const char* line;
    } cases[] = {
        {1, 2, " 種類   : 2色 (1bpp)"}, {4, 16, " 種類   : 16色 (4bpp)"}, {8, 256, " 種類   : 256色 (8bpp)"},
        {16, 0, " 種類   : 不明"},      {32, 0, " 種類   : 不明"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Lines(Summary(Read(MakeBmp(Layout(2, 2, c.bitCount, c.entries))), "k.bmp"))[8], c.line) << c.bitCount;
    }
}

// Numbers are printed as wsprintf prints the stored 32-bit pattern: signed in decimal, two-byte
// fields never sign-extended; the actual size is the low 32 bits Windows gives, signed.
TEST_F(HeaderReportTest, NumbersFollowWsprintf) {
    std::vector<uint8_t> bytes = MakeBmp(Layout(2, 2, 8, 2, 2));
    WriteLe32(&bytes[kOffBfSize], 0xFFFFFFF0u);
    WriteLe16(&bytes[kOffBfReserved1], 0xFFFF);
    WriteLe16(&bytes[kOffBfReserved2], 0x8000);
    WriteLe32(&bytes[kFileHeaderSize + kOffBiXPelsPerMeter], 0x80000000u);
    WriteLe32(&bytes[kFileHeaderSize + kOffBiClrImportant], 0x12345u);
    BitmapImage& image = Read(bytes);
    const std::vector<std::string> decimal = {"-16", "65535", "32768", "-2147483648", "74565"};
    const std::vector<std::string> hex = {"0xFFFFFFF0", "0xFFFF", "0x8000", "0x80000000", "0x12345"};
    for (uint32_t notation : {0u, 1u}) {
        std::vector<std::string> v = FieldValues(Members(image, "f.bmp", notation));
        ASSERT_EQ(v.size(), 16u);
        EXPECT_EQ((std::vector<std::string>{v[1], v[2], v[3], v[12], v[15]}), notation ? hex : decimal);
    }

    gQueryResult = 0x1FFFFFFFELL;
    EXPECT_EQ(Lines(Summary(newImage_, "Bitmap"))[14], " 実際のファイルサイズ           : -2 bytes");
}

TEST_F(HeaderReportTest, LongestPathGivesCompleteReports) {
    std::string path(259, 'p');
    std::string summary = kNewImageSummary;
    summary.replace(summary.find(" Bitmap\r\n"), 7, " " + path);
    EXPECT_EQ(Summary(newImage_, path.c_str()), summary);
    EXPECT_EQ(Members(newImage_, path.c_str(), 0), MemberListOf256x256(path, kDecimalValuesOf256x256));
    EXPECT_EQ(Members(newImage_, path.c_str(), 1), MemberListOf256x256(path, kHexValuesOf256x256));
}

TEST_F(HeaderReportTest, RefreshShowsNothingWithoutImageOrInImageView) {
    EXPECT_EQ(report_.Refresh(nullptr, "Bitmap", {0, 0, 0}), nullptr);
    EXPECT_EQ(report_.Refresh(&newImage_, "Bitmap", {0, 0, 1}), nullptr);
    EXPECT_EQ(report_.Refresh(&newImage_, "Bitmap", {2, 0, 0}), nullptr);
    EXPECT_EQ(report_.SummaryCache().Length(), 0);
    EXPECT_EQ(report_.MemberListCache().Length(), 0);
    EXPECT_EQ(gQueryCount, 0);
}

TEST_F(HeaderReportTest, EachFormIsBuiltOnceIntoItsCache) {
    const char* shown = report_.Refresh(&newImage_, "Bitmap", {0, 0, 0});
    ASSERT_NE(shown, nullptr);
    EXPECT_STREQ(shown, kNewImageSummary);
    EXPECT_EQ(shown, report_.SummaryCache().Data());
    shown = report_.Refresh(&newImage_, "Bitmap", {1, 0, 0});
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(std::string(shown), MemberListOf256x256("Bitmap", kDecimalValuesOf256x256));

    // A later image or path is not seen until the caches are emptied; the file size is not
    // asked for again.
    gQueryResult = 5;
    EXPECT_STREQ(report_.Refresh(&newImage_, "Other", {0, 0, 0}), kNewImageSummary);
    EXPECT_EQ(std::string(report_.Refresh(&newImage_, "Other", {1, 1, 0})),
              MemberListOf256x256("Bitmap", kDecimalValuesOf256x256));
    EXPECT_EQ(gQueryCount, 1);

    report_.EmptyBoth();
    EXPECT_EQ(report_.SummaryCache().Data(), nullptr);
    EXPECT_EQ(report_.MemberListCache().Data(), nullptr);
    EXPECT_EQ(Lines(report_.Refresh(&newImage_, "Other", {0, 0, 0}))[3], " Other");
    EXPECT_EQ(gQueryCount, 2);
}

TEST_F(HeaderReportTest, NotationChangeRebuildsOnlyTheMemberList) {
    std::string summary = report_.Refresh(&newImage_, "Bitmap", {0, 0, 0});
    report_.Refresh(&newImage_, "Bitmap", {1, 0, 0});

    report_.EmptyMemberList();
    EXPECT_EQ(Text(report_.SummaryCache()), summary);
    EXPECT_EQ(report_.MemberListCache().Data(), nullptr);
    EXPECT_EQ(FieldValues(report_.Refresh(&newImage_, "Bitmap", {1, 1, 0})), kHexValuesOf256x256);
    EXPECT_EQ(report_.Refresh(&newImage_, "Bitmap", {0, 1, 0}), summary);
    EXPECT_EQ(gQueryCount, 1);
}

}  // namespace
