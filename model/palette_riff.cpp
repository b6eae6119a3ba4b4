// RIFF palettes: "RIFF", the size of the rest, "PAL ", then chunks of an id, a size and data
// padded to an even length; the "data" chunk holds version 0x0300, the count and R, G, B, flags.
#include <cstring>

#include "model/bmp_format.h"
#include "model/color_table.h"
#include "model/palette_formats.h"

namespace {

constexpr uint32_t kRiffHeaderSize = 12;
constexpr uint32_t kChunkHeaderSize = 8;
constexpr uint32_t kDataHeaderSize = 4;
constexpr uint16_t kPaletteVersion = 0x0300;

}  // namespace

int DecodeRiffPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries) {
    if (size < kRiffHeaderSize || memcmp(bytes, "RIFF", 4) != 0 || memcmp(bytes + 8, "PAL ", 4) != 0 ||
        ReadLe32(bytes + 4) != size - 8) {
        return 0;
    }
    const uint8_t* data = nullptr;
    uint32_t dataSize = 0;
    for (size_t at = kRiffHeaderSize; at < size;) {
        if (size - at < kChunkHeaderSize) {
            return 0;
        }
        const uint32_t chunkSize = ReadLe32(bytes + at + 4);
        // 64 bits, so the pad byte cannot wrap a size of 2^32 - 1 to 0.
        const uint64_t padded = static_cast<uint64_t>(chunkSize) + (chunkSize & 1);
        if (padded > size - at - kChunkHeaderSize) {
            return 0;
        }
        if (memcmp(bytes + at, "data", 4) == 0) {
            // Two tables would leave us guessing which one is meant.
            if (data != nullptr) {
                return 0;
            }
            data = bytes + at + kChunkHeaderSize;
            dataSize = chunkSize;
        }
        at += kChunkHeaderSize + static_cast<size_t>(padded);
    }
    if (data == nullptr || dataSize < kDataHeaderSize || ReadLe16(data) != kPaletteVersion ||
        dataSize != kDataHeaderSize + 4 * static_cast<uint32_t>(ReadLe16(data + 2))) {
        return 0;
    }
    for (const uint8_t* e = data + kDataHeaderSize; e < data + dataSize; e += 4) {
        AppendEntry(entries, e[0], e[1], e[2]);
    }
    return 1;
}

int EncodeRiffPalette(const ColorTable& table, std::vector<uint8_t>* bytes) {
    const uint32_t count = table.GetCount();
    if (count > kLargestRiffEntries) {
        return 0;
    }
    const uint32_t dataSize = kDataHeaderSize + 4 * count;
    uint8_t header[kRiffHeaderSize + kChunkHeaderSize + kDataHeaderSize];
    memcpy(header, "RIFF", 4);
    WriteLe32(header + 4, 4 + kChunkHeaderSize + dataSize);  // "PAL " and the data chunk
    memcpy(header + 8, "PAL data", 8);
    WriteLe32(header + 16, dataSize);
    WriteLe16(header + 20, kPaletteVersion);
    WriteLe16(header + 22, static_cast<uint16_t>(count));
    bytes->insert(bytes->end(), header, header + sizeof header);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = table.GetEntry(i);
        const uint8_t entry[4] = {e[0], e[1], e[2], 0};
        bytes->insert(bytes->end(), entry, entry + 4);
    }
    return 1;
}
