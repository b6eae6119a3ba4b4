#include "model/bitmap_image.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "model/bmp_format.h"
#include "model/checked_size.h"
#include "model/color_table.h"
#include "model/file_io.h"
#include "model/surface.h"

BitmapImage::~BitmapImage() {
    Clear();
}

void BitmapImage::Clear() {
    if (surface_ != nullptr) {
        DestroySurface(surface_);
    }
    surface_ = nullptr;
    bits_ = nullptr;
    delete[] fileHeader_;
    fileHeader_ = nullptr;
    delete[] info_;
    info_ = nullptr;
    colorCount_ = 0;
    imageSize_ = 0;
    bytesPerLine_ = 0;
}

void BitmapImage::GetHeaders(uint8_t* fileHeader, uint8_t* infoHeader) const {
    if (fileHeader != nullptr && fileHeader_ != nullptr) {
        std::memcpy(fileHeader, fileHeader_, kFileHeaderSize);
    }
    if (infoHeader != nullptr && info_ != nullptr) {
        std::memcpy(infoHeader, info_, kInfoHeaderSize);
    }
}

// Save writes the pixel bits right after the colour table. A stored header that put them
// elsewhere would describe another file: its offset and size are made to fit the written one.
void BitmapImage::GetFileHeaderAsSaved(uint8_t* fileHeader) const {
    if (info_ == nullptr) {
        return;
    }
    // Sizes were checked to fit 32 bits when the image was read or created. The made header is
    // not kept: the next save makes it again.
    const uint32_t offBits = kHeadersSize + 4 * colorCount_;
    if (fileHeader_ == nullptr) {
        FileHeaderFields f = {kBitmapType, offBits + imageSize_, 0, 0, offBits};
        EncodeFileHeader(f, fileHeader);
        return;
    }
    std::memcpy(fileHeader, fileHeader_, kFileHeaderSize);
    if (ReadLe32(fileHeader + kOffBfOffBits) != offBits) {
        WriteLe32(fileHeader + kOffBfOffBits, offBits);
        WriteLe32(fileHeader + kOffBfSize, offBits + imageSize_);
    }
}

int BitmapImage::GetSize(int32_t* width, int32_t* height) const {
    if (info_ == nullptr) {
        return 0;
    }
    *width = ReadLe32Signed(info_ + kOffBiWidth);
    // Heights of -2^31 never get this far: no surface can be made for them.
    *height = static_cast<int32_t>(HeightMagnitude(ReadLe32Signed(info_ + kOffBiHeight)));
    return 1;
}

int BitmapImage::GetColorTable(ColorTable& table) const {
    if (info_ == nullptr || colorCount_ == 0) {
        return 0;
    }
    return table.AssignFromRGBQuads(info_ + kInfoHeaderSize, colorCount_);
}

int BitmapImage::SetColorTable(uint32_t start, const ColorTable& table) {
    if (info_ == nullptr || colorCount_ == 0 || start >= colorCount_) {
        return 0;
    }
    uint32_t room = colorCount_ - start;
    uint32_t n = table.GetCount() < room ? table.GetCount() : room;
    uint8_t* quads = info_ + kInfoHeaderSize + 4 * static_cast<size_t>(start);
    // The bytes as they were, kept until the surface shows the new colours, so a failure undoes
    // the whole change.
    std::unique_ptr<uint8_t[]> previous(new (std::nothrow) uint8_t[4 * static_cast<size_t>(n)]);
    if (previous == nullptr) {
        return 0;
    }
    std::memcpy(previous.get(), quads, 4 * static_cast<size_t>(n));
    WriteRGBQuads(table, n, quads);
    // A new surface, where one is needed, takes no device context: its colours are its own.
    if (surface_ != nullptr && !MakeSurface(nullptr)) {
        std::memcpy(quads, previous.get(), 4 * static_cast<size_t>(n));
        return 0;
    }
    return 1;
}

// No index of 8 bits or fewer reaches beyond the first entries, so they are all a surface takes.
int BitmapImage::ShowColorTable(const ColorTable& table) {
    uint8_t quads[4 * kIndexedEntries];
    uint32_t n = std::min({table.GetCount(), colorCount_, kIndexedEntries});
    if (surface_ == nullptr || n == 0) {
        return 0;
    }
    WriteRGBQuads(table, n, quads);
    return SetSurfaceColorTable(surface_, quads, n);
}

int BitmapImage::ShowOwnColorTable() {
    return surface_ != nullptr && colorCount_ > 0 &&
           SetSurfaceColorTable(surface_, info_ + kInfoHeaderSize, colorCount_);
}

int BitmapImage::GetPixelIndex(int32_t x, int32_t y, uint32_t* index) const {
    int32_t width = 0;
    int32_t height = 0;
    if (bits_ == nullptr || !GetSize(&width, &height) || x < 0 || y < 0 || x >= width || y >= height) {
        return 0;
    }
    uint32_t bitCount = ReadLe16(info_ + kOffBiBitCount);
    if (bitCount > 8) {
        return 0;
    }
    int32_t row = ReadLe32Signed(info_ + kOffBiHeight) < 0 ? y : height - 1 - y;
    *index = ReadPixelIndex(bits_ + static_cast<size_t>(row) * bytesPerLine_, static_cast<size_t>(x), bitCount);
    return 1;
}

