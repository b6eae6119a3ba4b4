#include "views/header_report.h"

#include <cstdio>
#include <cstring>

#include "model/bitmap_image.h"
#include "model/bmp_format.h"
#include "model/file_io.h"
#include "views/text_builder.h"

namespace {

// Capacities of the two forms without the path. The path's length is added on top, which
// leaves room for every line of either form whatever the values and the path.
constexpr uint32_t kSummaryCapacity = 570;
constexpr uint32_t kMemberListCapacity = 650;
constexpr uint32_t kLineBufferSize = 100;

uint32_t PathCapacity(const char* path, uint32_t base) {
    size_t length = strlen(path);
    return length <= UINT32_MAX - base ? base + static_cast<uint32_t>(length) : base;
}

void AppendPathBlock(TextBuilder& builder, const char* path) {
    builder.Append("    -- FileName --", 1);
    builder.Append(" ", 0);
    builder.Append(path, 1);
    builder.AppendLineBreak();
}

void AppendNumber(TextBuilder& builder, const char* format, uint32_t value) {
    char line[kLineBufferSize];
    // wsprintfA prints "%d" from the 32-bit pattern: values above INT32_MAX show negative.
    snprintf(line, sizeof(line), format, AsSigned32(value));
    builder.Append(line, 1);
}

const char* KindFormat(uint16_t bitCount) {
    switch (bitCount) {
        case 1:
            return "2色 (%dbpp)";
        case 2:
            return "4色 (%dbpp)";
        case 4:
            return "16色 (%dbpp)";
        case 8:
            return "256色 (%dbpp)";
        case 24:
            return "フルカラー (%dbpp)";
        default:
            return nullptr;
    }
}

// One member-list line: the label up to and including "= ", then the value in the notation.
void AppendField(TextBuilder& builder, const char* label, uint32_t value, uint32_t notation) {
    char line[kLineBufferSize];
    if (notation == 0) {
        snprintf(line, sizeof(line), "%s%d", label, AsSigned32(value));
    } else {
        snprintf(line, sizeof(line), "%s0x%04X", label, static_cast<unsigned>(value));
    }
    builder.Append(line, 1);
}

// The stored file header as read, or for a created image the one Save writes.
FileHeaderFields FileHeaderOf(const BitmapImage& image) {
    uint8_t bytes[kFileHeaderSize] = {};
    image.HasFileHeader() ? image.GetHeaders(bytes, nullptr) : image.GetFileHeaderAsSaved(bytes);
    return DecodeFileHeader(bytes);
}

InfoHeaderFields InfoHeaderOf(const BitmapImage& image) {
    uint8_t bytes[kInfoHeaderSize] = {};
    image.GetHeaders(nullptr, bytes);
    return DecodeInfoHeader(bytes);
}

}  // namespace

HeaderReport::HeaderReport(FileSizeQuery querySize) : querySize_(querySize ? querySize : QueryFileSize) {}

const char* HeaderReport::Refresh(const BitmapImage* image, const char* path, const ReportOptions& options) {
    if (!image || options.viewData == 1) {
        return nullptr;
    }
    PlainString* cache;
    if (options.textOption == 0) {
        cache = &summary_;
        if (cache->Length() == 0) {
            BuildSummary(*image, path, *cache);
        }
    } else if (options.textOption == 1) {
        cache = &memberList_;
        if (cache->Length() == 0) {
            BuildMemberList(*image, path, options.notation, *cache);
        }
    } else {
        return nullptr;
    }
    // A form that could not be built shows as the empty text.
    return cache->Data() ? cache->Data() : "";
}

void HeaderReport::EmptyBoth() {
    summary_.Release();
    memberList_.Release();
}

void HeaderReport::EmptyMemberList() {
    memberList_.Release();
}

