// 32-bit size arithmetic that refuses instead of wrapping: every size that comes from a
// file goes through these before it is used or allocated.
#pragma once

#include <cstdint>

// Each returns 1 and stores the result when it fits in 32 bits, else 0 (result untouched).
inline int CheckedAdd32(uint32_t a, uint32_t b, uint32_t* result) {
    if (a > UINT32_MAX - b) {
        return 0;
    }
    *result = a + b;
    return 1;
}

inline int CheckedMul32(uint32_t a, uint32_t b, uint32_t* result) {
    // Widening to 64 bits makes the product exact for any two 32-bit factors.
    uint64_t product = static_cast<uint64_t>(a) * b;
    if (product > UINT32_MAX) {
        return 0;
    }
    *result = static_cast<uint32_t>(product);
    return 1;
}
