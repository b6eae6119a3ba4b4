#include "tools/palette_output.h"

#include <cstring>
#include <string>
#include <vector>

#include "model/color_table.h"
#include "model/file_io.h"
#include "resources/texts.h"
#include "tools/console_output.h"
#include "tools/tool_messages.h"

int ParsePaletteFormat(const char* name, PaletteFormat* format) {
    // In the order of PaletteFormat.
    constexpr const char* kNames[kPaletteFormatCount] = {"jasc", "riff", "act", "gpl", "hex", "paintnet"};
    for (int i = 0; i < kPaletteFormatCount; ++i) {
        if (strcmp(name, kNames[i]) == 0) {
            *format = static_cast<PaletteFormat>(i);
            return 1;
        }
    }
    return 0;
}

int WritePaletteFile(const ColorTable& table,
                     PaletteFormat format,
                     const char* path,
                     const ToolMessages& messages,
                     const char* source) {
    if (table.GetCount() == 0) {
        messages.Say(source, "no colour table");
        return 1;
    }
    std::vector<uint8_t> bytes;
    if (!EncodePalette(table, format, &bytes)) {
        // The Adobe table's limit is refused in the editor's words.
        messages.Say(source, format == PaletteFormat::kAct ? kActTooLargeText
                                                           : "that palette format cannot hold its " +
                                                                 std::to_string(table.GetCount()) + " colours");
        return 1;
    }
    // Within 32 bits: the largest file written is the text of 65536 entries.
    const WriteChunk chunk = {bytes.data(), static_cast<uint32_t>(bytes.size())};
    if (path != nullptr && !WriteFileReplacing(path, 1, &chunk, 1)) {
        messages.Say(path, "cannot be written");
        return 1;
    }
    if (path == nullptr && !WriteStdout(reinterpret_cast<const char*>(bytes.data()), bytes.size())) {
        messages.Say(nullptr, "cannot write the palette");
        return 3;
    }
    return 0;
}
