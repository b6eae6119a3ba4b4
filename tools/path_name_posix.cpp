#include <cstring>

#include "tools/path_name.h"

std::string PathInFolder(const char* folder, const char* path) {
    const char* slash = strrchr(path, '/');
    const size_t length = strlen(folder);
    const bool separated = length > 0 && folder[length - 1] == '/';
    return std::string(folder) + (separated ? "" : "/") + (slash != nullptr ? slash + 1 : path);
}
