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

    EXPECT_EQ(s.Allocate(0), nullptr);
    EXPECT_EQ(s.Data(), nullptr);
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.Allocate(-5), nullptr);
    EXPECT_EQ(s.Data(), nullptr);

    block = s.Allocate(260);
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 260; ++i) {
        ASSERT_EQ(block[i], '\0') << i;
    }
}

TEST(PlainStringTest, AssignCopiesOrEmpties) {
    PlainString s;
    const char text[] = "C:\\dir\\a.bmp";
    s.Assign(text);
    EXPECT_EQ(s.Length(), static_cast<int32_t>(strlen(text)));
    EXPECT_NE(s.Data(), text);
    EXPECT_STREQ(s.Data(), text);

    s.Assign("");
    EXPECT_EQ(s.Data(), nullptr);
    EXPECT_EQ(s.Length(), 0);
    s.Assign("x");
    s.Assign(nullptr);
    EXPECT_EQ(s.Data(), nullptr);
    EXPECT_EQ(s.Length(), 0);
}

// A file-dialog buffer keeps the block's length, and so does its copy.
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

    PlainString empty;
    b = empty;
    EXPECT_EQ(b.Data(), nullptr);
    EXPECT_EQ(b.Length(), 0);
}

// A writable block whose last byte was overwritten still gives a terminated copy.
TEST(PlainStringTest, CopyOfUnterminatedBufferStaysTerminated) {
    PlainString buffer;
    char* block = buffer.Allocate(4);
    ASSERT_NE(block, nullptr);
    memcpy(block, "wxyz", 4);
    PlainString copy(buffer);
    EXPECT_EQ(copy.Length(), 3);
    EXPECT_EQ(std::string(copy.Data()), "wxy");
}

}  // namespace
