#include "tools/console_output.h"

#include <cstdio>

int WriteStdout(const char* bytes, size_t count) {
    return fwrite(bytes, 1, count, stdout) == count && fflush(stdout) == 0;
}
