#include <windows.h>

#include "tools/path_name.h"

namespace {

// Where the name after the last separator starts; character by character, so that the trail byte
// of a double-byte character (0x5C, say) is never taken for a backslash.
const char* NameStart(const char* path) {
    const char* name = path;
    for (const char* p = path; *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/' || *p == ':') {
            name = p + 1;
        }
    }
    return name;
}

}  // namespace

std::string PathInFolder(const char* folder, const char* path) {
    // A folder that ends in a separator ("C:\", "out\") has an empty name after it.
    const bool separated = *folder != '\0' && *NameStart(folder) == '\0';
    return std::string(folder) + (separated ? "" : "\\") + NameStart(path);
}
