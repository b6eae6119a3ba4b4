#include "model/color_table.h"

#include <cstring>
#include <new>

#include "model/checked_size.h"

ColorTable::~ColorTable() {
    Clear();
}

void ColorTable::Clear() {
    delete[] entries_;
    entries_ = nullptr;
    count_ = 0;
}

uint32_t ColorTable::GetColor(uint32_t i) const {
    if (i >= count_) {
        return 0;
    }
    const uint8_t* e = GetEntry(i);
    return 0x02000000u | (static_cast<uint32_t>(e[2]) << 16) | (static_cast<uint32_t>(e[1]) << 8) | e[0];
}

int ColorTable::SetColor(uint32_t i, uint32_t r, uint32_t g, uint32_t b) {
    if (i >= count_) {
        return 0;
    }
    uint8_t* e = GetEntry(i);
    e[0] = static_cast<uint8_t>(r);
    e[1] = static_cast<uint8_t>(g);
    e[2] = static_cast<uint8_t>(b);
    return 1;
}

// A fresh block for n entries, or none when n is 0, 4n does not fit 32 bits or memory is
// short. The old entries stay until Adopt, so a source that lies inside this table is still
// readable while copying.
uint8_t* ColorTable::Allocate(uint32_t n) {
    uint32_t bytes;
    if (n == 0 || !CheckedMul32(n, 4, &bytes)) {
        return nullptr;
    }
    return new (std::nothrow) uint8_t[bytes];
}

// Takes fresh as the new contents. Without a block for a non-empty table the old contents stay,
// so running out of memory never wipes a table the user is working on.
int ColorTable::Adopt(uint8_t* fresh, uint32_t n) {
    if (fresh == nullptr && n != 0) {
        return 0;
    }
    Clear();
    entries_ = fresh;
    count_ = n;
    return 1;
}

int ColorTable::Assign(const uint8_t* rgb0Entries, uint32_t n) {
    uint8_t* fresh = Allocate(n);
    if (fresh != nullptr) {
        std::memcpy(fresh, rgb0Entries, 4 * static_cast<size_t>(n));
    }
    return Adopt(fresh, n);
}

int ColorTable::AssignFromRGBQuads(const uint8_t* quads, uint32_t n) {
    uint8_t* fresh = Allocate(n);
    for (uint32_t i = 0; fresh != nullptr && i < n; ++i) {
        const uint8_t* q = quads + 4 * static_cast<size_t>(i);
        uint8_t* e = fresh + 4 * static_cast<size_t>(i);
        e[0] = q[2];
        e[1] = q[1];
        e[2] = q[0];
        e[3] = 0;
    }
    return Adopt(fresh, n);
}

int ColorTable::CopyFrom(const ColorTable& other) {
    if (&other == this) {
        return 1;
    }
    return Assign(other.entries_, other.count_);
}

void WriteRGBQuads(const ColorTable& table, uint32_t n, uint8_t* quads) {
    for (uint32_t i = 0; i < n; ++i, quads += 4) {
        const uint8_t* e = table.GetEntry(i);
        quads[0] = e[2];
        quads[1] = e[1];
        quads[2] = e[0];
        quads[3] = 0;
    }
}
