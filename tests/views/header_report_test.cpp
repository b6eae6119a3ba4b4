#include "views/header_report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/bitmap_image.h"
#include "model/bmp_format.h"
#include "views/text_builder.h"

namespace {

int gQueryCount = 0;
int64_t gQueryResult = -1;

int64_t CountingQuery(const char*) {
    ++gQueryCount;
    return gQueryResult;
}

// A complete uncompressed BMP with zero colour table and pixels.
std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, uint16_t bitCount, uint32_t clrUsed) {
    uint32_t n = ColorCountOnRead(clrUsed, bitCount);
    BitmapSizes sizes;
    EXPECT_EQ(ComputeBitmapSizes(width, height, bitCount, n, &sizes), 1);
    std::vector<uint8_t> bytes(sizes.fileSize, 0);
    uint8_t* f = bytes.data();
    WriteLe16(f + kOffBfType, kBitmapType);
    WriteLe32(f + kOffBfSize, sizes.fileSize);
    WriteLe32(f + kOffBfOffBits, kHeadersSize + sizes.colorTableBytes);
    uint8_t* i = f + kFileHeaderSize;
    WriteLe32(i + kOffBiSize, kInfoHeaderSize);
    WriteLe32(i + kOffBiWidth, static_cast<uint32_t>(width));
    WriteLe32(i + kOffBiHeight, static_cast<uint32_t>(height));
    WriteLe16(i + kOffBiPlanes, 1);
    WriteLe16(i + kOffBiBitCount, bitCount);
    WriteLe32(i + kOffBiSizeImage, sizes.imageSize);
    WriteLe32(i + kOffBiClrUsed, clrUsed);
    return bytes;
}

void ReadBmp(BitmapImage& image, const std::vector<uint8_t>& bytes) {
    MemorySource source(bytes.data(), bytes.size());
    ASSERT_EQ(image.Read(nullptr, source), 1);
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

class TempDir {
  public:
    TempDir() {
        char pattern[] = "/tmp/korvane-views-XXXXXX";
        EXPECT_NE(mkdtemp(pattern), nullptr);
        path_ = pattern;
    }
    ~TempDir() {
        for (const std::string& file : files_) {
            remove(file.c_str());
        }
        rmdir(path_.c_str());
    }
    std::string File(const char* name) {
        files_.push_back(path_ + "/" + name);
        return files_.back();
    }

  private:
    std::string path_;
    std::vector<std::string> files_;
};

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
};

TEST_F(HeaderReportTest, SummaryOfNewImage) {
    std::string summary = Summary(newImage_, "Bitmap");
    EXPECT_EQ(summary, kNewImageSummary);
    EXPECT_EQ(summary.size(), 479u);
    EXPECT_EQ(gQueryCount, 1);
}

// The labels are laid out for a fixed-pitch font: colons and equals signs line up.
TEST_F(HeaderReportTest, LabelsLineUp) {
    std::vector<std::string> summary = Lines(Summary(newImage_, "Bitmap"));
    ASSERT_EQ(summary.size(), 21u);
    for (int i = 6; i <= 9; ++i) {
        EXPECT_EQ(summary[i].find(':'), 8u) << summary[i];
    }
    for (int i = 12; i <= 14; ++i) {
        EXPECT_EQ(summary[i].find(':'), 32u) << summary[i];
    }
    for (int i = 17; i <= 20; ++i) {
        EXPECT_EQ(summary[i].find(':'), 18u) << summary[i];
    }

    std::vector<std::string> members = Lines(Members(newImage_, "Bitmap", 0));
    ASSERT_EQ(members.size(), 24u);
    for (int i = 7; i <= 11; ++i) {
        EXPECT_EQ(members[i].find('='), 15u) << members[i];
    }
    for (int i = 13; i <= 23; ++i) {
        EXPECT_EQ(members[i].find('='), 19u) << members[i];
    }
}

