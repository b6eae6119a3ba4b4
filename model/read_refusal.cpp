#include "model/read_refusal.h"

#include <cinttypes>
#include <cstdio>

#include "model/bmp_format.h"

std::string DescribeRefusal(const ReadRefusal& refusal) {
    const uint64_t a = refusal.first, b = refusal.second;
    char line[160] = {};
    switch (refusal.kind) {
        case ReadRefusal::kNone:
            return "";
        case ReadRefusal::kCannotOpen:
            return "the file cannot be opened";
        case ReadRefusal::kTooShort:
            snprintf(line, sizeof line, "the two headers need %" PRIu32 " bytes; the file has %" PRIu64, kHeadersSize,
                     a);
            break;
        case ReadRefusal::kNotBitmap:
            snprintf(line, sizeof line, "the file starts with 0x%02X 0x%02X, not \"BM\"",
                     static_cast<unsigned>(a & 0xFF), static_cast<unsigned>(a >> 8 & 0xFF));
            break;
        case ReadRefusal::kInfoHeaderSize:
            snprintf(line, sizeof line, "the info header has %" PRIu64 " bytes, not %" PRIu32, a, kInfoHeaderSize);
            break;
        case ReadRefusal::kCompression:
            snprintf(line, sizeof line, "the compression is %" PRIu64 ", not 0 (plain RGB)", a);
            break;
        case ReadRefusal::kBitCount:
            snprintf(line, sizeof line, "the bit count is %" PRIu64 ", not 1, 4, 8, 16, 24 or 32", a);
            break;
        case ReadRefusal::kWidth:
            snprintf(line, sizeof line, "the width is %" PRId32 "; it must be at least 1",
                     AsSigned32(static_cast<uint32_t>(a)));
            break;
        case ReadRefusal::kHeight:
            return "the height is 0";
        case ReadRefusal::kEntryCount:
            snprintf(line, sizeof line, "a colour table of %" PRIu64 " entries does not fit 32 bits", a);
            break;
        case ReadRefusal::kRowTooLong:
            snprintf(line, sizeof line, "a row of %" PRIu64 " %" PRIu64 "-bit pixels does not fit 32 bits", a, b);
            break;
        case ReadRefusal::kImageTooLarge:
            snprintf(line, sizeof line, "%" PRIu64 " rows of %" PRIu64 " bytes do not fit 32 bits", b, a);
            break;
        case ReadRefusal::kFileTooLarge:
            snprintf(line, sizeof line, "the file size %" PRIu32 " + %" PRIu64 " + %" PRIu64 " does not fit 32 bits",
                     kHeadersSize, a, b);
            break;
        case ReadRefusal::kTableBeyondFile:
            snprintf(line, sizeof line,
                     "the colour table needs %" PRIu64 " bytes; %" PRIu64 " remain after the headers", a, b);
            break;
        case ReadRefusal::kBitsBeyondFile:
            snprintf(line, sizeof line,
                     "the pixel bits need %" PRIu64 " bytes; %" PRIu64 " remain after the colour table", a, b);
            break;
        case ReadRefusal::kNoMemory:
            snprintf(line, sizeof line, "no memory for %" PRIu64 " bytes of headers and colour table", a);
            break;
        case ReadRefusal::kNoSurface:
            snprintf(line, sizeof line, "no surface can be made for %" PRIu64 " bytes of pixels", a);
            break;
        case ReadRefusal::kShortRead:
            snprintf(line, sizeof line, "a read asked for %" PRIu64 " bytes and got %" PRIu64, a, b);
            break;
    }
    return line;
}

std::string RefusalLine(const ReadRefusal& refusal) {
    return "cannot be read as an uncompressed bitmap file: " + DescribeRefusal(refusal);
}
