#include "tools/tool_messages.h"

#include <cstdio>

#include "tools/text_encoding.h"

void ToolMessages::Say(const char* subject, const std::string& reason) const {
    std::string line = std::string(tool) + ": " + (subject != nullptr ? std::string(subject) + ": " : "") + reason;
    std::string converted;
    // A line that cannot be converted is better said as it is than not at all.
    if (utf8 && kCommandLineIsCp932 && AppendUtf8(line.data(), line.size(), converted)) {
        line = converted;
    }
    fprintf(stderr, "%s\n", line.c_str());
}
