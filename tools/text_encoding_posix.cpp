#include "tools/text_encoding.h"

#include <iconv.h>

#include "model/checked_size.h"
#include "views/plain_string.h"

const int kCommandLineIsCp932 = 0;

int Cp932ToUtf8(const char* text, int32_t length, PlainString& out) {
    out.Release();
    if (length <= 0) {
        return length == 0;
    }
    // One CP932 byte never becomes more than three UTF-8 bytes (half-width katakana).
    uint32_t capacity;
    if (!CheckedMul32(static_cast<uint32_t>(length), 3, &capacity) || !CheckedAdd32(capacity, 1, &capacity) ||
        capacity > static_cast<uint32_t>(INT32_MAX)) {
        return 0;
    }
    PlainString buffer;
    char* block = buffer.Allocate(static_cast<int32_t>(capacity));
    if (!block) {
        return 0;
    }
    iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return 0;
    }
    char* input = const_cast<char*>(text);  // iconv's signature; the input is only read
    size_t inputLeft = static_cast<size_t>(length);
    char* output = block;
    size_t outputLeft = capacity - 1;
    int ok = iconv(converter, &input, &inputLeft, &output, &outputLeft) != static_cast<size_t>(-1) && inputLeft == 0;
    iconv_close(converter);
    if (!ok) {
        return 0;
    }
    // The buffer was sized for the worst case; keep only the text (it holds no zero byte).
    out.Assign(block);
    return out.Length() > 0;
}
