// Byte-exact output to stdout: the report's CR LF must not be translated on Windows.
#pragma once

#include <cstddef>

// 1 when all count bytes were written and flushed, 0 otherwise.
int WriteStdout(const char* bytes, size_t count);
