#include "tools/korvane_palette_commands.h"

#include <cinttypes>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "model/bitmap_image.h"
#include "model/bmp_format.h"
#include "model/color_table.h"
#include "model/file_io.h"
#include "model/pixel_usage.h"
#include "model/table_from_file.h"
#include "model/table_into_file.h"
#include "tools/console_output.h"
#include "tools/palette_output.h"
#include "tools/path_name.h"

namespace {

constexpr int kExitNotDone = 1;
constexpr int kExitOutputFailed = 3;

// The table of a palette file of any format or of a bitmap; one with no entries is refused.
int LoadTable(const PaletteToolArguments& arguments, const char* path, ColorTable& table) {
    const char* reason = nullptr;
    if (!LoadColorTableFromFile(path, table)) {
        reason = QueryFileSize(path) < 0 ? "the file cannot be opened"
                                         : "neither a readable bitmap nor a palette file of a known format";
    } else if (table.GetCount() == 0) {
        reason = "no colour table";
    }
    if (reason != nullptr) {
        arguments.messages.Say(path, reason);
    }
    return reason == nullptr;
}

// One line an entry: its number, red, green and blue, the colour as #RRGGBB and, where the pixels
// were counted, how many use it; then how many pixels name no entry, where any do.
std::string ListEntries(const ColorTable& table, const PixelUsage* usage, int unusedOnly) {
    std::string out;
    for (uint32_t i = 0; i < table.GetCount(); ++i) {
        const uint64_t uses = usage != nullptr && i < kIndexedEntries ? usage->perEntry[i] : 0;
        if (unusedOnly && uses != 0) {
            continue;
        }
        const uint8_t* e = table.GetEntry(i);
        char line[80];
        int length =
            snprintf(line, sizeof line, "%5u  %3u %3u %3u  #%02X%02X%02X", i, e[0], e[1], e[2], e[0], e[1], e[2]);
        if (usage != nullptr) {
            length += snprintf(line + length, sizeof line - static_cast<size_t>(length), "  %" PRIu64, uses);
        }
        out.append(line, static_cast<size_t>(length)).append("\n");
    }
    if (usage != nullptr && !unusedOnly && usage->beyondTable != 0) {
        out += "beyond the table: " + std::to_string(usage->beyondTable) + "\n";
    }
    return out;
}

}  // namespace

int ApplyPalette(const PaletteToolArguments& arguments) {
    ColorTable palette;
    if (!LoadTable(arguments, arguments.files[0], palette)) {
        return kExitNotDone;
    }
    int status = 0;
    // Every file is staged first, so that one flush of the disk serves them all.
    ReplacingBatch batch;
    std::vector<std::pair<const char*, std::string>> staged;
    for (size_t i = 1; i < arguments.files.size(); ++i) {
        const char* path = arguments.files[i];
        const std::string target = arguments.output != nullptr ? PathInFolder(arguments.output, path) : path;
        std::string reason;
        if (batch.Holds(target.c_str())) {
            // Two files of one name into one folder: the first keeps its place.
            arguments.messages.Say(path, "goes to " + target + ", which a file before it already goes to");
            status = kExitNotDone;
        } else if (PutTableIntoBitmapFile(path, target.c_str(), palette, batch, &reason)) {
            staged.emplace_back(path, target);
        } else {
            arguments.messages.Say(path, reason);
            status = kExitNotDone;
        }
    }
    const std::vector<int> replaced = batch.Commit();
    for (size_t i = 0; i < replaced.size(); ++i) {
        if (!replaced[i]) {
            arguments.messages.Say(staged[i].first, CannotWrite(staged[i].second));
            status = kExitNotDone;
        }
    }
    return status;
}

int ExtractPalette(const PaletteToolArguments& arguments) {
    const char* path = arguments.files[0];
    InputFile file;
    ColorTable table;
    ReadRefusal refusal = {ReadRefusal::kCannotOpen};
    if (!file.Open(path) || !BitmapImage::ReadColorTableOnly(file, table, &refusal)) {
        arguments.messages.Say(path, RefusalLine(refusal));
        return kExitNotDone;
    }
    return WritePaletteFile(table, arguments.format, arguments.output, arguments.messages, path);
}

int ConvertPalette(const PaletteToolArguments& arguments) {
    ColorTable table;
    if (!LoadTable(arguments, arguments.files[0], table)) {
        return kExitNotDone;
    }
    return WritePaletteFile(table, arguments.format, arguments.files[1], arguments.messages, arguments.files[0]);
}

// A bitmap with its pixels, counted where they are indices; any other file as a palette.
int ShowPalette(const PaletteToolArguments& arguments) {
    const char* path = arguments.files[0];
    BitmapImage image;
    ColorTable table;
    PixelUsage usage;
    int counted = 0;
    if (image.Load(nullptr, path)) {
        if (!image.GetColorTable(table)) {
            arguments.messages.Say(path, "no colour table");
            return kExitNotDone;
        }
        counted = CountPixelUsage(image, table.GetCount(), &usage);
    } else if (!LoadTable(arguments, path, table)) {
        return kExitNotDone;
    }
    if (arguments.unusedOnly && !counted) {
        arguments.messages.Say(path, "no pixels index its colour table");
        return kExitNotDone;
    }
    const std::string list = ListEntries(table, counted ? &usage : nullptr, arguments.unusedOnly);
    if (!WriteStdout(list.data(), list.size())) {
        arguments.messages.Say(nullptr, "cannot write the list");
        return kExitOutputFailed;
    }
    return 0;
}