int BitmapImage::Create(DeviceContext dc, int32_t width, int32_t height, uint32_t bitsPerPixel, uint32_t colorCount) {
    Clear();
    uint32_t maxColors = bitsPerPixel == 1 ? 2 : bitsPerPixel == 4 ? 16 : bitsPerPixel == 8 ? 256 : 0;
    int countOk = bitsPerPixel == 24 ? colorCount == 0 : (colorCount >= 1 && colorCount <= maxColors);
    // The new-image dialog passes unsigned numbers; read as signed, anything above 2^31 - 1
    // is negative and refused like 0.
    if (!countOk || width <= 0 || height <= 0) {
        return 0;
    }
    BitmapSizes sizes;
    if (!ComputeBitmapSizes(width, height, bitsPerPixel, colorCount, &sizes)) {
        return 0;
    }
    uint32_t infoSize = kInfoHeaderSize + sizes.colorTableBytes;
    info_ = new (std::nothrow) uint8_t[infoSize]();
    if (info_ == nullptr) {
        return 0;
    }
    WriteLe32(info_ + kOffBiSize, kInfoHeaderSize);
    WriteLe32(info_ + kOffBiWidth, static_cast<uint32_t>(width));
    WriteLe32(info_ + kOffBiHeight, static_cast<uint32_t>(height));
    WriteLe16(info_ + kOffBiPlanes, 1);
    WriteLe16(info_ + kOffBiBitCount, static_cast<uint16_t>(bitsPerPixel));
    WriteLe32(info_ + kOffBiSizeImage, sizes.imageSize);
    WriteLe32(info_ + kOffBiClrUsed, colorCount);
    colorCount_ = colorCount;
    imageSize_ = sizes.imageSize;
    bytesPerLine_ = sizes.bytesPerLine;
    if (!MakeSurface(dc)) {
        Clear();
        return 0;
    }
    std::memset(bits_, 0, imageSize_);
    return 1;
}

int BitmapImage::Load(DeviceContext dc, const char* path) {
    InputFile file;
    if (!file.Open(path)) {
        Clear();
        return Refuse(&refusal_, ReadRefusal::kCannotOpen);
    }
    return Read(dc, file);  // the file closes when it goes out of scope
}

// Reads exactly count bytes or refuses the file.
int BitmapImage::ReadExactly(ByteSource& file, void* destination, uint32_t count) {
    uint32_t got = file.Read(destination, count);
    return got == count || Refuse(&refusal_, ReadRefusal::kShortRead, count, got);
}

// Steps up to the colour table: both headers checked, sizes computed and checked against
// what the file still holds, the info block allocated.
int BitmapImage::ReadHeaders(ByteSource& file) {
    uint8_t headers[kHeadersSize];
    if (file.Size() < kHeadersSize) {
        return Refuse(&refusal_, ReadRefusal::kTooShort, file.Size());
    }
    if (!ReadExactly(file, headers, kHeadersSize)) {
        return 0;
    }
    const uint8_t* info = headers + kFileHeaderSize;
    if (ReadLe16(headers + kOffBfType) != kBitmapType) {
        return Refuse(&refusal_, ReadRefusal::kNotBitmap, ReadLe16(headers + kOffBfType));
    }
    if (ReadLe32(info + kOffBiSize) != kInfoHeaderSize) {
        return Refuse(&refusal_, ReadRefusal::kInfoHeaderSize, ReadLe32(info + kOffBiSize));
    }
    if (ReadLe32(info + kOffBiCompression) != kCompressionRgb) {
        return Refuse(&refusal_, ReadRefusal::kCompression, ReadLe32(info + kOffBiCompression));
    }
    int32_t width = ReadLe32Signed(info + kOffBiWidth);
    int32_t height = ReadLe32Signed(info + kOffBiHeight);
    uint32_t bitCount = ReadLe16(info + kOffBiBitCount);
    // No surface takes these; naming them here says why better than its refusal would.
    if (!IsKnownBitCount(bitCount)) {
        return Refuse(&refusal_, ReadRefusal::kBitCount, bitCount);
    }
    if (width < 1) {
        return Refuse(&refusal_, ReadRefusal::kWidth, static_cast<uint32_t>(width));
    }
    if (height == 0) {
        return Refuse(&refusal_, ReadRefusal::kHeight);
    }
    uint32_t colorCount = ColorCountOnRead(ReadLe32(info + kOffBiClrUsed), bitCount);
    BitmapSizes sizes;
    if (!ComputeBitmapSizes(width, height, bitCount, colorCount, &sizes, &refusal_)) {
        return 0;
    }
    // A header may promise more than the file holds; refuse it before allocating anything
    // of the promised size.
    uint64_t remaining = file.Size() - kHeadersSize;
    if (sizes.colorTableBytes > remaining) {
        return Refuse(&refusal_, ReadRefusal::kTableBeyondFile, sizes.colorTableBytes, remaining);
    }
    if (sizes.imageSize > remaining - sizes.colorTableBytes) {
        return Refuse(&refusal_, ReadRefusal::kBitsBeyondFile, sizes.imageSize, remaining - sizes.colorTableBytes);
    }
    fileHeader_ = new (std::nothrow) uint8_t[kFileHeaderSize];
    info_ = new (std::nothrow) uint8_t[kInfoHeaderSize + sizes.colorTableBytes];
    if (fileHeader_ == nullptr || info_ == nullptr) {
        return Refuse(&refusal_, ReadRefusal::kNoMemory, uint64_t{kHeadersSize} + sizes.colorTableBytes);
    }
    std::memcpy(fileHeader_, headers, kFileHeaderSize);
    std::memcpy(info_, info, kInfoHeaderSize);
    colorCount_ = colorCount;
    imageSize_ = sizes.imageSize;
    bytesPerLine_ = sizes.bytesPerLine;
    return 1;
}

