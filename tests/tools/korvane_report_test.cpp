#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "model/bitmap_image.h"
#include "tests/model/bmp_bytes.h"
#include "tests/views/golden.h"

namespace {

// The exit status of the tool run in dir by the shell, and what its arguments sent to out.txt.
std::pair<int, std::string> Tool(const TempDir& dir, const std::string& arguments) {
    int status = std::system(("cd '" + dir.path + "' && '" KORVANE_REPORT_EXE "' " + arguments).c_str());
    Bytes out = ReadAllBytes(dir.File("out.txt"));
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(out.begin(), out.end())};
}

}  // namespace

// The report the viewer shows: code page 932 as it is, or UTF-8 with the path as it was given.
TEST(KorvaneReport, PrintsEachFormOrSaysWhyNot) {
    TempDir dir;
    BitmapImage image;
    ASSERT_TRUE(image.Create(nullptr, 256, 256, 8, 256) && image.Save(dir.File("new.bmp").c_str(), 1));
    for (const auto& [option, form] : {std::pair("", "summary"), {"--members ", "members"}, {"--hex ", "hex"}}) {
        auto [status, out] = Tool(dir, option + std::string("new.bmp >out.txt 2>&1"));  // nothing on standard error
        EXPECT_EQ(std::pair(status, Utf8(out.c_str())), std::pair(0, Golden("new." + std::string(form))));
    }
    // Only standard error tells a file it cannot read (1) from bad usage (2).
    std::ofstream(dir.File("text.bmp")) << "not a bitmap";
    const std::pair<std::string, int> failures[] = {{"text.bmp", 1},  {"missing.bmp", 1},     {"", 2},
                                                    {"--members", 2}, {"--bogus new.bmp", 2}, {"new.bmp new.bmp", 2}};
    for (const auto& [arguments, status] : failures) {
        auto run = Tool(dir, arguments + " 2>out.txt");
        EXPECT_EQ(run.first, status) << arguments;
        EXPECT_EQ(run.second.find(status == 1 ? "korvane-report: " + arguments + ": cannot be read" : "usage:"), 0u);
    }
    // A UTF-8 name, with a character code page 932 lacks, comes out as it went in.
    const std::string name = u8"\u00fc\u65e5\u672c.bmp";
    std::string expected = Golden("new.summary");
    expected.replace(expected.find("new.bmp"), 7, name);
    ASSERT_EQ(rename(dir.File("new.bmp").c_str(), dir.File(name).c_str()), 0);
    EXPECT_EQ(Tool(dir, "--utf8 " + name + " >out.txt").second, expected);
}
