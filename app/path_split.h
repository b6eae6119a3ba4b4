// Splits a code-page-932 path into the file name and the extension shown in the title and the
// save prompt.
#pragma once

// Each part holds at most 255 bytes and a terminating zero.
constexpr int kPathPartBytes = 256;

struct PathParts {
    char name[kPathPartBytes];
    char extension[kPathPartBytes];
};

// 1 for a lead byte of a double-byte character of code page 932.
int IsCp932LeadByte(unsigned char byte);

// name: after the last backslash or slash, up to the last dot after it; extension: from that
// dot on, or empty. A lead byte takes the next byte along, so a trail byte is never a
// separator or a dot.
void SplitPath(const char* path, PathParts& parts);
