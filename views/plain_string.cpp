#include "views/plain_string.h"

#include <cstring>
#include <new>

PlainString::~PlainString() {
    Release();
}

PlainString::PlainString(const PlainString& other) {
    *this = other;
}

PlainString& PlainString::operator=(const PlainString& other) {
    if (this == &other) {
        return *this;
    }
    Release();
    if (!other.data_) {
        return *this;
    }
    // The other block holds length + 1 bytes; it may have been written through Allocate, so
    // take its text only up to its first zero and keep the last byte of ours a terminator.
    size_t count = strnlen(other.data_, static_cast<size_t>(other.length_));
    if (Allocate(other.length_ + 1)) {
        memcpy(data_, other.data_, count);
    }
    return *this;
}

void PlainString::Release() {
    if (data_) {
        delete[] data_;
        data_ = nullptr;
        length_ = 0;
    }
}

char* PlainString::Allocate(int32_t n) {
    Release();
    if (n <= 0) {
        return nullptr;
    }
    data_ = new (std::nothrow) char[static_cast<size_t>(n)]();
    if (!data_) {
        return nullptr;
    }
    length_ = n - 1;
    return data_;
}

PlainString& PlainString::Assign(const char* text) {
    Release();
    if (!text || !*text) {
        return *this;
    }
    size_t length = strlen(text);
    // The length is stored as a signed 32-bit count; longer text leaves the string empty.
    if (length >= static_cast<size_t>(INT32_MAX)) {
        return *this;
    }
    if (Allocate(static_cast<int32_t>(length) + 1)) {
        memcpy(data_, text, length);
    }
    return *this;
}
