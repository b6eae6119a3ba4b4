// The POSIX side of file access: what replacing a file keeps, and what opening refuses.
#include "model/file_io.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstring>
#include <unistd.h>

#include "tests/model/bmp_bytes.h"
#include "tests/model/temp_dir.h"

namespace {

int WriteText(const std::string& path, int overwrite, const char* text) {
    WriteChunk chunk = {text, static_cast<uint32_t>(std::strlen(text))};
    return WriteFileReplacing(path.c_str(), overwrite, &chunk, 1);
}

std::string Content(const std::string& path) {
    std::vector<uint8_t> bytes = ReadAllBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(FileIo, ReplacingKeepsPermissionsAndFollowsLinks) {
    TempDir dir;
    std::string file = dir.File("a.bmp");
    ASSERT_TRUE(WriteText(file, 0, "one"));
    EXPECT_FALSE(WriteText(file, 0, "two"));  // exists
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(WriteText(file, 1, "three"));
    EXPECT_EQ(Content(file), "three");
    struct stat st;
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    std::string link = dir.File("link.bmp");
    ASSERT_EQ(symlink(file.c_str(), link.c_str()), 0);
    ASSERT_TRUE(WriteText(link, 1, "four"));
    EXPECT_EQ(Content(file), "four");
    struct stat lst;
    ASSERT_EQ(lstat(link.c_str(), &lst), 0);
    EXPECT_TRUE(S_ISLNK(lst.st_mode));
}

TEST(FileIo, ReadOnlyFilesAndFoldersAreNotReplaced) {
    TempDir dir;
    std::string file = dir.File("ro.bmp");
    ASSERT_TRUE(WriteText(file, 0, "keep"));
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(WriteText(file, 1, "lost"));
    EXPECT_EQ(Content(file), "keep");
    EXPECT_FALSE(WriteText(dir.Path(), 1, "a folder"));
}

TEST(FileIo, OpeningAFifoOrAFolderFailsAtOnce) {
    TempDir dir;
    std::string fifo = dir.File("pipe.bmp");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    InputFile input;
    EXPECT_FALSE(input.Open(fifo.c_str()));  // no writer: must not wait for one
    EXPECT_FALSE(input.Open(dir.Path().c_str()));
    EXPECT_EQ(QueryFileSize(dir.Path().c_str()), -1);
    EXPECT_EQ(QueryFileSize(dir.File("missing").c_str()), -1);
}
