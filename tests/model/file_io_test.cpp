// The POSIX side of file access: what replacing a file keeps, and what it and opening refuse.
#include "model/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

#include "tests/model/bmp_bytes.h"

namespace {

// Writes text as the whole of path, where no file may grow beyond limit bytes (a full disk).
int Write(const std::string& path, int overwrite, const std::string& text, rlim_t limit = RLIM_INFINITY) {
    WriteChunk chunk = {text.data(), static_cast<uint32_t>(text.size())};
    rlimit old, small;
    getrlimit(RLIMIT_FSIZE, &old);
    small = {std::min(limit, old.rlim_cur), old.rlim_max};
    auto handler = std::signal(SIGXFSZ, SIG_IGN);
    int written = setrlimit(RLIMIT_FSIZE, &small) == 0 && WriteFileReplacing(path.c_str(), overwrite, &chunk, 1);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    return written;
}

}  // namespace

TEST(FileIo, WritingReplacesWholeOrNotAtAllAndOpeningTakesOnlyFiles) {
    TempDir dir;
    const std::string file = dir.File("a.bmp"), link = dir.File("link.bmp");
    ASSERT_TRUE(Write(file, 0, "one") && !Write(file, 0, "two") && chmod(file.c_str(), 0444) == 0);
    EXPECT_FALSE(Write(file, 1, "read-only") || Write(dir.path, 1, "a folder") || Write(dir.File("no/such"), 1, "x"));
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    EXPECT_FALSE(Write(file, 1, std::string(5000, 'x'), 1000));
    EXPECT_EQ(ReadAllBytes(file), Bytes({'o', 'n', 'e'}));
    // Replacing keeps the permissions, and through a link replaces the file it names.
    ASSERT_TRUE(symlink(file.c_str(), link.c_str()) == 0 && Write(link, 1, "3"));
    EXPECT_EQ(ReadAllBytes(file), Bytes({'3'}));
    struct stat st;
    EXPECT_TRUE(lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
    EXPECT_TRUE(stat(file.c_str(), &st) == 0 && (st.st_mode & 07777) == 0640);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 2);  // no temporary left behind
    // Opening waits for nothing and takes only files; without one a size is -1.
    InputFile input;
    ASSERT_EQ(mkfifo(dir.File("pipe.bmp").c_str(), 0600), 0);
    EXPECT_FALSE(input.Open(dir.File("pipe.bmp").c_str()) || input.Open(dir.path.c_str()));
    EXPECT_TRUE(QueryFileSize(dir.path.c_str()) == -1 && QueryFileSize(dir.File("missing").c_str()) == -1);
}
