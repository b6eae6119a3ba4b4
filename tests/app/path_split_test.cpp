#include "app/path_split.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

TEST(SplitPath, NameAndExtensionOfTheLastPartInCodePage932) {
    const std::string n254(254, 'n');
    const std::tuple<std::string, std::string, std::string> kCases[] = {
        {"C:\\images\\photo.bmp", "photo", ".bmp"},
        {"C:/a.b/archive.tar.bmp", "archive.tar", ".bmp"},
        {"C:\\dir.d\\README", "README", ""},  // a dot in a folder name is no extension
        {"Bitmap", "Bitmap", ""},
        {"C:\\dir\\", "", ""},
        {"C:\\dir\\表.bmp", "表", ".bmp"},  // 表 and ソ end in 0x5C, the byte of a backslash
        {"C:\\ソフト\\画像表", "画像表", ""},
        {"C:\\x\\a\x81.b", "a\x81.b", ""},                         // nor is a trail byte 0x2E a dot
        {std::string("C:\\a.b\x81\0\\x", 10), "a", ".b\x81"},      // a lead byte at the end stops the scan there
        {"x\x9F\\y\xE0\\z\xFC\\w", "x\x9F\\y\xE0\\z\xFC\\w", ""},  // lead bytes at the ends of their ranges
        {"x\x80\\y", "y", ""},  // and single bytes just outside them, half-width katakana among them
        {"x\xDF\\y\xA0.z", "y\xA0", ".z"},
        {"x\xFD\\y", "y", ""},
        {"C:\\" + n254 + "nn." + std::string(300, 'e'), n254 + "n", "." + std::string(254, 'e')},  // 255 bytes each
        {"C:\\" + n254 + "表", n254, ""}};  // a character that would straddle the limit is left out whole
    for (const auto& [path, name, extension] : kCases) {
        PathParts parts;
        SplitPath(path.c_str(), parts);
        EXPECT_EQ(parts.name + ("|" + std::string(parts.extension)), name + "|" + extension) << path;
    }
}
