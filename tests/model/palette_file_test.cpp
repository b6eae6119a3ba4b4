#include "model/palette_file.h"

#include <gtest/gtest.h>

#include <string_view>

#include "model/color_table.h"
#include "tests/model/test_files.h"

using namespace std::literals;

namespace {

constexpr std::string_view kTwo = "\1\2\3\0\xff\0\x0a\0"sv;  // two colours as a table holds them
constexpr std::string_view kRiffTwo = "RIFF\x18\0\0\0PAL data\x0c\0\0\0\0\x03\x02\0\1\2\3\0\xff\0\x0a\0"sv;

Bytes B(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes Entries(const ColorTable& table) {
    return Bytes(table.GetEntries(), table.GetEntries() + 4 * table.GetCount());
}

// An Adobe colour table holding the two colours, then the count and transparent index given, or none.
Bytes Act(std::string_view tail) {
    return B(std::string("\1\2\3\xff\0\x0a"sv) + std::string(762, '\0') + std::string(tail));
}

// A size claimed far beyond what any format allows.
struct ClaimsATerabyte : MemorySource {
    using MemorySource::MemorySource;
    uint64_t Size() const override { return uint64_t(1) << 40; }
};

}  // namespace

// Each format writes two colours just so and reads back through a file of its extension what it wrote; a table it
// cannot hold is refused, never cut.
TEST(PaletteFile, EachFormatWritesItsLayoutAndReadsItBack) {
    const TempDir dir;
    const std::tuple<PaletteFormat, uint32_t, Bytes> formats[] = {
        {PaletteFormat::kJasc, 65536, B("JASC-PAL\r\n0100\r\n2\r\n1 2 3\r\n255 0 10\r\n")},
        {PaletteFormat::kGpl, 65536,
         B("GIMP Palette\nName: Korvane\nColumns: 16\n#\n  1   2   3\tIndex 0\n255   0  10\tIndex 1\n")},
        {PaletteFormat::kRiff, 65535, B(kRiffTwo)},
        {PaletteFormat::kAct, 256, Act("\0\x02\xff\xff"sv)},
        {PaletteFormat::kHex, 65536, B("010203\nff000a\n")},
        {PaletteFormat::kPaintNet, 65536,
         B("; paint.net palette, written by Korvane\r\n; one colour a line: AARRGGBB\r\nFF010203\r\nFFFF000A\r\n")}};
    for (const uint32_t n : {2u, 16u, 256u, 257u, 65535u, 65536u, 65537u}) {
        Bytes rgb0 = B(kTwo);
        for (uint32_t i = 8; i < 4 * n; i += 4) {
            rgb0.insert(rgb0.end(), {uint8_t(i), uint8_t(i >> 10), uint8_t(i >> 2), 0});
        }
        ColorTable table, back;
        ASSERT_TRUE(table.Assign(rgb0.data(), n));
        for (const auto& [format, most, two] : formats) {
            Bytes file;
            PaletteFormat detected;
            const std::string name = std::string("palette.") + PaletteExtension(format), path = dir.File(name);
            ASSERT_EQ(EncodePalette(table, format, &file), n <= most) << n << " in " << int(format);
            EXPECT_TRUE(n != 2 || file == two) << int(format);
            EXPECT_TRUE(n > most ||
                        (SavePalette(path.c_str(), table, format) && ReadAllBytes(path) == file &&
                         LoadPalette(path.c_str(), back) && Entries(back) == rgb0 &&
                         DetectPaletteFormat(file.data(), file.size(), name.c_str(), &detected) && detected == format));
        }
    }
}

// What others write (LF endings, blanks, names, comments, an extra chunk, an Adobe count, either case, no last line
// break); content decides, even at an Adobe table's size; paint.net's text is told by content or a .txt name.
TEST(PaletteFile, ReadsWhatOthersWrite) {
    // Only the HEX list needs its name, and paint.net's text when blank for longer than the start that is judged.
    const std::tuple<Bytes, uint32_t, const char*> cases[] = {
        {B("JASC-PAL\n0100\n 2 \n\t1  2\t3 \n255 0 10\n\n"), 2, "others.act"},
        {B("JASC-PAL\n0100\n2\n1 2 3\n255 0 10" + std::string(738, '\n')), 2, "others.act"},
        {B("GIMP Palette\r\nName: Mine\nColumns: 4\n# note\n\n  1   2   3\tdark red\n 255 0 10\n# end\n"), 2, "a.act"},
        {B("RIFF\x24\0\0\0PAL junk\x03\0\0\0abc\0data\x0c\0\0\0\0\x03\x02\0\1\2\3\x7f\xff\0\x0a\x7f"sv), 2, "a.act"},
        {Act("\0\x02\0\x05"sv), 2, "others.act"},
        {Act(""), 256, "others.act"},
        {B("\n010203\r\n\n \tFf000A \n\n"), 2, "others.hex"},
        {B("; paint.net\r\n;\nff010203\n\n  00FF000a"), 2, "others.act"},
        {B("\n\n\n\n\n\nFF010203\n;between\nFFFF000A\n"), 2, "others"},
        {B(std::string(40, '\n') + "FF010203\nFFFF000A"), 2, "x.TXT"}};
    for (const auto& [file, count, name] : cases) {
        ColorTable table;
        MemorySource source(file.data(), file.size());
        EXPECT_TRUE(ReadPalette(source, name, table) &&
                    Entries(table) == B(std::string(kTwo) + std::string(4 * count - 8, 0)))
            << name;
    }
}

// Any fault refuses the whole file, the table kept, and a size beyond the format's largest before it is read;
// an Adobe table whose first colour spells "BM" is still one (the fuzzer's round trip found it refused).
TEST(PaletteFile, RefusesAnyFaultWhole) {
    std::string gpl = "GIMP Palette\n", riff(kRiffTwo);
    for (int i = 0; i < 65537; ++i) {
        gpl += "0 0 0\n";
    }
    std::vector<Bytes> refused = {B(gpl), Act("\1\1\xff\xff"sv), Act("\0\0\xff\xff"sv), Bytes(769)};
    for (const char* text : {"0100\n1\n1 2", "0100\n1\n1 2 3 4", "0100\n1\n1,2,3", "0100\n2\n1 2 3", "0101\n1\n1 2 3",
                             "0100\n1\n1 2 3\n\n4 5 6", "0100\n1\n256 0 0", "0100\n0", "0100\n65537"}) {
        refused.push_back(B("JASC-PAL\n" + std::string(text)));
    }
    for (const char* text : {"1 2 3x", "-1 2 3", "# none", "Columns: x\n1 2 3", "1 2 3\nName: late"}) {
        refused.push_back(B("GIMP Palette\n" + std::string(text)));
    }
    // Too few or many digits, no digit, a mark, two values; RRGGBB in paint.net's, a comment in HEX; no colour.
    for (const char* text :
         {"01020", "0102030", "01020g", "#010203", "010203 040506", "FF010203\n010203", "010203\n; no", "; only\n\n"}) {
        refused.push_back(B(text));
    }
    // RIFF size, chunk size, count, version, no data chunk; cut short, an odd chunk unpadded, two data chunks.
    for (const auto& [at, value] : {std::pair(4u, 25u), {16, ~0u}, {20, 0x30300}, {20, 0x20301}, {12, 0x62746164}}) {
        refused.push_back(Poke(B(riff), {{at, value}}));
    }
    refused.insert(refused.end(),
                   {Poke(B(riff.substr(0, 31)), {{4, 23}}), Poke(B(riff + "junk\1\0\0\0x"s), {{4, 33}}),
                    Poke(B(riff + riff.substr(12)), {{4, 44}}), B("RIFF\x10\0\0\0PAL data\x04\0\0\0\0\x03\0\0"sv)});
    ColorTable table;
    ASSERT_TRUE(table.Assign(B(kTwo).data(), 1));
    for (const Bytes& file : refused) {
        for (const char* name : {"fault.act", "fault.hex"}) {
            MemorySource source(file.data(), file.size());
            EXPECT_FALSE(ReadPalette(source, name, table)) << std::string(file.begin(), file.end()).substr(0, 40);
        }
    }
    for (const std::string_view start : {"JASC-PAL\n0100\n1\n"sv, "GIMP Palette\n"sv, "RIFF\0\0\0\0PAL "sv}) {
        ClaimsATerabyte huge(reinterpret_cast<const uint8_t*>(start.data()), start.size());
        EXPECT_FALSE(ReadPalette(huge, "huge.act", table)) << start;
    }
    EXPECT_EQ(Entries(table), B(kTwo.substr(0, 4)));
    // An Adobe table has no mark: only the name tells it from any other file of its size.
    const Bytes bm = B("BM" + std::string(766, 0));
    for (const auto& [name, taken] : {std::pair("cut.bmp", false),
                                      {"act", false},
                                      {"x.act.txt", false},
                                      {"C:\\x\\TABLE.ACT", true},
                                      {"t.Act", true}}) {
        MemorySource source(bm.data(), bm.size());
        EXPECT_EQ(ReadPalette(source, name, table), int{taken}) << name;
    }
    EXPECT_EQ(table.GetCount(), 256u);
}
