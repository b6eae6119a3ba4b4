// Why the reader refused a file: the rule that failed and the figures that show how.
#pragma once

#include <cstdint>
#include <string>

// The comments name the figures first and second; the other kinds have none.
struct ReadRefusal {
    enum Kind {
        kNone,  // nothing was refused
        kCannotOpen,
        kTooShort,         // the file's size
        kNotBitmap,        // the first two bytes, little-endian
        kInfoHeaderSize,   // biSize
        kCompression,      // biCompression
        kBitCount,         // biBitCount
        kWidth,            // biWidth, its 32 bits
        kHeight,           // a height of 0
        kEntryCount,       // N, whose 4N bytes do not fit 32 bits
        kRowTooLong,       // width, bits per pixel
        kImageTooLarge,    // bytes per row, rows
        kFileTooLarge,     // colour-table bytes, image bytes
        kTableBeyondFile,  // colour-table bytes, bytes after the headers
        kBitsBeyondFile,   // image bytes, bytes after the colour table
        kNoMemory,         // bytes of headers and colour table
        kNoSurface,        // image bytes
        kShortRead,        // bytes asked, bytes given
    };
    Kind kind = kNone;
    uint64_t first = 0;
    uint64_t second = 0;
};

// Records the refusal where one is asked for; always 0, the failure it explains.
inline int Refuse(ReadRefusal* refusal, ReadRefusal::Kind kind, uint64_t first = 0, uint64_t second = 0) {
    if (refusal != nullptr) {
        *refusal = {kind, first, second};
    }
    return 0;
}

// One English line without a line break, empty for kNone.
std::string DescribeRefusal(const ReadRefusal& refusal);
// The same, as the tools say it of a file they refused.
std::string RefusalLine(const ReadRefusal& refusal);
