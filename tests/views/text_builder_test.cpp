#include "views/text_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "views/plain_string.h"

// A line goes in whole, CR LF included, while it and the terminator fit; a refusal changes nothing.
TEST(TextBuilder, AppendsWholeLinesOrNothingIntoTheBlockItHas) {
    TextBuilder builder;
    PlainString target;
    EXPECT_FALSE(builder.Append("a", 0) || builder.AppendLineBreak() || builder.Allocate(0));  // no block yet
    ASSERT_TRUE(builder.Allocate(10) && builder.Append("12345678", 0));
    EXPECT_FALSE(builder.AppendLineBreak() || builder.Append("xy", 0) || builder.Append(nullptr, 0));
    EXPECT_EQ(std::string(builder.Text(), 10), std::string("12345678\0\0", 10));
    // Allocating again keeps the block, grown with zeros, and empties the text.
    ASSERT_TRUE(builder.Allocate(64) && std::string(builder.Text() + 10, 54) == std::string(54, '\0'));
    builder.CopyInto(target);  // no text to give
    EXPECT_FALSE(builder.Append(std::string(62, 'x').c_str(), 1));
    EXPECT_TRUE(builder.Append(std::string(61, 'x').c_str(), 1) && target.Data() == nullptr);
    builder.CopyInto(target);
    EXPECT_EQ(std::string(target.Data(), 64), std::string(61, 'x') + std::string("\r\n", 3));
    // A heap that has nothing left: the block is not resized, and the builder keeps none.
    TextBuilderHeap previous = SetTextBuilderHeap(
        {[](uint32_t) -> void* { return nullptr; }, [](void*, uint32_t) -> void* { return nullptr; }, std::free});
    EXPECT_FALSE(builder.Allocate(64) || builder.Text() || builder.Append("a", 0) || builder.Allocate(16));
    SetTextBuilderHeap(previous);
    EXPECT_TRUE(builder.Allocate(16));
}

// A file dialog writes into an allocated block; a copy keeps its length, owns its block, stays terminated.
TEST(PlainString, BlocksAreZeroedOwnedAndTerminated) {
    PlainString buffer, copy;
    char* block = buffer.Allocate(260);
    ASSERT_TRUE(block && std::string(block, 260) == std::string(260, '\0'));
    std::memcpy(block, "abc", 3);
    copy = buffer;
    EXPECT_TRUE(copy.Length() == 259 && copy.Data() != block && std::string(copy.Data()) == "abc");
    std::memcpy(buffer.Allocate(4), "wxyz", 4);
    copy = buffer;
    copy = copy;
    EXPECT_TRUE(PlainString(copy).Length() == 3 && std::string(copy.Data()) == "wxy");
    EXPECT_EQ(std::string(copy.Assign("text").Data(), 5), std::string("text", 5));
    EXPECT_TRUE(!copy.Assign("").Data() && !copy.Assign(nullptr).Data() && copy.Length() == 0 && !buffer.Allocate(0) &&
                !buffer.Data() && buffer.Length() == 0);
}
