// korvane-report: prints the header report of one bitmap file, byte for byte as the viewer
// shows it (code page 932, CR LF), or converted to UTF-8 for today's terminals.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "model/palette_file.h"
#include "tools/console_output.h"
#include "tools/text_encoding.h"
#include "views/header_report.h"
#include "views/plain_string.h"

namespace {

constexpr int kExitLoadFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitOutputFailed = 3;
constexpr char kPathLineStart[] = "    -- FileName --\r\n ";

int Usage() {
    fputs(
        "usage: korvane-report [--members] [--hex] [--utf8] FILE.bmp\n"
        "       korvane-report --palette jasc|riff|act|gpl FILE.bmp\n"
        "  --members  list the header members instead of the summary\n"
        "  --hex      list the header members in hexadecimal (implies --members)\n"
        "  --utf8     write UTF-8 instead of code page 932\n"
        "  --palette  write the colour table as a JASC-PAL, RIFF, Adobe (ACT) or GIMP palette\n"
        "exit status: 0 printed, 1 the file cannot be read as a bitmap (or, with --palette,\n"
        "has no colour table the format can hold), 2 bad usage, 3 the report cannot be\n"
        "converted or written\n",
        stderr);
    return kExitUsage;
}

int AppendUtf8(const char* cp932, size_t length, std::string& out) {
    PlainString converted;
    if (length > 0 && !Cp932ToUtf8(cp932, static_cast<int32_t>(length), converted)) {
        return 0;
    }
    out.append(converted.Data() ? converted.Data() : "", static_cast<size_t>(converted.Length()));
    return 1;
}

// The report's own text is code page 932; the path in it is taken over as it was given where
// the command line is not code page 932, so a UTF-8 file name comes out as it went in.
int ReportToUtf8(const char* text, const char* path, std::string& out) {
    size_t length = strlen(text);
    const char* pathLine = strstr(text, kPathLineStart);
    if (kCommandLineIsCp932 || pathLine == nullptr) {
        return AppendUtf8(text, length, out);
    }
    size_t pathStart = static_cast<size_t>(pathLine - text) + strlen(kPathLineStart);
    size_t pathEnd = pathStart + strlen(path);
    if (pathEnd > length || strncmp(text + pathStart, path, strlen(path)) != 0) {
        return AppendUtf8(text, length, out);
    }
    if (!AppendUtf8(text, pathStart, out)) {
        return 0;
    }
    out.append(path);
    return AppendUtf8(text + pathEnd, length - pathEnd, out);
}

int ParsePaletteFormat(const char* name, PaletteFormat* format) {
    const struct {
        const char* name;
        PaletteFormat format;
    } kNames[] = {{"jasc", PaletteFormat::kJasc},
                  {"riff", PaletteFormat::kRiff},
                  {"act", PaletteFormat::kAct},
                  {"gpl", PaletteFormat::kGpl}};
    for (const auto& known : kNames) {
        if (strcmp(name, known.name) == 0) {
            *format = known.format;
            return 1;
        }
    }
    return 0;
}

// The image's colour table as a palette file on standard output, bytes as they are.
int PrintPalette(const BitmapImage& image, const char* path, PaletteFormat format) {
    ColorTable table;
    std::vector<uint8_t> bytes;
    if (!image.GetColorTable(table)) {
        fprintf(stderr, "korvane-report: %s: no colour table\n", path);
        return kExitLoadFailed;
    }
    if (!EncodePalette(table, format, &bytes)) {
        fprintf(stderr, "korvane-report: %s: that palette format cannot hold its %u colours\n", path, table.GetCount());
        return kExitLoadFailed;
    }
    if (!WriteStdout(reinterpret_cast<const char*>(bytes.data()), bytes.size())) {
        fprintf(stderr, "korvane-report: cannot write the palette\n");
        return kExitOutputFailed;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    ReportOptions options = {0, 0, 0};
    int utf8 = 0;
    const char* path = nullptr;
    int optionsEnded = 0;
    int palette = 0;
    PaletteFormat paletteFormat = PaletteFormat::kJasc;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!optionsEnded && arg[0] == '-' && arg[1] != '\0') {
            if (strcmp(arg, "--members") == 0) {
                options.textOption = 1;
            } else if (strcmp(arg, "--hex") == 0) {
                options.textOption = 1;
                options.notation = 1;
            } else if (strcmp(arg, "--utf8") == 0) {
                utf8 = 1;
            } else if (strcmp(arg, "--palette") == 0) {
                if (++i == argc || !ParsePaletteFormat(argv[i], &paletteFormat)) {
                    return Usage();
                }
                palette = 1;
            } else if (strcmp(arg, "--") == 0) {
                optionsEnded = 1;
            } else {
                return Usage();
            }
        } else if (!path) {
            path = arg;
        } else {
            return Usage();
        }
    }
    if (!path) {
        return Usage();
    }

    // Native surfaces need no drawing context, and on Windows a DIB section made with
    // DIB_RGB_COLORS does not use one either.
    BitmapImage image;
    if (!image.Load(nullptr, path)) {
        fprintf(stderr, "korvane-report: %s: cannot be read as an uncompressed bitmap file: %s\n", path,
                DescribeRefusal(image.GetRefusal()).c_str());
        return kExitLoadFailed;
    }

    if (palette) {
        return PrintPalette(image, path, paletteFormat);
    }

    HeaderReport report;
    const char* text = report.Refresh(&image, path, options);
    text = text ? text : "";
    size_t length = strlen(text);
    std::string converted;
    if (utf8) {
        if (!ReportToUtf8(text, path, converted)) {
            fprintf(stderr, "korvane-report: the report could not be converted to UTF-8\n");
            return kExitOutputFailed;
        }
        text = converted.c_str();
        length = converted.size();
    }
    if (!WriteStdout(text, length)) {
        fprintf(stderr, "korvane-report: cannot write the report\n");
        return kExitOutputFailed;
    }
    return 0;
}
