// A colour table put into a bitmap file as it is stored, for many files at a time: only the bytes
// of its colour table change.
#pragma once

#include <string>

class ColorTable;
class ReplacingBatch;

// Reads the headers and table of the bitmap file at path, checks them as the reader does, puts
// the first N entries of table into its colour table (N the file's own count) and stages the
// result in the batch for target (path itself, or another), which the batch's commit replaces.
// Every other byte is copied as it was: the headers as stored, any gap before the pixel bits, the
// bits and whatever follows them. 0, with nothing staged and one English line in reason, for a
// file that cannot be read or is no readable bitmap, one without a colour table or with more
// entries than table, or a failed write (a read-only file, a full disk, a file cut meanwhile).
int PutTableIntoBitmapFile(const char* path,
                           const char* target,
                           const ColorTable& table,
                           ReplacingBatch& batch,
                           std::string* reason);
// The line that says target could not be written.
std::string CannotWrite(const std::string& target);
