#include "tools/text_encoding.h"

#include "views/plain_string.h"

int AppendUtf8(const char* cp932, size_t length, std::string& out) {
    PlainString converted;
    if (length > INT32_MAX || (length > 0 && !Cp932ToUtf8(cp932, static_cast<int32_t>(length), converted))) {
        return 0;
    }
    out.append(converted.Data() ? converted.Data() : "", static_cast<size_t>(converted.Length()));
    return 1;
}
