#include "palette_editor/table_operations.h"

#include <algorithm>

#include "model/color_table.h"

int RampFits(uint32_t count, uint32_t end, uint32_t otherEnd) {
    const uint32_t low = std::min(end, otherEnd), high = std::max(end, otherEnd);
    return high < count && high - low >= 2;
}

int FillRamp(ColorTable& table, uint32_t end, uint32_t otherEnd) {
    if (!RampFits(table.GetCount(), end, otherEnd)) {
        return 0;
    }
    const uint32_t low = std::min(end, otherEnd), high = std::max(end, otherEnd);
    const uint64_t span = high - low;
    const uint8_t* from = table.GetEntry(low);
    const uint8_t* to = table.GetEntry(high);
    for (uint64_t step = 1; step < span; ++step) {
        uint8_t* e = table.GetEntry(static_cast<uint32_t>(low + step));
        for (int c = 0; c < 3; ++c) {
            // (from (span - step) + to step) / span, rounded half up, in integers; 255 * 65536 fits.
            const uint64_t twice = 2 * (from[c] * (span - step) + to[c] * step) + span;
            e[c] = static_cast<uint8_t>(twice / (2 * span));
        }
    }
    return 1;
}

int MakeHighlightTable(const ColorTable& table, uint32_t selected, ColorTable* highlighted) {
    if (selected >= table.GetCount() || !highlighted->CopyFrom(table)) {
        return 0;
    }
    for (uint32_t i = 0; i < table.GetCount(); ++i) {
        if (i == selected) {
            continue;
        }
        const uint8_t* e = table.GetEntry(i);
        // Rec. 601 brightness, then half of it.
        const uint32_t grey = (299 * e[0] + 587 * e[1] + 114 * e[2] + 1000) / 2000;
        highlighted->SetColor(i, grey, grey, grey);
    }
    return 1;
}
