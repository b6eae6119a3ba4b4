#include "app/path_split.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::pair<std::string, std::string> Split(const std::string& path) {
    PathParts parts;
    SplitPath(path.c_str(), parts);
    return {parts.name, parts.extension};
}

TEST(SplitPath, NameAndExtensionAfterTheLastSeparator) {
    EXPECT_EQ(Split("C:\\images\\photo.bmp"), std::make_pair(std::string("photo"), std::string(".bmp")));
    EXPECT_EQ(Split("C:/images/photo.bmp"), std::make_pair(std::string("photo"), std::string(".bmp")));
    EXPECT_EQ(Split("C:\\a.b\\archive.tar.bmp"), std::make_pair(std::string("archive.tar"), std::string(".bmp")));
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(Split("C:\\dir.d\\README"), std::make_pair(std::string("README"), std::string("")));
    EXPECT_EQ(Split("Bitmap"), std::make_pair(std::string("Bitmap"), std::string("")));
    EXPECT_EQ(Split(""), std::make_pair(std::string(""), std::string("")));
    EXPECT_EQ(Split("C:\\dir\\"), std::make_pair(std::string(""), std::string("")));
}

TEST(SplitPath, TrailByteEqualToBackslashIsNoSeparator) {
    // 表 is 0x95 0x5C, ソ is 0x83 0x5C.
    std::string path = "C:\\dir\\表.bmp";
    ASSERT_EQ(path, std::string("C:\\dir\\\x95\x5C.bmp"));
    EXPECT_EQ(Split(path), std::make_pair(std::string("表"), std::string(".bmp")));
    EXPECT_EQ(Split("C:\\ソフト\\画像表"), std::make_pair(std::string("画像表"), std::string("")));
    // A trail byte 0x2E is not a dot either (lead byte 0x81 followed by '.').
    EXPECT_EQ(Split(std::string("C:\\x\\a\x81.b")), std::make_pair(std::string("a\x81.b"), std::string("")));
}

TEST(SplitPath, LeadByteAtTheEndStopsTheScan) {
    EXPECT_EQ(Split(std::string("C:\\a.b\x81")), std::make_pair(std::string("a"), std::string(".b\x81")));
}

TEST(SplitPath, EachPartIsCutTo255Bytes) {
    std::string longName(300, 'n');
    std::string longExt = "." + std::string(300, 'e');
    auto parts = Split("C:\\" + longName + longExt);
    EXPECT_EQ(parts.first, std::string(255, 'n'));
    EXPECT_EQ(parts.second, "." + std::string(254, 'e'));
    // A double-byte character that would straddle the limit is left out whole.
    auto wide = Split("C:\\" + std::string(254, 'n') + "表");
    EXPECT_EQ(wide.first, std::string(254, 'n'));
}

TEST(SplitPath, Cp932LeadBytes) {
    EXPECT_FALSE(IsCp932LeadByte(0x80));
    EXPECT_TRUE(IsCp932LeadByte(0x81));
    EXPECT_TRUE(IsCp932LeadByte(0x9F));
    EXPECT_FALSE(IsCp932LeadByte(0xA0));  // half-width katakana are single bytes
    EXPECT_FALSE(IsCp932LeadByte(0xDF));
    EXPECT_TRUE(IsCp932LeadByte(0xE0));
    EXPECT_TRUE(IsCp932LeadByte(0xFC));
    EXPECT_FALSE(IsCp932LeadByte(0xFD));
}

}  // namespace
