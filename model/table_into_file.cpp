#include "model/table_into_file.h"

#include <memory>
#include <new>

#include "model/bitmap_image.h"
#include "model/bmp_format.h"
#include "model/color_table.h"
#include "model/file_io.h"

namespace {

int Fail(std::string* reason, const std::string& why) {
    *reason = why;
    return 0;
}

int Refused(std::string* reason, ReadRefusal::Kind kind, uint64_t first = 0, uint64_t second = 0) {
    return Fail(reason, "cannot be read as an uncompressed bitmap file: " + DescribeRefusal({kind, first, second}));
}

// The whole file in one block, which one write then takes. The headers the reader accepts never
// describe more than 32 bits of bytes, and anything after them larger than that is refused too.
int ReadWholeFile(const char* path, std::unique_ptr<uint8_t[]>* bytes, uint32_t* size, std::string* reason) {
    InputFile file;
    if (!file.Open(path)) {
        return Refused(reason, ReadRefusal::kCannotOpen);
    }
    if (file.Size() > UINT32_MAX) {
        return Fail(reason, "a file of " + std::to_string(file.Size()) + " bytes is more than a bitmap can be");
    }
    *size = static_cast<uint32_t>(file.Size());
    bytes->reset(new (std::nothrow) uint8_t[*size]);
    if (*bytes == nullptr) {
        return Fail(reason, "no memory for the file's " + std::to_string(*size) + " bytes");
    }
    const uint32_t got = file.Read(bytes->get(), *size);
    return got == *size || Refused(reason, ReadRefusal::kShortRead, *size, got);
}

}  // namespace

std::string CannotWrite(const std::string& target) {
    return "cannot be written to " + target + " (a read-only file, a full disk or no folder)";
}

int PutTableIntoBitmapFile(const char* path,
                           const char* target,
                           const ColorTable& table,
                           ReplacingBatch& batch,
                           std::string* reason) {
    std::unique_ptr<uint8_t[]> bytes;
    uint32_t size = 0;
    // The file is closed before it is replaced: Windows replaces no file that is open.
    if (!ReadWholeFile(path, &bytes, &size, reason)) {
        return 0;
    }
    MemorySource source(bytes.get(), size);
    ColorTable stored;
    ReadRefusal refusal;
    if (!BitmapImage::ReadColorTableOnly(source, stored, &refusal)) {
        return Refused(reason, refusal.kind, refusal.first, refusal.second);
    }
    const uint32_t count = stored.GetCount();
    if (count == 0) {
        return Fail(reason, "no colour table");
    }
    if (table.GetCount() < count) {
        return Fail(reason, "its colour table has " + std::to_string(count) + " entries; the palette only " +
                                std::to_string(table.GetCount()));
    }
    // The table always follows the two headers directly.
    WriteRGBQuads(table, count, bytes.get() + kHeadersSize);
    const WriteChunk chunk = {bytes.get(), size};
    return batch.Stage(target, &chunk, 1) || Fail(reason, CannotWrite(target));
}
