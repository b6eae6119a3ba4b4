// Adobe colour tables: 256 R, G, B triples, perhaps followed by a big-endian entry count and a
// big-endian transparent index, which Korvane has no use for.
#include "model/color_table.h"
#include "model/palette_formats.h"

namespace {

constexpr uint16_t kNoTransparentIndex = 0xFFFF;

}  // namespace

int DecodeActPalette(const uint8_t* bytes, size_t size, std::vector<uint8_t>* entries) {
    uint32_t count = kLargestActEntries;
    if (size == kActFileSizeWithCount) {
        count = static_cast<uint32_t>(bytes[kActFileSize] << 8 | bytes[kActFileSize + 1]);
    } else if (size != kActFileSize) {
        return 0;
    }
    if (count > kLargestActEntries) {
        return 0;
    }
    for (uint32_t i = 0; i < count; ++i) {
        AppendEntry(entries, bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]);
    }
    return 1;
}

int EncodeActPalette(const ColorTable& table, std::vector<uint8_t>* bytes) {
    const uint32_t count = table.GetCount();
    if (count > kLargestActEntries) {
        return 0;
    }
    std::vector<uint8_t> file(kActFileSizeWithCount);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = table.GetEntry(i);
        file[3 * i] = e[0];
        file[3 * i + 1] = e[1];
        file[3 * i + 2] = e[2];
    }
    file[kActFileSize] = static_cast<uint8_t>(count >> 8);
    file[kActFileSize + 1] = static_cast<uint8_t>(count);
    file[kActFileSize + 2] = static_cast<uint8_t>(kNoTransparentIndex >> 8);
    file[kActFileSize + 3] = static_cast<uint8_t>(kNoTransparentIndex);
    bytes->insert(bytes->end(), file.begin(), file.end());
    return 1;
}