int BitmapImage::ReadHeadersAndTable(ByteSource& file) {
    Clear();
    refusal_ = ReadRefusal();
    return ReadHeaders(file) && ReadExactly(file, info_ + kInfoHeaderSize, 4 * colorCount_);
}

// The bits start at bfOffBits when it lies at or after the end of the table and all of them
// fit in the file from there; any other offset (0, inside the headers or the table, too far
// on) is taken to mean right after the table, where the headers were checked to fit them.
int BitmapImage::SkipToPixelBits(ByteSource& file) {
    const uint64_t tableEnd = kHeadersSize + 4 * uint64_t{colorCount_};
    const uint64_t offBits = ReadLe32(fileHeader_ + kOffBfOffBits);
    if (offBits <= tableEnd || offBits > file.Size() || imageSize_ > file.Size() - offBits) {
        return 1;
    }
    return file.Skip(offBits - tableEnd) || Refuse(&refusal_, ReadRefusal::kShortRead, offBits - tableEnd, 0);
}

int BitmapImage::Read(DeviceContext dc, ByteSource& file) {
    int ok = ReadHeadersAndTable(file) && SkipToPixelBits(file) &&
             (MakeSurface(dc) || Refuse(&refusal_, ReadRefusal::kNoSurface, imageSize_)) &&
             ReadExactly(file, bits_, imageSize_);
    if (!ok) {
        Clear();
    }
    return ok;
}

int BitmapImage::ReadColorTableOnly(ByteSource& file, ColorTable& table, ReadRefusal* refusal) {
    BitmapImage headers;
    if (!headers.ReadHeadersAndTable(file)) {
        return Refuse(refusal, headers.refusal_.kind, headers.refusal_.first, headers.refusal_.second);
    }
    if (headers.colorCount_ == 0) {
        table.Clear();
        return 1;
    }
    return headers.GetColorTable(table);
}

int BitmapImage::Save(const char* path, int overwrite) const {
    if (info_ == nullptr || bits_ == nullptr) {
        return 0;
    }
    uint8_t fileHeader[kFileHeaderSize];
    GetFileHeaderAsSaved(fileHeader);
    uint32_t infoSize = kInfoHeaderSize + 4 * colorCount_;
    WriteChunk chunks[] = {{fileHeader, kFileHeaderSize}, {info_, infoSize}, {bits_, imageSize_}};
    return WriteFileReplacing(path, overwrite, chunks, 3);
}

int BitmapImage::MakeSurface(DeviceContext dc) {
    if (info_ == nullptr) {
        return 0;
    }
    // Only the colours change after SetColorTable: an indexed surface takes them in place, with
    // no pixel copied. Any other surface is made again.
    if (surface_ != nullptr && SetSurfaceColorTable(surface_, info_ + kInfoHeaderSize, colorCount_)) {
        return 1;
    }
    uint8_t* newBits = nullptr;
    Surface* fresh = CreateSurface(dc, info_, kInfoHeaderSize + 4 * colorCount_, &newBits);
    if (fresh == nullptr || newBits == nullptr) {
        if (fresh != nullptr) {
            DestroySurface(fresh);
        }
        return 0;  // any old surface stays as it was
    }
    if (surface_ != nullptr) {
        std::memcpy(newBits, bits_, imageSize_);
        DestroySurface(surface_);
    }
    surface_ = fresh;
    bits_ = newBits;
    return 1;
}

void BitmapImage::Draw(DeviceContext dc, int x, int y) const {
    int32_t width;
    int32_t height;
    if (surface_ != nullptr && GetSize(&width, &height)) {
        DrawPart(dc, x, y, 0, 0, width, height);
    }
}

void BitmapImage::DrawPart(DeviceContext dc, int x, int y, int sourceX, int sourceY, int width, int height) const {
    if (surface_ != nullptr) {
        CopySurfaceToContext(surface_, dc, x, y, sourceX, sourceY, width, height);
    }
}
