#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/bitmap_image.h"
#include "views/header_report.h"

namespace {

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

class KorvaneReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/korvane-tool-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        bmpPath_ = dir_ + "/new.bmp";
        BitmapImage image;
        ASSERT_EQ(image.Create(nullptr, 256, 256, 8, 256), 1);
        ASSERT_EQ(image.Save(bmpPath_.c_str(), 1), 1);
    }
    void TearDown() override {
        for (const char* name : {"/new.bmp", "/text.bmp", "/stderr.txt"}) {
            remove((dir_ + name).c_str());
        }
        rmdir(dir_.c_str());
    }

    ToolRun Tool(const std::string& arguments) {
        std::string errPath = dir_ + "/stderr.txt";
        std::string command = std::string(KORVANE_REPORT_EXE) + " " + arguments + " 2>" + errPath;
        ToolRun run = {-1, "", ""};
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) {
            ADD_FAILURE() << "cannot run " << command;
            return run;
        }
        char chunk[4096];
        for (size_t got; (got = fread(chunk, 1, sizeof(chunk), pipe)) > 0;) {
            run.out.append(chunk, got);
        }
        int status = pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (FILE* err = fopen(errPath.c_str(), "rb")) {
            for (size_t got; (got = fread(chunk, 1, sizeof(chunk), err)) > 0;) {
                run.err.append(chunk, got);
            }
            fclose(err);
        }
        return run;
    }

    std::string dir_;
    std::string bmpPath_;
};

// The tool prints what the viewer shows, CP932 bytes and CR LF untouched.
TEST_F(KorvaneReportTest, PrintsBothFormsByteForByte) {
    BitmapImage image;
    ASSERT_EQ(image.Load(nullptr, bmpPath_.c_str()), 1);
    HeaderReport report;
    PlainString summary;
    report.BuildSummary(image, bmpPath_.c_str(), summary);
    PlainString members;
    report.BuildMemberList(image, bmpPath_.c_str(), 1, members);

    ToolRun run = Tool(bmpPath_);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, summary.Data());
    EXPECT_NE(run.out.find(" 種類   : 256色 (8bpp)\r\n"), std::string::npos);
    EXPECT_NE(run.out.find(" 実際のファイルサイズ           : 66614 bytes\r\n"), std::string::npos);
    EXPECT_TRUE(run.err.empty());

    run = Tool("--members --hex " + bmpPath_);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, members.Data());
    EXPECT_NE(run.out.find("  .bfSize      = 0x10436\r\n"), std::string::npos);

    run = Tool("--members " + bmpPath_);
    EXPECT_NE(run.out.find("  .bfSize      = 66614\r\n"), std::string::npos);
}

TEST_F(KorvaneReportTest, ConvertsToUtf8) {
    ToolRun run = Tool("--utf8 " + bmpPath_);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find(u8"    -- 基本情報 --\r\n"), std::string::npos);
    EXPECT_NE(run.out.find(u8" 種類   : 256色 (8bpp)\r\n"), std::string::npos);
    EXPECT_NE(run.out.find(u8" カラーテーブル   : 1024 bytes\r\n"), std::string::npos);
    EXPECT_EQ(run.out.find("\x8A\xEE"), std::string::npos);  // no CP932 lead byte of 基 left
}

// A UTF-8 file name (here with a character code page 932 lacks) comes out as it went in.
TEST_F(KorvaneReportTest, Utf8KeepsAUtf8FileNameAsGiven) {
    std::string named = dir_ + u8"/\u00fc\u65e5\u672c.bmp";
    ASSERT_EQ(rename(bmpPath_.c_str(), named.c_str()), 0);
    ToolRun run = Tool("--utf8 '" + named + "'");
    ASSERT_EQ(rename(named.c_str(), bmpPath_.c_str()), 0);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find(u8"    -- FileName --\r\n " + named + "\r\n"), std::string::npos);
    EXPECT_NE(run.out.find(u8" 幅     : 256 px\r\n"), std::string::npos);
}

TEST_F(KorvaneReportTest, FileThatIsNoBitmapFails) {
    std::string textPath = dir_ + "/text.bmp";
    FILE* f = fopen(textPath.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("not a bitmap at all, just some text\n", f);
    fclose(f);

    for (const std::string& path : {textPath, dir_ + "/missing.bmp"}) {
        ToolRun run = Tool(path);
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
    }
}

TEST_F(KorvaneReportTest, BadUsage) {
    for (const std::string& arguments :
         {std::string(), std::string("--members"), "--bogus " + bmpPath_, bmpPath_ + " " + bmpPath_}) {
        ToolRun run = Tool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
}

}  // namespace