void HeaderReport::BuildSummary(const BitmapImage& image, const char* path, PlainString& out) const {
    if (!path) {
        path = "";
    }
    InfoHeaderFields info = InfoHeaderOf(image);
    uint32_t colorCount = image.GetColorCount();
    uint32_t imageSize = image.GetImageSize();
    // 32-bit sums: the model refuses images whose file size does not fit 32 bits.
    uint32_t colorTableBytes = 4 * colorCount;
    uint32_t computedSize = imageSize + colorTableBytes + kHeadersSize;
    // The low 32 bits of the size, as the Windows size query gives them; -1 for no file.
    int64_t actualSize = querySize_(path);
    uint32_t actualSize32 = actualSize < 0 ? UINT32_MAX : static_cast<uint32_t>(actualSize);

    TextBuilder builder;
    builder.Allocate(PathCapacity(path, kSummaryCapacity));
    builder.Append("  ==== Bitmap Information ====", 1);
    builder.AppendLineBreak();
    AppendPathBlock(builder, path);
    builder.Append("    -- 基本情報 --", 1);
    AppendNumber(builder, " 高さ   : %d px", HeightMagnitude(info.biHeight));
    AppendNumber(builder, " 幅     : %d px", static_cast<uint32_t>(info.biWidth));
    builder.Append(" 種類   : ", 0);
    const char* kind = KindFormat(info.biBitCount);
    if (kind) {
        AppendNumber(builder, kind, info.biBitCount);
    } else {
        builder.Append("不明", 1);
    }
    AppendNumber(builder, " 使用色 : %d色", colorCount);
    builder.AppendLineBreak();
    builder.Append("    -- 拡張情報 --", 1);
    AppendNumber(builder, " 1ラインあたりのバイト数        : %d bytes", image.GetBytesPerLine());
    AppendNumber(builder, " 計算で求められるファイルサイズ : %d bytes", computedSize);
    AppendNumber(builder, " 実際のファイルサイズ           : %d bytes", actualSize32);
    builder.AppendLineBreak();
    builder.Append("    -- ファイルサイズの内訳 --", 1);
    builder.Append(" BITMAPFILEHEADER : 14 bytes", 1);
    builder.Append(" BITMAPINFOHEADER : 40 bytes", 1);
    AppendNumber(builder, " カラーテーブル   : %d bytes", colorTableBytes);
    AppendNumber(builder, " 実際の画像ビット : %d bytes", imageSize);
    builder.CopyInto(out);
}

void HeaderReport::BuildMemberList(const BitmapImage& image,
                                   const char* path,
                                   uint32_t notation,
                                   PlainString& out) const {
    if (!path) {
        path = "";
    }
    FileHeaderFields file = FileHeaderOf(image);
    InfoHeaderFields info = InfoHeaderOf(image);

    TextBuilder builder;
    builder.Allocate(PathCapacity(path, kMemberListCapacity));
    builder.Append("  ==== Original HeaderInfo ====", 1);
    builder.AppendLineBreak();
    AppendPathBlock(builder, path);
    builder.Append("    -- HeaderInformation --", 1);
    builder.Append(" BITMAPFILEHEADER", 1);
    AppendField(builder, "  .bfType      = ", file.bfType, notation);
    AppendField(builder, "  .bfSize      = ", file.bfSize, notation);
    AppendField(builder, "  .bfReserved1 = ", file.bfReserved1, notation);
    AppendField(builder, "  .bfReserved2 = ", file.bfReserved2, notation);
    AppendField(builder, "  .bfOffBits   = ", file.bfOffBits, notation);
    builder.Append(" BITMAPINFOHEADER", 1);
    AppendField(builder, "  .biSize          = ", info.biSize, notation);
    AppendField(builder, "  .biWidth         = ", static_cast<uint32_t>(info.biWidth), notation);
    AppendField(builder, "  .biHeight        = ", static_cast<uint32_t>(info.biHeight), notation);
    AppendField(builder, "  .biPlanes        = ", info.biPlanes, notation);
    AppendField(builder, "  .biBitCount      = ", info.biBitCount, notation);
    AppendField(builder, "  .biCompression   = ", info.biCompression, notation);
    AppendField(builder, "  .biSizeImage     = ", info.biSizeImage, notation);
    AppendField(builder, "  .biXPelsPerMeter = ", static_cast<uint32_t>(info.biXPelsPerMeter), notation);
    AppendField(builder, "  .biYPelsPerMeter = ", static_cast<uint32_t>(info.biYPelsPerMeter), notation);
    AppendField(builder, "  .biClrUsed       = ", info.biClrUsed, notation);
    AppendField(builder, "  .biClrImportant  = ", info.biClrImportant, notation);
    builder.CopyInto(out);
}
