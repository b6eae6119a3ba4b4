#include "model/bmp_format.h"

#include <gtest/gtest.h>

TEST(BmpFormat, RowLengthRoundsBitsUpToWholeWords) {
    struct Case {
        int32_t width;
        uint32_t bits;
        uint32_t expected;
    } cases[] = {{33, 1, 8}, {9, 4, 8}, {256, 8, 256}, {1, 24, 4}, {256, 24, 768}, {1, 1, 4}, {3, 32, 12}, {0, 8, 0}};
    for (const Case& c : cases) {
        uint32_t bpl = 99;
        ASSERT_TRUE(ComputeBytesPerLine(c.width, c.bits, &bpl));
        EXPECT_EQ(bpl, c.expected) << c.width << "x" << c.bits;
    }
    uint32_t bpl = 0;
    EXPECT_FALSE(ComputeBytesPerLine(-1, 8, &bpl));
    EXPECT_FALSE(ComputeBytesPerLine(INT32_MAX, 32, &bpl));  // 8 GiB per row
}

TEST(BmpFormat, ColorCountFollowsClrUsedOrBitCount) {
    EXPECT_EQ(ColorCountOnRead(0, 1), 2u);
    EXPECT_EQ(ColorCountOnRead(0, 4), 16u);
    EXPECT_EQ(ColorCountOnRead(0, 8), 256u);
    EXPECT_EQ(ColorCountOnRead(0, 16), 0u);
    EXPECT_EQ(ColorCountOnRead(0, 24), 0u);
    EXPECT_EQ(ColorCountOnRead(16, 8), 16u);
    EXPECT_EQ(ColorCountOnRead(300, 24), 300u);
    EXPECT_EQ(ColorCountOnRead(0, 30000), 0u);
}

TEST(BmpFormat, SizesThatDoNotFit32BitsAreRefused) {
    BitmapSizes s;
    ASSERT_TRUE(ComputeBitmapSizes(256, -256, 8, 256, &s));
    EXPECT_EQ(s.bytesPerLine, 256u);
    EXPECT_EQ(s.imageSize, 65536u);
    EXPECT_EQ(s.colorTableBytes, 1024u);
    EXPECT_EQ(s.fileSize, 66614u);
    EXPECT_FALSE(ComputeBitmapSizes(100000, 100000, 24, 0, &s));  // image size wraps
    EXPECT_FALSE(ComputeBitmapSizes(1, 1, 8, 0x40000000u, &s));   // 4N wraps
    EXPECT_FALSE(ComputeBitmapSizes(1, 1, 8, 0x3FFFFFFFu, &s));   // 54 + 4N wraps
    EXPECT_FALSE(ComputeBitmapSizes(65536, 65536, 8, 0, &s));     // exactly 2^32
    EXPECT_FALSE(ComputeBitmapSizes(1, INT32_MIN, 32, 0, &s));    // 2^31 rows of 4 bytes
    EXPECT_EQ(HeightMagnitude(INT32_MIN), 0x80000000u);
    EXPECT_EQ(HeightMagnitude(-256), 256u);
}

TEST(BmpFormat, SignedFieldsDecodeAsTwosComplement) {
    uint8_t b[4];
    WriteLe32(b, 0xFFFFFF00u);
    EXPECT_EQ(ReadLe32Signed(b), -256);
    WriteLe32(b, 0x80000000u);
    EXPECT_EQ(ReadLe32Signed(b), INT32_MIN);
}
