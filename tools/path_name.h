// File names on the command line: where a path's name starts differs between Windows (backslash,
// slash or drive colon, in the code page's characters) and POSIX (slash).
#pragma once

#include <string>

// The file name at the end of path, put into folder.
std::string PathInFolder(const char* folder, const char* path);
