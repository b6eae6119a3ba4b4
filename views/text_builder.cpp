#include "views/text_builder.h"

#include <cstdlib>
#include <cstring>

#include "views/plain_string.h"

namespace {

TextBuilderHeap gHeap = {
    [](uint32_t size) { return calloc(size, 1); },
    [](void* block, uint32_t size) { return realloc(block, size); },
    [](void* block) { free(block); },
};

}  // namespace

TextBuilderHeap SetTextBuilderHeap(const TextBuilderHeap& heap) {
    TextBuilderHeap previous = gHeap;
    gHeap = heap;
    return previous;
}

TextBuilder::~TextBuilder() {
    Release();
}

int TextBuilder::Allocate(uint32_t capacity) {
    if (capacity == 0) {
        return 0;
    }
    char* block;
    if (buffer_) {
        block = static_cast<char*>(gHeap.resize(buffer_, capacity));
        if (block && capacity > capacity_) {
            memset(block + capacity_, 0, capacity - capacity_);
        }
    } else {
        block = static_cast<char*>(gHeap.allocateZeroed(capacity));
    }
    if (!block) {
        // Without its block the builder refuses every append until the next allocate.
        Release();
        return 0;
    }
    buffer_ = block;
    capacity_ = capacity;
    length_ = 0;
    buffer_[0] = '\0';
    return 1;
}

int TextBuilder::Append(const char* text, int lineBreak) {
    if (!buffer_ || !text) {
        return 0;
    }
    size_t textLength = strlen(text);
    // 64-bit sums: no text length can wrap the comparison round.
    uint64_t needed = static_cast<uint64_t>(length_) + textLength + (lineBreak ? 2 : 0);
    if (needed >= capacity_) {
        return 0;
    }
    memcpy(buffer_ + length_, text, textLength);
    length_ += static_cast<uint32_t>(textLength);
    if (lineBreak) {
        return AppendLineBreak();
    }
    buffer_[length_] = '\0';
    return 1;
}

int TextBuilder::AppendLineBreak() {
    if (!buffer_ || static_cast<uint64_t>(length_) + 2 >= capacity_) {
        return 0;
    }
    buffer_[length_] = '\r';
    buffer_[length_ + 1] = '\n';
    buffer_[length_ + 2] = '\0';
    length_ += 2;
    return 1;
}

void TextBuilder::CopyInto(PlainString& target) const {
    // PlainString counts in signed 32 bits; a longer text cannot be held and is not copied.
    if (!buffer_ || length_ == 0 || length_ >= static_cast<uint32_t>(INT32_MAX)) {
        return;
    }
    char* block = target.Allocate(static_cast<int32_t>(length_) + 1);
    if (block) {
        memcpy(block, buffer_, length_);
    }
}

void TextBuilder::Release() {
    if (buffer_) {
        gHeap.release(buffer_);
    }
    buffer_ = nullptr;
    capacity_ = 0;
    length_ = 0;
}
