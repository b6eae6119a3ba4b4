// korvane-palette: colour tables of many bitmaps from the command line. apply puts a palette into
// bitmaps, changing nothing else in them; extract, convert and show write or list one table.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "tools/korvane_palette_commands.h"
#include "tools/palette_output.h"

namespace {

constexpr int kExitUsage = 2;

int Usage(FILE* to, int status) {
    fputs(
        "usage: korvane-palette apply PALETTE FILE.bmp... [-o DIR]\n"
        "       korvane-palette extract FILE.bmp --format FORMAT [-o OUT]\n"
        "       korvane-palette convert IN OUT --format FORMAT\n"
        "       korvane-palette show [--unused] FILE\n"
        "  apply    put the palette's first entries into each bitmap's colour table, every other\n"
        "           byte kept; -o writes changed copies into DIR and leaves the originals alone\n"
        "  extract  write the bitmap's colour table as a palette file (standard output without -o)\n"
        "  convert  write the table of a palette file or bitmap as a palette file\n"
        "  show     list each entry: number, R G B, #RRGGBB and, for a bitmap of 1, 4 or 8 bits, how\n"
        "           many pixels use it; --unused lists only the entries no pixel uses\n"
        "  PALETTE, IN: a palette file (JASC-PAL, RIFF, Adobe .act, GIMP, Lospec .hex, paint.net)\n"
        "           or a bitmap, whose colour table is taken\n"
        "  FORMAT   " KORVANE_PALETTE_FORMAT_NAMES
        "\n"
        "  --utf8   write messages in UTF-8 instead of code page 932\n"
        "exit status: 0 done, 1 a file could not be read or written (apply still does the others),\n"
        "2 bad usage, 3 standard output cannot be written\n",
        to);
    return status;
}

// What a command takes besides --utf8: how many file names, and which options.
struct Command {
    const char* name;
    size_t leastFiles;
    size_t mostFiles;
    int needsFormat;
    int takesOutput;
    int takesUnused;
    int (*run)(const PaletteToolArguments&);
};

constexpr Command kCommands[] = {
    {"apply", 2, SIZE_MAX, 0, 1, 0, ApplyPalette},
    {"extract", 1, 1, 1, 1, 0, ExtractPalette},
    {"convert", 2, 2, 1, 0, 0, ConvertPalette},
    {"show", 1, 1, 0, 0, 1, ShowPalette},
};

const Command* FindCommand(const char* name) {
    for (const Command& command : kCommands) {
        if (strcmp(name, command.name) == 0) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const Command* command = argc > 1 ? FindCommand(argv[1]) : nullptr;
    if (argc > 1 && strcmp(argv[1], "--help") == 0) {
        return Usage(stdout, 0);
    }
    if (command == nullptr) {
        return Usage(stderr, kExitUsage);
    }
    PaletteToolArguments arguments;
    int hasFormat = 0;
    int optionsEnded = 0;
    for (int i = 2; i < argc; ++i) {
        const char* arg = argv[i];
        const int hasValue = i + 1 < argc;
        if (optionsEnded || arg[0] != '-' || arg[1] == '\0') {
            arguments.files.push_back(arg);
        } else if (strcmp(arg, "--") == 0) {
            optionsEnded = 1;
        } else if (strcmp(arg, "--help") == 0) {
            return Usage(stdout, 0);
        } else if (strcmp(arg, "--utf8") == 0) {
            arguments.messages.utf8 = 1;
        } else if (strcmp(arg, "--unused") == 0 && command->takesUnused) {
            arguments.unusedOnly = 1;
        } else if (strcmp(arg, "--format") == 0 && command->needsFormat && hasValue && !hasFormat &&
                   ParsePaletteFormat(argv[++i], &arguments.format)) {
            hasFormat = 1;
        } else if (strcmp(arg, "-o") == 0 && command->takesOutput && hasValue && arguments.output == nullptr) {
            arguments.output = argv[++i];
        } else {
            return Usage(stderr, kExitUsage);
        }
    }
    if (arguments.files.size() < command->leastFiles || arguments.files.size() > command->mostFiles ||
        hasFormat != command->needsFormat) {
        return Usage(stderr, kExitUsage);
    }
    return command->run(arguments);
}
