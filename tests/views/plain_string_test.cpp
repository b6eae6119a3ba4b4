#include "views/plain_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(PlainStringTest, AllocateGivesZeroedWritableBlock) {
    PlainString s;
    char* block = s.Allocate(1);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(s.Data(), block);
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(block[0], '\0');
    for (int32_t n : {0, -5}) {
        EXPECT_EQ(s.Allocate(n), nullptr);
        EXPECT_EQ(s.Data(), nullptr);
        EXPECT_EQ(s.Length(), 0);
    }
    block = s.Allocate(260);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::string(block, 260), std::string(260, '\0'));
}

TEST(PlainStringTest, AssignCopiesOrEmpties) {
    PlainString s;
    const char text[] = "C:\\dir\\a.bmp";
    s.Assign(text);
    EXPECT_EQ(s.Length(), static_cast<int32_t>(strlen(text)));
    EXPECT_NE(s.Data(), text);
    EXPECT_STREQ(s.Data(), text);
    for (const char* empty : {"", static_cast<const char*>(nullptr)}) {
        s.Assign("x");
        s.Assign(empty);
        EXPECT_EQ(s.Data(), nullptr);
        EXPECT_EQ(s.Length(), 0);
    }
}

// A file-dialog buffer keeps the block's length, and so does its copy, which stays terminated
// even when the block's last byte was overwritten.
TEST(PlainStringTest, CopyOfWritableBufferKeepsBlockLength) {
    PlainString buffer;
    char* block = buffer.Allocate(260);
    ASSERT_NE(block, nullptr);
    memcpy(block, "abc", 3);
    EXPECT_EQ(buffer.Length(), 259);
    PlainString copy(buffer);
    EXPECT_EQ(copy.Length(), 259);
    ASSERT_NE(copy.Data(), nullptr);
    EXPECT_NE(copy.Data(), buffer.Data());
    EXPECT_STREQ(copy.Data(), "abc");

    block = buffer.Allocate(4);
    ASSERT_NE(block, nullptr);
    memcpy(block, "wxyz", 4);
    PlainString unterminated(buffer);
    EXPECT_EQ(unterminated.Length(), 3);
    EXPECT_EQ(std::string(unterminated.Data()), "wxy");
}

TEST(PlainStringTest, CopyNeverShares) {
    PlainString a;
    a.Assign("first");
    PlainString b;
    b.Assign("second, longer");
    b = a;
    EXPECT_EQ(b.Length(), 5);
    EXPECT_NE(b.Data(), a.Data());
    a.Assign("changed");
    EXPECT_STREQ(b.Data(), "first");
    b = b;
    EXPECT_STREQ(b.Data(), "first");
    b = PlainString();
    EXPECT_EQ(b.Data(), nullptr);
    EXPECT_EQ(b.Length(), 0);
}

}  // namespace
