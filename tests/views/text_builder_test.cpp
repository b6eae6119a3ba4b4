#include "views/text_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "views/plain_string.h"

namespace {

std::string TextOf(const TextBuilder& builder) {
    return std::string(builder.Text(), builder.Length());
}

// An append fits only while text, CR LF and the terminator stay below the capacity; one that
// does not fit changes nothing, and later shorter lines still go in.
TEST(TextBuilderTest, AppendIsAllOrNothing) {
    TextBuilder builder;
    ASSERT_EQ(builder.Allocate(10), 1);
    EXPECT_EQ(builder.Append("12345678", 1), 0);  // 8 + 2 is not below 10
    EXPECT_EQ(builder.Length(), 0u);
    EXPECT_EQ(builder.Text()[0], '\0');
    EXPECT_EQ(builder.Append("1234567", 1), 1);  // 0 + 7 + 2 < 10
    EXPECT_EQ(TextOf(builder), "1234567\r\n");
    EXPECT_EQ(builder.Text()[9], '\0');
    EXPECT_EQ(builder.Append("x", 0), 0);  // 9 + 1 is not below 10
    EXPECT_EQ(builder.AppendLineBreak(), 0);
    EXPECT_EQ(TextOf(builder), "1234567\r\n");

    ASSERT_EQ(builder.Allocate(12), 1);
    EXPECT_EQ(builder.Append("abc", 1), 1);
    EXPECT_EQ(builder.Append("defghi", 1), 0);
    EXPECT_EQ(builder.Append("de", 1), 1);
    EXPECT_EQ(builder.Append("", 0), 1);  // only rewrites the terminator
    EXPECT_EQ(TextOf(builder), "abc\r\nde\r\n");
    EXPECT_EQ(builder.Append("", 1), 1);  // 9 + 0 + 2 < 12: CR LF alone
    EXPECT_EQ(builder.AppendLineBreak(), 0);
    EXPECT_EQ(TextOf(builder), "abc\r\nde\r\n\r\n");
}

TEST(TextBuilderTest, RefusesWithoutBlockOrText) {
    TextBuilder builder;
    EXPECT_EQ(builder.Append("a", 0), 0);
    EXPECT_EQ(builder.AppendLineBreak(), 0);
    EXPECT_EQ(builder.Allocate(0), 0);
    EXPECT_EQ(builder.Text(), nullptr);

    ASSERT_EQ(builder.Allocate(8), 1);
    EXPECT_EQ(builder.Append(nullptr, 1), 0);
    EXPECT_EQ(builder.Allocate(0), 0);  // keeps the block it has
    EXPECT_EQ(builder.Append("a", 0), 1);

    builder.Release();
    EXPECT_EQ(builder.Append("a", 0), 0);
    EXPECT_EQ(builder.AppendLineBreak(), 0);
    builder.Release();  // twice is harmless
}

// A heap that has nothing left: allocate says so instead of claiming success.
TEST(TextBuilderTest, AllocateFailsWhenTheHeapHasNoBlock) {
    TextBuilder builder;
    ASSERT_EQ(builder.Allocate(8), 1);
    ASSERT_EQ(builder.Append("abc", 0), 1);
    TextBuilderHeap empty = {[](uint32_t) -> void* { return nullptr; },
                             [](void*, uint32_t) -> void* { return nullptr; }, [](void* block) { free(block); }};
    TextBuilderHeap previous = SetTextBuilderHeap(empty);
    EXPECT_EQ(builder.Allocate(64), 0);  // resizing the block it had
    EXPECT_EQ(builder.Text(), nullptr);
    EXPECT_EQ(builder.Append("a", 0), 0);
    TextBuilder fresh;
    EXPECT_EQ(fresh.Allocate(16), 0);
    SetTextBuilderHeap(previous);
    EXPECT_EQ(fresh.Allocate(16), 1);
}

TEST(TextBuilderTest, AllocateAgainResizesAndEmptiesText) {
    TextBuilder builder;
    ASSERT_EQ(builder.Allocate(4), 1);
    ASSERT_EQ(builder.Append("abc", 0), 1);
    ASSERT_EQ(builder.Allocate(64), 1);
    EXPECT_EQ(builder.Length(), 0u);
    EXPECT_EQ(builder.Capacity(), 64u);
    EXPECT_STREQ(builder.Text(), "");
    EXPECT_EQ(std::string(builder.Text() + 4, 60), std::string(60, '\0'));  // the bytes gained
    EXPECT_EQ(builder.Append(std::string(61, 'x').c_str(), 1), 1);          // 61 + 2 < 64
}

TEST(TextBuilderTest, CopyIntoString) {
    TextBuilder builder;
    PlainString target;
    target.Assign("old text that is longer");
    ASSERT_EQ(builder.Allocate(16), 1);
    builder.CopyInto(target);  // no text yet: target kept
    EXPECT_STREQ(target.Data(), "old text that is longer");

    ASSERT_EQ(builder.Append("ab", 1), 1);
    builder.CopyInto(target);
    EXPECT_EQ(std::string(target.Data(), 5), std::string("ab\r\n", 5));
    EXPECT_EQ(target.Length(), 4);
    builder.Release();
    builder.CopyInto(target);
    EXPECT_EQ(target.Length(), 4);
}

}  // namespace
