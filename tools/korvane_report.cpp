// korvane-report: prints the header report of one bitmap file, byte for byte as the viewer
// shows it (code page 932, CR LF), or converted to UTF-8 for today's terminals; or its colour
// table as a palette file, or its headers as JSON for scripts.
#include <cstdio>
#include <cstring>
#include <string>

#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "model/file_io.h"
#include "tools/console_output.h"
#include "tools/korvane_report_json.h"
#include "tools/palette_output.h"
#include "tools/text_encoding.h"
#include "tools/tool_messages.h"
#include "views/header_report.h"

namespace {

constexpr int kExitLoadFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitOutputFailed = 3;
constexpr char kPathLineStart[] = "    -- FileName --\r\n ";

int Usage() {
    fputs(
        "usage: korvane-report [--members] [--hex] [--utf8] FILE.bmp\n"
        "       korvane-report --palette " KORVANE_PALETTE_FORMAT_NAMES
        " FILE.bmp\n"
        "       korvane-report --json FILE.bmp\n"
        "  --members  list the header members instead of the summary\n"
        "  --hex      list the header members in hexadecimal (implies --members)\n"
        "  --utf8     write UTF-8 instead of code page 932\n"
        "  --palette  write the colour table as a JASC-PAL, RIFF, Adobe (ACT), GIMP, Lospec HEX\n"
        "             or paint.net palette\n"
        "  --json     write the headers and the computed sizes as one JSON object (UTF-8)\n"
        "exit status: 0 printed, 1 the file cannot be read as a bitmap (or, with --palette,\n"
        "has no colour table the format can hold), 2 bad usage, 3 the report cannot be\n"
        "converted or written\n",
        stderr);
    return kExitUsage;
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

// The image's colour table as a palette file on standard output, bytes as they are.
int PrintPalette(const BitmapImage& image, const char* path, PaletteFormat format, const ToolMessages& messages) {
    ColorTable table;
    image.GetColorTable(table);  // an image without a table leaves it empty, which is refused
    return WritePaletteFile(table, format, nullptr, messages, path);
}

// The file name comes out in UTF-8 as the report's --utf8 would give it.
int PrintJson(const BitmapImage& image, const char* path, const ToolMessages& messages) {
    std::string name;
    if (!kCommandLineIsCp932 || !AppendUtf8(path, strlen(path), name)) {
        name = path;
    }
    const std::string json = BuildReportJson(image, name, QueryFileSize(path));
    if (!WriteStdout(json.data(), json.size())) {
        messages.Say(nullptr, "cannot write the report");
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
    int json = 0;
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
            } else if (strcmp(arg, "--json") == 0) {
                json = 1;
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
    // One output at a time: a report, a palette or JSON.
    if (!path || (json && (palette || options.textOption))) {
        return Usage();
    }
    const ToolMessages messages = {"korvane-report", utf8};

    // Native surfaces need no drawing context, and on Windows a DIB section made with
    // DIB_RGB_COLORS does not use one either.
    BitmapImage image;
    if (!image.Load(nullptr, path)) {
        messages.Say(path, RefusalLine(image.GetRefusal()));
        return kExitLoadFailed;
    }

    if (palette) {
        return PrintPalette(image, path, paletteFormat, messages);
    }
    if (json) {
        return PrintJson(image, path, messages);
    }

    HeaderReport report;
    const char* text = report.Refresh(&image, path, options);
    text = text ? text : "";
    size_t length = strlen(text);
    std::string converted;
    if (utf8) {
        if (!ReportToUtf8(text, path, converted)) {
            messages.Say(nullptr, "the report could not be converted to UTF-8");
            return kExitOutputFailed;
        }
        text = converted.c_str();
        length = converted.size();
    }
    if (!WriteStdout(text, length)) {
        messages.Say(nullptr, "cannot write the report");
        return kExitOutputFailed;
    }
    return 0;
}
