#include "tools/tool_messages.h"

#include <cstdint>
#include <cstdio>

#include "tools/text_encoding.h"
#include "views/plain_string.h"

void ToolMessages::Say(const char* subject, const std::string& reason) const {
    std::string line = std::string(tool) + ": " + (subject != nullptr ? std::string(subject) + ": " : "") + reason;
    PlainString converted;
    // A line that cannot be converted is better said as it is than not at all.
    if (utf8 && kCommandLineIsCp932 && line.size() < INT32_MAX &&
        Cp932ToUtf8(line.data(), static_cast<int32_t>(line.size()), converted) && converted.Data() != nullptr) {
        line = converted.Data();
    }
    fprintf(stderr, "%s\n", line.c_str());
}
