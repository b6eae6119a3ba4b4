// A colour table put into a bitmap file as it is stored, for many files at a time: only the bytes
// of its colour table change.
#pragma once

#include <string>

class ColorTable;

// Reads the bitmap file at path whole, checks it as the reader does, puts the first N entries of
// table into its colour table (N the file's own count) and writes the result to target (path
// itself, or another) through the replace-when-complete writing. Every other byte stays as it
// was: the headers as stored, any gap before the pixel bits, the bits and whatever follows them.
// 0, with nothing written and one English line in reason, for a file that cannot be read or is
// no readable bitmap, one without a colour table or with more entries than table, or a failed
// write (a read-only file, a full disk).
int PutTableIntoBitmapFile(const char* path, const char* target, const ColorTable& table, std::string* reason);
