// Expected reports as UTF-8 files in tests/views/data; code page 932 text converted to compare.
#pragma once

#include <cstring>
#include <fstream>
#include <string>

#include "tools/text_encoding.h"
#include "views/plain_string.h"

inline std::string Golden(const std::string& name) {
    std::ifstream file(std::string(KORVANE_SOURCE_DIR) + "/tests/views/data/" + name + ".txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline std::string Utf8(const char* cp932) {
    PlainString out;
    return cp932 && Cp932ToUtf8(cp932, static_cast<int32_t>(strlen(cp932)), out) && out.Data() ? out.Data() : "";
}
