// What a tool says on standard error: one "tool: subject: reason" line each, in the command
// line's own encoding or, where asked for, in UTF-8 (only Windows' code page 932 then changes).
#pragma once

#include <string>

struct ToolMessages {
    const char* tool;
    int utf8;

    // subject (a file name) may be null: "tool: reason".
    void Say(const char* subject, const std::string& reason) const;
};
