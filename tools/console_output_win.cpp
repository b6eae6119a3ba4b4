#include "tools/console_output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

int WriteStdout(const char* bytes, size_t count) {
    // In text mode the C runtime would turn the report's CR LF into CR CR LF.
    if (_setmode(_fileno(stdout), _O_BINARY) == -1) {
        return 0;
    }
    return fwrite(bytes, 1, count, stdout) == count && fflush(stdout) == 0;
}
