#include "model/byte_source.h"

#include <cstring>

uint32_t MemorySource::Read(void* destination, uint32_t count) {
    uint64_t left = size_ - position_;
    uint32_t n = left < count ? static_cast<uint32_t>(left) : count;
    if (n != 0) {
        std::memcpy(destination, data_ + position_, n);
        position_ += n;
    }
    return n;
}

int MemorySource::Skip(uint64_t count) {
    if (count > size_ - position_) {
        return 0;
    }
    position_ += count;
    return 1;
}
