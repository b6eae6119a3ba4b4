// A sequential source of bytes whose total size is known up front, so a reader can refuse a
// header that promises more than the source holds before allocating anything.
#pragma once

#include <cstdint>

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Reads up to count bytes; fewer only at the end of the data or on an error.
    virtual uint32_t Read(void* destination, uint32_t count) = 0;
    // Total size of the source in bytes.
    virtual uint64_t Size() const = 0;
    // Moves on count bytes without reading them; 0 when fewer are left.
    virtual int Skip(uint64_t count) = 0;
};

class MemorySource : public ByteSource {
  public:
    MemorySource(const uint8_t* data, uint64_t size) : data_(data), size_(size) {}
    uint32_t Read(void* destination, uint32_t count) override;
    uint64_t Size() const override { return size_; }
    int Skip(uint64_t count) override;

  private:
    const uint8_t* data_;
    uint64_t size_;
    uint64_t position_ = 0;
};
