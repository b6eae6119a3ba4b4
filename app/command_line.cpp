#include "app/command_line.h"

#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string FileFromCommandLine(const char* commandLine) {
    if (commandLine == nullptr) {
        return "";
    }
    const char* start = commandLine;
    while (IsBlank(*start)) {
        ++start;
    }
    if (*start == '"') {
        const char* end = std::strchr(start + 1, '"');
        return end != nullptr ? std::string(start + 1, end) : std::string(start + 1);
    }
    const char* end = start + std::strlen(start);
    while (end > start && IsBlank(end[-1])) {
        --end;
    }
    return std::string(start, end);
}
