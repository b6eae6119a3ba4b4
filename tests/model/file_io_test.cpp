#include "model/file_io.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

#include "tests/model/test_files.h"

static int Write(const std::string& path, int overwrite, const std::string& text) {
    const WriteChunk chunk = {text.data(), static_cast<uint32_t>(text.size())};
    return WriteFileReplacing(path.c_str(), overwrite, &chunk, 1);
}

TEST(FileIo, WritingReplacesWholeOrNotAtAllAndOpeningTakesOnlyFiles) {
    TempDir dir;
    const std::string file = dir.File("a.bmp"), link = dir.File("link.bmp");
    ASSERT_TRUE(Write(file, 0, "one") && !Write(file, 0, "two") && chmod(file.c_str(), 0444) == 0);
    EXPECT_FALSE(Write(file, 1, "read-only") || Write(dir.path, 1, "a folder") || Write(dir.File("no/such"), 1, "x"));
    // A full disk: no file may grow beyond 1000 bytes (a write past them fails instead of ending the tests).
    rlimit before;
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit full = {1000, before.rlim_max};
    EXPECT_FALSE(chmod(file.c_str(), 0640) != 0 || std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR ||
                 setrlimit(RLIMIT_FSIZE, &full) != 0 || Write(file, 1, std::string(5000, 'x')));
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(ReadAllBytes(file), Bytes({'o', 'n', 'e'}));
    // Replacing keeps the permissions, and through a link replaces the file it names.
    ASSERT_TRUE(symlink(file.c_str(), link.c_str()) == 0 && Write(link, 1, "3"));
    struct stat st;
    EXPECT_TRUE(ReadAllBytes(file) == Bytes({'3'}) && lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
    EXPECT_TRUE(stat(file.c_str(), &st) == 0 && (st.st_mode & 07777) == 0640);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 2);  // no temporary left behind
    // A batch replaces what it staged at its commit, nothing before; uncommitted, it leaves nothing.
    const WriteChunk four = {"four", 4};
    for (int commit : {0, 1}) {
        ReplacingBatch batch;
        EXPECT_TRUE(batch.Stage(file.c_str(), &four, 1) && !batch.Stage(dir.File("no/such").c_str(), &four, 1));
        EXPECT_EQ(ReadAllBytes(file), Bytes({'3'}));
        EXPECT_EQ(commit ? batch.Commit() : std::vector<int>(1, 1), std::vector<int>(1, 1));
    }
    EXPECT_EQ(ReadAllBytes(file), Bytes({'f', 'o', 'u', 'r'}));
    // The rest of another file follows the chunks from where its reading stands, all of it or nothing.
    InputFile source;
    ReplacingBatch batch;
    EXPECT_TRUE(source.Open(file.c_str()) && source.Skip(1) && batch.Stage(link.c_str(), &four, 1, &source, 2));
    EXPECT_TRUE(!batch.Stage(link.c_str(), &four, 1, &source, 2) && batch.Commit() == std::vector<int>(1, 1));
    EXPECT_EQ(ReadAllBytes(file), Bytes({'f', 'o', 'u', 'r', 'o', 'u'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 2);
    // Opening waits for nothing and takes only files; without one a size is -1.
    InputFile input;
    ASSERT_EQ(mkfifo(dir.File("pipe.bmp").c_str(), 0600), 0);
    EXPECT_FALSE(input.Open(dir.File("pipe.bmp").c_str()) || input.Open(dir.path.c_str()));
    EXPECT_TRUE(QueryFileSize(dir.path.c_str()) == -1 && QueryFileSize(dir.File("missing").c_str()) == -1);
}
