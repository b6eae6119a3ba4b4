// A byte buffer of fixed capacity that text is assembled in, line by line with CR LF. An
// append that would not fit is refused whole, so no line is ever cut and the text in the
// buffer is always zero-terminated.
#pragma once

#include <cstdint>

class PlainString;

// Where builders take their zero-filled blocks from: chosen once at start-up, before any
// builder exists (the C library's heap unless replaced). Either call may return none.
struct TextBuilderHeap {
    void* (*allocateZeroed)(uint32_t size);
    void* (*resize)(void* block, uint32_t size);  // the bytes it gains need not be zero
    void (*release)(void* block);
};
// Installs heap and returns the one it replaces.
TextBuilderHeap SetTextBuilderHeap(const TextBuilderHeap& heap);

class TextBuilder {
  public:
    TextBuilder() = default;
    ~TextBuilder();
    TextBuilder(const TextBuilder&) = delete;
    TextBuilder& operator=(const TextBuilder&) = delete;

    // A zero-filled block of capacity bytes, text emptied; a block already held is resized.
    // 0 for a capacity of 0 (nothing changes) and when the memory cannot be had (no block).
    int Allocate(uint32_t capacity);
    // Appends text, with CR LF after it when lineBreak is set. 1 if appended, 0 if refused
    // (no block, no text, or too long for the capacity left); a refusal changes nothing.
    int Append(const char* text, int lineBreak);
    int AppendLineBreak();
    // Gives the text to target; a builder without text leaves target as it was.
    void CopyInto(PlainString& target) const;
    void Release();

    const char* Text() const { return buffer_; }
    uint32_t Capacity() const { return capacity_; }
    uint32_t Length() const { return length_; }

  private:
    char* buffer_ = nullptr;
    uint32_t capacity_ = 0;
    uint32_t length_ = 0;
};
