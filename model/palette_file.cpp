#include "model/palette_file.h"

#include <cctype>
#include <cstring>

#include "model/color_table.h"
#include "model/file_io.h"
#include "model/palette_formats.h"

namespace {

// Enough of the start of a file to tell every format: "GIMP Palette" and its CR LF, or a few
// blank lines before paint.net's first colour.
constexpr uint32_t kDetectionBytes = 32;

// The file starts with text as its whole first line, ended by LF or CR LF.
int StartsWithLine(const uint8_t* bytes, uint64_t size, const char* text) {
    const uint64_t length = strlen(text);
    if (size <= length || memcmp(bytes, text, length) != 0) {
        return 0;
    }
    return bytes[length] == '\n' || (bytes[length] == '\r' && size > length + 1 && bytes[length + 1] == '\n');
}

int NameEndsWith(const char* name, const char* extension) {
    const size_t length = strlen(name);
    const size_t extensionLength = strlen(extension);
    if (length < extensionLength) {
        return 0;
    }
    const char* tail = name + length - extensionLength;
    for (size_t i = 0; i < extensionLength; ++i) {
        if (tolower(static_cast<unsigned char>(tail[i])) != extension[i]) {
            return 0;
        }
    }
    return 1;
}

// Judged from the first kDetectionBytes (or all, when fewer), the size of the whole file and its
// name, so a reader can tell the format, and with it the largest size allowed, before reading on.
// The marks of their own come first; then an Adobe table by its name, ahead of paint.net's loose
// mark, since its first colour may spell anything ("BM", ";"): a table written here must read
// back. Whoever also reads bitmaps tries a bitmap first.
int DetectFromStart(const uint8_t* start,
                    uint64_t startSize,
                    uint64_t fileSize,
                    const char* name,
                    PaletteFormat* format) {
    if (StartsWithLine(start, startSize, "JASC-PAL")) {
        *format = PaletteFormat::kJasc;
    } else if (StartsWithLine(start, startSize, "GIMP Palette")) {
        *format = PaletteFormat::kGpl;
    } else if (startSize >= 12 && memcmp(start, "RIFF", 4) == 0 && memcmp(start + 8, "PAL ", 4) == 0) {
        *format = PaletteFormat::kRiff;
    } else if ((fileSize == kActFileSize || fileSize == kActFileSizeWithCount) && NameEndsWith(name, ".act")) {
        *format = PaletteFormat::kAct;
    } else if (StartsAsPaintNetPalette(start, static_cast<size_t>(startSize))) {
        *format = PaletteFormat::kPaintNet;
    } else if (NameEndsWith(name, ".hex")) {
        *format = PaletteFormat::kHex;
    } else if (NameEndsWith(name, ".txt")) {
        *format = PaletteFormat::kPaintNet;
    } else {
        return 0;
    }
    return 1;
}

uint64_t LargestFile(PaletteFormat format) {
    switch (format) {
        case PaletteFormat::kJasc:
        case PaletteFormat::kGpl:
        case PaletteFormat::kHex:
        case PaletteFormat::kPaintNet:
            return kLargestTextPaletteFile;
        case PaletteFormat::kRiff:
            return kLargestRiffPaletteFile;
        case PaletteFormat::kAct:
            break;
    }
    return kActFileSizeWithCount;
}

int Decode(PaletteFormat format, const std::vector<uint8_t>& file, std::vector<uint8_t>* entries) {
    switch (format) {
        case PaletteFormat::kJasc:
            return DecodeJascPalette(file.data(), file.size(), entries);
        case PaletteFormat::kGpl:
            return DecodeGplPalette(file.data(), file.size(), entries);
        case PaletteFormat::kRiff:
            return DecodeRiffPalette(file.data(), file.size(), entries);
        case PaletteFormat::kHex:
            return DecodeHexPalette(file.data(), file.size(), entries);
        case PaletteFormat::kPaintNet:
            return DecodePaintNetPalette(file.data(), file.size(), entries);
        case PaletteFormat::kAct:
            break;
    }
    return DecodeActPalette(file.data(), file.size(), entries);
}

int Encode(PaletteFormat format, const ColorTable& table, std::vector<uint8_t>* file) {
    switch (format) {
        case PaletteFormat::kJasc:
            EncodeJascPalette(table, file);
            return 1;
        case PaletteFormat::kGpl:
            EncodeGplPalette(table, file);
            return 1;
        case PaletteFormat::kHex:
            EncodeHexPalette(table, file);
            return 1;
        case PaletteFormat::kPaintNet:
            EncodePaintNetPalette(table, file);
            return 1;
        case PaletteFormat::kRiff:
            return EncodeRiffPalette(table, file);
        case PaletteFormat::kAct:
            break;
    }
    return EncodeActPalette(table, file);
}

}  // namespace

const char* PaletteExtension(PaletteFormat format) {
    constexpr const char* kExtensions[kPaletteFormatCount] = {"pal", "pal", "act", "gpl", "hex", "txt"};
    return kExtensions[static_cast<int>(format)];
}

int DetectPaletteFormat(const uint8_t* bytes, uint64_t size, const char* name, PaletteFormat* format) {
    return DetectFromStart(bytes, size < kDetectionBytes ? size : kDetectionBytes, size, name, format);
}

int ReadPalette(ByteSource& file, const char* name, ColorTable& table) {
    const uint64_t size = file.Size();
    const uint32_t startSize = size < kDetectionBytes ? static_cast<uint32_t>(size) : kDetectionBytes;
    uint8_t start[kDetectionBytes];
    PaletteFormat format;
    if (file.Read(start, startSize) != startSize || !DetectFromStart(start, startSize, size, name, &format) ||
        size > LargestFile(format)) {
        return 0;
    }
    // Within the format's largest size, so the rest can be read whole.
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    memcpy(bytes.data(), start, startSize);
    const uint32_t restSize = static_cast<uint32_t>(size - startSize);
    std::vector<uint8_t> entries;
    if (file.Read(bytes.data() + startSize, restSize) != restSize || !Decode(format, bytes, &entries) ||
        entries.empty() || entries.size() / 4 > kLargestPaletteEntries) {
        return 0;
    }
    return table.Assign(entries.data(), static_cast<uint32_t>(entries.size() / 4));
}

int LoadPalette(const char* path, ColorTable& table) {
    InputFile file;
    return file.Open(path) && ReadPalette(file, path, table);
}

int EncodePalette(const ColorTable& table, PaletteFormat format, std::vector<uint8_t>* bytes) {
    if (table.GetCount() == 0 || table.GetCount() > kLargestPaletteEntries) {
        return 0;
    }
    std::vector<uint8_t> file;
    if (!Encode(format, table, &file)) {
        return 0;
    }
    bytes->swap(file);
    return 1;
}

int SavePalette(const char* path, const ColorTable& table, PaletteFormat format) {
    std::vector<uint8_t> bytes;
    if (!EncodePalette(table, format, &bytes)) {
        return 0;
    }
    // Within 32 bits: the largest file written is the text of 65536 entries.
    const WriteChunk chunk = {bytes.data(), static_cast<uint32_t>(bytes.size())};
    return WriteFileReplacing(path, 1, &chunk, 1);
}
