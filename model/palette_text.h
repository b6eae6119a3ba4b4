// What the text palette formats share: lines ended by LF or CR LF, decimal numbers with spaces
// and tabs around and between them, and hexadecimal colours.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class ColorTable;

// Takes the next line off the front of rest, without its line end; 0 when rest is empty.
int NextLine(std::string_view* rest, std::string_view* line);

inline int IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Where the spaces and tabs from at on end.
size_t SkipBlanks(std::string_view line, size_t at);

// A line that is one number of at most largest, with blanks around it.
int ReadLoneNumber(std::string_view line, uint32_t largest, uint32_t* value);

// Three numbers 0..255 from at on, blanks before each and at least one between them, appended
// to entries as R, G, B, 0; at is left just after the third.
int ReadRgb(std::string_view line, size_t* at, std::vector<uint8_t>* entries);

// Exactly count hexadecimal digits (at most 8, either case) from at on, the next character no
// digit; at is left just after them.
int ReadHexDigits(std::string_view line, size_t* at, size_t count, uint32_t* value);

// One line an entry of table, appended to bytes: lineFormat (printf) takes its red, green and
// blue and makes at most 15 characters of them.
void AppendLines(const ColorTable& table, const char* lineFormat, std::vector<uint8_t>* bytes);
