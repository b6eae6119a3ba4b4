// Conversion of the report's code-page-932 bytes for consoles that expect UTF-8: iconv on
// POSIX systems (text_encoding_posix.cpp), the Win32 code-page calls on Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class PlainString;

// Replaces out with the UTF-8 form of length bytes of CP932 text. 1 on success; 0 on bytes
// that are not CP932 or when memory is short (out is then empty).
int Cp932ToUtf8(const char* text, int32_t length, PlainString& out);
// Appends the UTF-8 form of length bytes of CP932 text to out; 0, with out as it was, where
// Cp932ToUtf8 fails or the text is too long for it.
int AppendUtf8(const char* cp932, size_t length, std::string& out);

// 1 where file names given on the command line arrive in code page 932 like the report
// (Windows); 0 where they already are in the terminal's own encoding.
extern const int kCommandLineIsCp932;
