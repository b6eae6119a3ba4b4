// korvane-report on files from independent writers prints the values those writers meant.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string RunTool(const std::string& arguments, int* exitCode) {
    std::string command = std::string(KORVANE_REPORT_EXE) + " " + arguments;
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        *exitCode = -1;
        return out;
    }
    char chunk[4096];
    for (size_t got; (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
        out.append(chunk, got);
    }
    int status = pclose(pipe);
    *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

std::string KindText(int bits) {
    switch (bits) {
        case 1:
            return "2色 (1bpp)";
        case 4:
            return "16色 (4bpp)";
        case 8:
            return "256色 (8bpp)";
        default:
            return "フルカラー (24bpp)";
    }
}

bool Contains(const std::string& text, const std::string& line) {
    return text.find(line + "\r\n") != std::string::npos;
}

}  // namespace

TEST(KorvaneReportWriters, ReportsTheWritersValues) {
    char pattern[] = "/tmp/korvane-writers-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::string dir = pattern;
    std::string script = std::string(KORVANE_SOURCE_DIR) + "/tests/model/make_reference_bmps.py";
    if (std::system(("/usr/bin/python3 '" + script + "' '" + dir + "'").c_str()) != 0) {
        // scripts/test installs both writers and sets KORVANE_REQUIRE_WRITERS: there a missing
        // writer is a failure, not a skipped test.
        if (std::getenv("KORVANE_REQUIRE_WRITERS") != nullptr) {
            FAIL() << "the independent writers (Pillow, ImageMagick) did not run";
        }
        GTEST_SKIP() << "Pillow or ImageMagick missing: run ./scripts/test, which installs them";
    }
    std::ifstream manifest(dir + "/manifest.txt");
    std::string name;
    int width = 0, height = 0, bits = 0, cases = 0;
    while (manifest >> name >> width >> height >> bits) {
        ++cases;
        SCOPED_TRACE(name);
        std::string path = dir + "/" + name + ".bmp";
        struct stat st;
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        int rc = -1;
        // The literals below are code page 932, like the tool's default output.
        std::string summary = RunTool("'" + path + "'", &rc);
        ASSERT_EQ(rc, 0);
        char line[128];
        std::snprintf(line, sizeof line, " 高さ   : %d px", height);
        EXPECT_TRUE(Contains(summary, line));
        std::snprintf(line, sizeof line, " 幅     : %d px", width);
        EXPECT_TRUE(Contains(summary, line));
        EXPECT_TRUE(Contains(summary, " 種類   : " + KindText(bits)));
        std::snprintf(line, sizeof line, " 実際のファイルサイズ           : %lld bytes",
                      static_cast<long long>(st.st_size));
        EXPECT_TRUE(Contains(summary, line));

        std::string members = RunTool("--members --hex '" + path + "'", &rc);
        ASSERT_EQ(rc, 0);
        std::snprintf(line, sizeof line, "  .biBitCount      = 0x%04X", bits);
        EXPECT_TRUE(Contains(members, line));
        std::snprintf(line, sizeof line, "  .bfSize      = 0x%04llX", static_cast<long long>(st.st_size));
        EXPECT_TRUE(Contains(members, line));
    }
    EXPECT_EQ(cases, 31);
    EXPECT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0);
}