TEST_F(HeaderReportTest, SavedFileReportsBothNotations) {
    TempDir dir;
    std::string path = dir.File("saved.bmp");
    ASSERT_EQ(newImage_.Save(path.c_str(), 1), 1);
    BitmapImage loaded;
    ASSERT_EQ(loaded.Load(nullptr, path.c_str()), 1);

    std::string decimal = Members(loaded, path.c_str(), 0);
    EXPECT_EQ(decimal, MemberListOf256x256(path, kDecimalValuesOf256x256));
    EXPECT_EQ(decimal.size(), 513 + path.size());

    std::string hex = Members(loaded, path.c_str(), 1);
    EXPECT_EQ(hex, MemberListOf256x256(path, kHexValuesOf256x256));
    EXPECT_EQ(hex.size(), 573 + path.size());
    EXPECT_EQ(Members(loaded, path.c_str(), 7), hex);  // any non-zero notation is hexadecimal

    // Built without a file header, the member list shows the header Save writes.
    EXPECT_EQ(Members(newImage_, path.c_str(), 0), decimal);
    EXPECT_EQ(Members(newImage_, path.c_str(), 1), hex);
    EXPECT_EQ(gQueryCount, 0);
}

TEST_F(HeaderReportTest, ActualFileSizeComesFromTheFileSystem) {
    TempDir dir;
    std::string path = dir.File("real.bmp");
    ASSERT_EQ(newImage_.Save(path.c_str(), 1), 1);
    BitmapImage loaded;
    ASSERT_EQ(loaded.Load(nullptr, path.c_str()), 1);
    HeaderReport report;  // the real size query

    PlainString summary;
    report.BuildSummary(loaded, path.c_str(), summary);
    std::string expected = kNewImageSummary;
    expected.replace(expected.find(" Bitmap\r\n"), 7, " " + path);
    expected.replace(expected.find(": -1 bytes"), 10, ": 66614 bytes");
    EXPECT_EQ(Text(summary), expected);
    EXPECT_EQ(Text(summary).size(), 479 + path.size() - 6 + 3);

    ASSERT_EQ(remove(path.c_str()), 0);
    report.BuildSummary(loaded, path.c_str(), summary);
    std::vector<std::string> lines = Lines(Text(summary));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[14], " 実際のファイルサイズ           : -1 bytes");
}

// Windows gives the low 32 bits of the size, printed signed.
TEST_F(HeaderReportTest, ActualSizeIsShownAs32Bits) {
    gQueryResult = 0x1FFFFFFFELL;
    EXPECT_EQ(Lines(Summary(newImage_, "Bitmap"))[14], " 実際のファイルサイズ           : -2 bytes");
}

TEST_F(HeaderReportTest, TopDownImageKeepsItsSignOnlyInMemberList) {
    BitmapImage image;
    ReadBmp(image, MakeBmp(4, -256, 8, 0));
    EXPECT_EQ(Lines(Summary(image, "t.bmp"))[6], " 高さ   : 256 px");
    EXPECT_EQ(FieldValues(Members(image, "t.bmp", 0))[7], "-256");
    EXPECT_EQ(FieldValues(Members(image, "t.bmp", 1))[7], "0xFFFFFF00");
}

TEST_F(HeaderReportTest, FullColourImageWithoutColourTable) {
    BitmapImage image;
    ReadBmp(image, MakeBmp(3, 2, 24, 0));
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
    struct Case {
        uint16_t bitCount;
        const char* line;
    } cases[] = {
        {1, " 種類   : 2色 (1bpp)"}, {4, " 種類   : 16色 (4bpp)"}, {8, " 種類   : 256色 (8bpp)"},
        {16, " 種類   : 不明"},      {32, " 種類   : 不明"},
    };
    for (const Case& c : cases) {
        BitmapImage image;
        ReadBmp(image, MakeBmp(2, 2, c.bitCount, 0));
        EXPECT_EQ(Lines(Summary(image, "k.bmp"))[8], c.line) << c.bitCount;
    }
}

