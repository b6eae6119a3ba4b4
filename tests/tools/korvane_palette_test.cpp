#include <gtest/gtest.h>

#include <sys/stat.h>

#include "model/color_table.h"
#include "model/palette_file.h"
#include "tests/tools/tool_run.h"

namespace {

const TempDir gDir;

std::pair<int, std::string> Palette(const std::string& arguments) {
    return RunInFolder(gDir, "'" KORVANE_PALETTE_EXE "' " + arguments);
}

void Write(const std::string& name, const Bytes& bytes) {
    std::ofstream(gDir.File(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// A HEX list of entries (i, 2i, 3i).
Bytes HexList(uint32_t entries) {
    std::string text;
    for (uint32_t i = 0; i < entries; ++i) {
        char line[8];
        snprintf(line, sizeof line, "%02x%02x%02x\n", i & 0xFF, 2 * i & 0xFF, 3 * i & 0xFF);
        text += line;
    }
    return Bytes(text.begin(), text.end());
}

// The file with its first n colour-table quads those of the list above.
Bytes WithTable(Bytes file, uint32_t n) {
    for (uint32_t i = 0; i < n; ++i) {
        file = Poke(file, {{kHeadersSize + 4 * i, i << 16 | 2 * i << 8 | 3 * i}});
    }
    return file;
}

}  // namespace

// A larger palette goes into 1-, 4- and 8-bit files (top-down, a gap, a tail, a spaced name), nothing else changed;
// each refusal leaves its file as it was and says why, the others done; -o writes copies, originals kept.
TEST(KorvanePalette, ApplyChangesOnlyTheTablesItCanAndSaysWhyNot) {
    Bytes gapAndTail = MakeBmp(9, 3, 4, 16);
    gapAndTail.insert(gapAndTail.begin() + kHeadersSize + 64, 4, 0xEE);
    gapAndTail.insert(gapAndTail.end(), {'t', 'a', 'i', 'l'});
    gapAndTail = Poke(gapAndTail, {{10, kHeadersSize + 68}});
    const std::tuple<std::string, Bytes, uint32_t> done[] = {{"one.bmp", MakeBmp(33, 2, 1, 2), 2},
                                                             {"gap and tail.bmp", gapAndTail, 16},
                                                             {"eight.bmp", MakeBmp(5, -3, 8, 8, 8), 8}};
    Bytes full = MakeBmp(4, 2, 4, 16);
    full.resize(full.size() + 2000);
    const std::tuple<std::string, Bytes, std::string> refused[] = {
        {"full.bmp", full, "cannot be written to full.bmp (a read-only file, a full disk or no folder)"},
        {"read-only.bmp", MakeBmp(3, 1, 4, 16), "cannot be written to read-only.bmp"},
        {"256.bmp", MakeBmp(2, 2, 8, 256), "its colour table has 256 entries; the palette only 16"},
        {"24.bmp", MakeBmp(1, 1, 24, 0), "no colour table"},
        {"text.bmp", Bytes(9, 'x'),
         "cannot be read as an uncompressed bitmap file: the two headers need 54 bytes; the file has 9"}};
    Write("sixteen.hex", HexList(16));
    std::string names;
    for (const auto& [name, bytes, unused] : done) {
        Write(name, bytes);
        names += " '" + name + "'";
    }
    for (const auto& [name, bytes, reason] : refused) {
        Write(name, bytes);
        names += " " + name;
    }
    ASSERT_EQ(chmod(gDir.File("read-only.bmp").c_str(), 0444), 0);
    // A full disk: no file may grow past a block (512 or 1024 bytes); the signal that would end the tool is ignored.
    const auto [status, errors] = RunInFolder(
        gDir, "(trap '' XFSZ; ulimit -f 1; '" KORVANE_PALETTE_EXE "' apply sixteen.hex" + names + ") 2>out.txt");
    EXPECT_EQ(status, 1);
    for (const auto& [name, bytes, n] : done) {
        EXPECT_EQ(ReadAllBytes(gDir.File(name)), WithTable(bytes, n)) << name;
    }
    for (const auto& [name, bytes, reason] : refused) {
        EXPECT_EQ(ReadAllBytes(gDir.File(name)), bytes) << name;
        EXPECT_NE(errors.find("korvane-palette: " + name + ": " + reason), std::string::npos) << errors;
    }
    // The palette from a bitmap's table: the sixteen entries put into it above.
    ASSERT_TRUE(mkdir(gDir.File("out").c_str(), 0777) == 0 && mkdir(gDir.File("sub").c_str(), 0777) == 0);
    Write("sub/one.bmp", MakeBmp(1, 1, 8, 8));
    // Of two files of one name, the second is refused: it would replace the first's copy.
    const auto [outStatus, outErrors] = Palette("apply 'gap and tail.bmp' -o out read-only.bmp '" +
                                                gDir.File("eight.bmp") + "' one.bmp sub/one.bmp 2>out.txt");
    EXPECT_EQ(outStatus, 1);
    EXPECT_EQ(outErrors, "korvane-palette: sub/one.bmp: goes to out/one.bmp, which a file before it already goes to\n");
    EXPECT_EQ(ReadAllBytes(gDir.File("out/one.bmp")), WithTable(std::get<1>(done[0]), 2));
    EXPECT_EQ(ReadAllBytes(gDir.File("out/read-only.bmp")), WithTable(std::get<1>(refused[1]), 16));
    EXPECT_EQ(ReadAllBytes(gDir.File("out/eight.bmp")), WithTable(std::get<1>(done[2]), 8));
    EXPECT_EQ(ReadAllBytes(gDir.File("read-only.bmp")), std::get<1>(refused[1]));
}

// A bitmap's table out through every format in turn and back to the first, each file reading back as the table;
// standard output without -o; an Adobe table refuses more than 256 entries, as the editor does.
TEST(KorvanePalette, ExtractAndConvertRoundTripThroughEveryFormat) {
    const Bytes bitmap = MakeBmp(2, 2, 8, 256);
    ColorTable table, back;
    ASSERT_TRUE(table.AssignFromRGBQuads(&bitmap[kHeadersSize], 256));
    Write("256.bmp", bitmap);
    const char* const names[kPaletteFormatCount] = {"jasc", "riff", "act", "gpl", "hex", "paintnet"};
    std::string from = "256.bmp";
    for (int f = 0; f <= kPaletteFormatCount; ++f) {
        const PaletteFormat format = PaletteFormat(f % kPaletteFormatCount);
        const std::string to = std::to_string(f) + "." + PaletteExtension(format);
        const std::string command = f == 0 ? "extract 256.bmp -o " : "convert " + from + " ";
        EXPECT_EQ(Palette(command + to + " --format " + names[f % kPaletteFormatCount]).first, 0) << to;
        EXPECT_TRUE(LoadPalette(gDir.File(to).c_str(), back) && back.GetCount() == 256 &&
                    memcmp(back.GetEntries(), table.GetEntries(), 1024) == 0)
            << to;
        from = to;
    }
    EXPECT_EQ(ReadAllBytes(gDir.File("6.pal")), ReadAllBytes(gDir.File("0.pal")));
    const Bytes riff = ReadAllBytes(gDir.File("1.pal"));
    EXPECT_EQ(Palette("extract 256.bmp --format riff >out.txt"), std::pair(0, std::string(riff.begin(), riff.end())));
    Write("257.hex", HexList(257));
    EXPECT_EQ(
        Palette("convert 257.hex 257.act --format act 2>out.txt"),
        std::pair(1, std::string("korvane-palette: 257.hex: An Adobe colour table holds at most 256 entries!\n")));
}

// Each entry with the pixels that use it (a top-down 4-bit image whose padding is all ones), then those beyond the
// table; only the unused ones; a palette file without counts. Bad usage: 2, standard output untouched.
TEST(KorvanePalette, ShowCountsEachEntrysPixels) {
    // Rows 0 2 2 and 2 9 0; the table is 0 1 2, 4 5 6, 8 9 10 as blue, green, red.
    Write("show.bmp", Poke(MakeBmp(3, -2, 4, 3, 3), {{66, 0xFFFF2F02}, {70, 0xFFFF0F29}}));
    EXPECT_EQ(Palette("show show.bmp >out.txt").second,
              "    0    2   1   0  #020100  2\n    1    6   5   4  #060504  0\n"
              "    2   10   9   8  #0A0908  3\nbeyond the table: 1\n");
    EXPECT_EQ(Palette("show --unused show.bmp >out.txt"),
              std::pair(0, std::string("    1    6   5   4  #060504  0\n")));
    Write("two.hex", HexList(2));
    EXPECT_EQ(Palette("show two.hex >out.txt").second, "    0    0   0   0  #000000\n    1    1   2   3  #010203\n");
    for (const char* usage : {"", "bogus", "apply two.hex", "extract show.bmp", "extract show.bmp --format bmp",
                              "convert a b", "show two.hex --format jasc", "apply two.hex show.bmp -o", "show"}) {
        EXPECT_EQ(Palette(std::string(usage) + " >out.txt 2>/dev/null"), std::pair(2, std::string())) << usage;
    }
    EXPECT_EQ(Palette("--help >out.txt").second.find("usage: korvane-palette apply"), 0u);
}
