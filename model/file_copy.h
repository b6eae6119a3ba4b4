// The one copy loop both file_io implementations share, each with its own way to write.
#pragma once

#include <cstdint>
#include <memory>
#include <new>

#include "model/file_io.h"

// Copies the next left bytes of from, where its reading stands, through a buffer to write
// (a callable taking data and a size, 1 when all of it was written). 1 when every byte went.
template <typename Write>
int CopyThroughBuffer(InputFile& from, uint64_t left, Write write) {
    constexpr uint32_t kBufferSize = 1 << 20;
    std::unique_ptr<char[]> buffer(left > 0 ? new (std::nothrow) char[kBufferSize] : nullptr);
    while (left > 0) {
        const uint32_t want = left < kBufferSize ? static_cast<uint32_t>(left) : kBufferSize;
        if (buffer == nullptr || from.Read(buffer.get(), want) != want || !write(buffer.get(), want)) {
            return 0;
        }
        left -= want;
    }
    return 1;
}