// Fields are printed as the stored 32-bit pattern: signed in decimal, and two-byte fields
// never sign-extended.
TEST_F(HeaderReportTest, FieldValuesFollowWsprintf) {
    std::vector<uint8_t> bytes = MakeBmp(2, 2, 8, 2);
    WriteLe32(&bytes[kOffBfSize], 0xFFFFFFF0u);
    WriteLe16(&bytes[kOffBfReserved1], 0xFFFF);
    WriteLe16(&bytes[kOffBfReserved2], 0x8000);
    WriteLe32(&bytes[kFileHeaderSize + kOffBiXPelsPerMeter], 0x80000000u);
    WriteLe32(&bytes[kFileHeaderSize + kOffBiClrImportant], 0x12345u);
    BitmapImage image;
    ReadBmp(image, bytes);

    std::vector<std::string> decimal = FieldValues(Members(image, "f.bmp", 0));
    ASSERT_EQ(decimal.size(), 16u);
    EXPECT_EQ(decimal[1], "-16");
    EXPECT_EQ(decimal[2], "65535");
    EXPECT_EQ(decimal[3], "32768");
    EXPECT_EQ(decimal[12], "-2147483648");
    EXPECT_EQ(decimal[15], "74565");

    std::vector<std::string> hex = FieldValues(Members(image, "f.bmp", 1));
    ASSERT_EQ(hex.size(), 16u);
    EXPECT_EQ(hex[1], "0xFFFFFFF0");
    EXPECT_EQ(hex[2], "0xFFFF");
    EXPECT_EQ(hex[3], "0x8000");
    EXPECT_EQ(hex[12], "0x80000000");
    EXPECT_EQ(hex[15], "0x12345");
}

TEST_F(HeaderReportTest, LongestPathGivesCompleteReports) {
    std::string path(259, 'p');
    std::string summary = Summary(newImage_, path.c_str());
    EXPECT_EQ(summary.size(), 479 - 6 + path.size());
    EXPECT_EQ(Lines(summary).size(), 21u);

    EXPECT_EQ(Members(newImage_, path.c_str(), 0), MemberListOf256x256(path, kDecimalValuesOf256x256));
    std::string hex = Members(newImage_, path.c_str(), 1);
    EXPECT_EQ(hex.size(), 573 + path.size());
    EXPECT_EQ(FieldValues(hex), kHexValuesOf256x256);
}

// Replays a report's lines into a builder of the given capacity the way the report appends
// them (the path line as a blank, then the path): which lines a smaller builder would have
// dropped shows whether every line has the length it must have.
std::vector<std::string> ReplayLines(const std::string& text, uint32_t capacity) {
    TextBuilder builder;
    EXPECT_EQ(builder.Allocate(capacity), 1);
    std::vector<std::string> lines = Lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == 3) {
            builder.Append(" ", 0);
            builder.Append(lines[i].c_str() + 1, 1);
        } else {
            builder.Append(lines[i].c_str(), 1);
        }
    }
    return Lines(std::string(builder.Text(), builder.Length()));
}

std::vector<std::string> Without(std::vector<std::string> lines, std::initializer_list<size_t> dropped) {
    for (auto it = dropped.end(); it != dropped.begin();) {
        --it;
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return lines;
}

TEST_F(HeaderReportTest, LineLengthsMatchTheFixedCapacityBoundaries) {
    BitmapImage image;
    ReadBmp(image, MakeBmp(640, 480, 8, 0));
    gQueryResult = 308278;
    struct SummaryCase {
        size_t pathLength;
        std::initializer_list<size_t> dropped;
    } summaryCases[] = {{90, {}}, {91, {20}}, {124, {20}}, {125, {19, 20}}};
    for (const SummaryCase& c : summaryCases) {
        std::string summary = Summary(image, std::string(c.pathLength, 'p').c_str());
        EXPECT_EQ(summary.size(), 479 + c.pathLength);
        EXPECT_EQ(ReplayLines(summary, 570), Without(Lines(summary), c.dropped)) << c.pathLength;
    }

    struct MemberCase {
        uint32_t notation;
        size_t pathLength;
        std::initializer_list<size_t> dropped;
    } memberCases[] = {{1, 76, {}},    {1, 77, {23}},  {0, 136, {}},   {0, 137, {23}},
                       {0, 160, {23}}, {0, 161, {22}}, {0, 162, {22}}, {0, 163, {22, 23}}};
    for (const MemberCase& c : memberCases) {
        std::string members = Members(newImage_, std::string(c.pathLength, 'p').c_str(), c.notation);
        EXPECT_EQ(members.size(), (c.notation ? 573 : 513) + c.pathLength);
        EXPECT_EQ(ReplayLines(members, 650), Without(Lines(members), c.dropped)) << c.pathLength;
    }
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

    // A later image or path is not seen until the caches are emptied.
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
