#include "model/table_into_file.h"

#include <algorithm>
#include <cstring>
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
    return Fail(reason, RefusalLine({kind, first, second}));
}

// Passes reads through, keeping the two headers at the file's start, which go back as they were.
class HeaderKeeper : public ByteSource {
  public:
    explicit HeaderKeeper(ByteSource& file) : file_(file) {}
    uint32_t Read(void* destination, uint32_t count) override {
        const uint32_t got = file_.Read(destination, count);
        const uint32_t kept = std::min(got, kHeadersSize - kept_);
        std::memcpy(headers_ + kept_, destination, kept);
        kept_ += kept;
        return got;
    }
    uint64_t Size() const override { return file_.Size(); }
    // The headers and the table are read end to end; a skip would lose bytes that go back.
    int Skip(uint64_t) override { return 0; }
    const uint8_t* Headers() const { return headers_; }

  private:
    ByteSource& file_;
    uint8_t headers_[kHeadersSize] = {};
    uint32_t kept_ = 0;
};

}  // namespace

std::string CannotWrite(const std::string& target) {
    return "cannot be written to " + target + " (a read-only file, a full disk or no folder)";
}

int PutTableIntoBitmapFile(const char* path,
                           const char* target,
                           const ColorTable& table,
                           ReplacingBatch& batch,
                           std::string* reason) {
    // Closed before the batch's commit replaces it: Windows replaces no file that is open.
    InputFile file;
    if (!file.Open(path)) {
        return Refused(reason, ReadRefusal::kCannotOpen);
    }
    HeaderKeeper source(file);
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
    // The table follows the two headers directly; the reading stands at its end, and everything
    // from there on is copied as it is.
    std::unique_ptr<uint8_t[]> quads(new (std::nothrow) uint8_t[4 * uint64_t{count}]);
    if (quads == nullptr) {
        return Fail(reason, "no memory for a table of " + std::to_string(count) + " entries");
    }
    WriteRGBQuads(table, count, quads.get());
    const WriteChunk chunks[] = {{source.Headers(), kHeadersSize}, {quads.get(), 4 * count}};
    const uint64_t rest = file.Size() - kHeadersSize - 4 * uint64_t{count};
    return batch.Stage(target, chunks, 2, &file, rest) || Fail(reason, CannotWrite(target));
}
