// An owned, zero-terminated byte string with a stored length. Never shared: copies make a
// block of their own.
#pragma once

#include <cstdint>

class PlainString {
  public:
    PlainString() = default;
    ~PlainString();
    PlainString(const PlainString& other);
    PlainString& operator=(const PlainString& other);  // copy from string

    void Release();
    // A writable block of n zero bytes; length becomes n - 1 whatever is written into it.
    // None (and the empty string) for n <= 0 or when memory is short.
    char* Allocate(int32_t n);
    // Copies the text; none or the empty text give the empty string.
    PlainString& Assign(const char* text);

    int32_t Length() const { return length_; }
    // The block, or none for the empty string.
    char* Data() { return data_; }
    const char* Data() const { return data_; }

  private:
    int32_t length_ = 0;
    char* data_ = nullptr;
};
