// A colour table taken from any file that holds one: a bitmap first, then a palette file.
#pragma once

class ColorTable;

// The table of the bitmap at path (empty when it has none), read from its headers and table
// only: its pixel bits are neither read nor allocated. A file that is no readable bitmap is read
// as a palette file, the Adobe table taken only by its ".act" name. 0 when it is neither.
int LoadColorTableFromFile(const char* path, ColorTable& table);
