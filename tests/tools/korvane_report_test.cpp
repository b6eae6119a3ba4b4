#include <gtest/gtest.h>

#include "model/bitmap_image.h"
#include "tests/tools/tool_run.h"

static const TempDir gDir;

// The exit status of the tool run in gDir, and what its arguments sent to out.txt.
static std::pair<int, std::string> Tool(const std::string& arguments) {
    return RunInFolder(gDir, "'" KORVANE_REPORT_EXE "' " + arguments);
}

// The report the viewer shows: code page 932 as it is, or UTF-8 with the path as it was given (one
// code page 932 cannot hold); only standard error tells a file it cannot read (1) from bad usage (2).
TEST(KorvaneReport, PrintsEachFormOrSaysWhyNot) {
    BitmapImage image;
    const std::string name = u8"\u00fc\u65e5\u672c.bmp";
    ASSERT_TRUE(image.Create(nullptr, 256, 256, 8, 256) && image.Save(gDir.File("new.bmp").c_str(), 1) &&
                image.Save(gDir.File(name).c_str(), 1));
    for (const auto& [option, form] : {std::pair("", "summary"), {"--members ", "members"}, {"--hex ", "hex"}}) {
        auto [status, out] = Tool(option + std::string("new.bmp >out.txt 2>&1"));  // nothing on standard error
        EXPECT_EQ(std::pair(status, Utf8(out.c_str())), std::pair(0, Golden("new." + std::string(form))));
    }
    std::string expected = Golden("new.summary");
    EXPECT_EQ(Tool("--utf8 " + name + " >out.txt").second, expected.replace(expected.find("new.bmp"), 7, name));
    // out.txt is emptied by the 2> below before the tool reads it.
    const std::tuple<std::string, int, std::string> failures[] = {
        {"missing.bmp", 1, "the file cannot be opened"},
        {"", 2, ""},
        {"--members", 2, ""},
        {"--bogus new.bmp", 2, ""},
        {"out.txt", 1, "the two headers need 54 bytes; the file has 0"},
        {"new.bmp new.bmp", 2, ""},
        {"--json --members new.bmp", 2, ""},
        {"--json out.txt", 1, "the two headers need 54 bytes; the file has 0"}};
    for (const auto& [arguments, status, reason] : failures) {
        const auto [code, error] = Tool(arguments + " 2>out.txt");
        const std::string file = arguments.substr(arguments.rfind(' ') + 1);
        const std::string unread = "korvane-report: " + file + ": cannot be read as an uncompressed bitmap file: ";
        EXPECT_EQ(code, status) << arguments;
        EXPECT_EQ(error.find(status == 1 ? unread + reason + "\n" : "usage:"), 0u) << error;
    }
}
