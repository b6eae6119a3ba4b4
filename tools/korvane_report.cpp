// korvane-report: prints the header report of one bitmap file, byte for byte as the viewer
// shows it (code page 932, CR LF), or converted to UTF-8 for today's terminals.
#include <cstdio>
#include <cstring>

#include "model/bitmap_image.h"
#include "tools/console_output.h"
#include "tools/text_encoding.h"
#include "views/header_report.h"
#include "views/plain_string.h"

namespace {

constexpr int kExitLoadFailed = 1;
constexpr int kExitUsage = 2;

int Usage() {
    fputs(
        "usage: korvane-report [--members] [--hex] [--utf8] FILE.bmp\n"
        "  --members  list the header members instead of the summary\n"
        "  --hex      list the header members in hexadecimal (implies --members)\n"
        "  --utf8     write UTF-8 instead of code page 932\n",
        stderr);
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    ReportOptions options = {0, 0, 0};
    int utf8 = 0;
    const char* path = nullptr;
    int optionsEnded = 0;
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
        fprintf(stderr, "korvane-report: %s: cannot be read as an uncompressed bitmap file\n", path);
        return kExitLoadFailed;
    }

    HeaderReport report;
    const char* text = report.Refresh(&image, path, options);
    size_t length = text ? strlen(text) : 0;
    PlainString converted;
    if (utf8 && length > 0) {
        if (!Cp932ToUtf8(text, static_cast<int32_t>(length), converted)) {
            fprintf(stderr, "korvane-report: the report could not be converted to UTF-8\n");
            return kExitLoadFailed;
        }
        text = converted.Data();
        length = static_cast<size_t>(converted.Length());
    }
    if (!WriteStdout(text ? text : "", length)) {
        fprintf(stderr, "korvane-report: cannot write the report\n");
        return kExitLoadFailed;
    }
    return 0;
}
