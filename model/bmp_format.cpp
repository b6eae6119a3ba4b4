#include "model/bmp_format.h"

#include "model/checked_size.h"
#include "model/read_refusal.h"

FileHeaderFields DecodeFileHeader(const uint8_t* b) {
    FileHeaderFields f;
    f.bfType = ReadLe16(b + kOffBfType);
    f.bfSize = ReadLe32(b + kOffBfSize);
    f.bfReserved1 = ReadLe16(b + kOffBfReserved1);
    f.bfReserved2 = ReadLe16(b + kOffBfReserved2);
    f.bfOffBits = ReadLe32(b + kOffBfOffBits);
    return f;
}

InfoHeaderFields DecodeInfoHeader(const uint8_t* b) {
    InfoHeaderFields f;
    f.biSize = ReadLe32(b + kOffBiSize);
    f.biWidth = ReadLe32Signed(b + kOffBiWidth);
    f.biHeight = ReadLe32Signed(b + kOffBiHeight);
    f.biPlanes = ReadLe16(b + kOffBiPlanes);
    f.biBitCount = ReadLe16(b + kOffBiBitCount);
    f.biCompression = ReadLe32(b + kOffBiCompression);
    f.biSizeImage = ReadLe32(b + kOffBiSizeImage);
    f.biXPelsPerMeter = ReadLe32Signed(b + kOffBiXPelsPerMeter);
    f.biYPelsPerMeter = ReadLe32Signed(b + kOffBiYPelsPerMeter);
    f.biClrUsed = ReadLe32(b + kOffBiClrUsed);
    f.biClrImportant = ReadLe32(b + kOffBiClrImportant);
    return f;
}

void EncodeFileHeader(const FileHeaderFields& f, uint8_t* b) {
    WriteLe16(b + kOffBfType, f.bfType);
    WriteLe32(b + kOffBfSize, f.bfSize);
    WriteLe16(b + kOffBfReserved1, f.bfReserved1);
    WriteLe16(b + kOffBfReserved2, f.bfReserved2);
    WriteLe32(b + kOffBfOffBits, f.bfOffBits);
}

uint32_t HeightMagnitude(int32_t height) {
    // Negate in unsigned arithmetic: -INT32_MIN is undefined for int32_t.
    return height < 0 ? 0u - static_cast<uint32_t>(height) : static_cast<uint32_t>(height);
}

int ComputeBytesPerLine(int32_t width, uint32_t bitCount, uint32_t* bytesPerLine) {
    if (width < 0) {
        return 0;
    }
    // width < 2^31 and bitCount < 2^32, so the 64-bit product plus 31 cannot overflow.
    uint64_t bits = static_cast<uint64_t>(width) * bitCount + 31;
    uint64_t bytes = bits / 32 * 4;
    if (bytes > UINT32_MAX) {
        return 0;
    }
    *bytesPerLine = static_cast<uint32_t>(bytes);
    return 1;
}

uint32_t ColorCountOnRead(uint32_t biClrUsed, uint32_t bitCount) {
    if (biClrUsed != 0) {
        return biClrUsed;
    }
    return bitCount < 16 ? (1u << bitCount) : 0;
}

int ComputeBitmapSizes(int32_t width,
                       int32_t height,
                       uint32_t bitCount,
                       uint32_t colorCount,
                       BitmapSizes* sizes,
                       ReadRefusal* refusal) {
    BitmapSizes s;
    uint32_t rows = HeightMagnitude(height);
    if (!ComputeBytesPerLine(width, bitCount, &s.bytesPerLine)) {
        return Refuse(refusal, ReadRefusal::kRowTooLong, static_cast<uint32_t>(width), bitCount);
    }
    if (!CheckedMul32(s.bytesPerLine, rows, &s.imageSize)) {
        return Refuse(refusal, ReadRefusal::kImageTooLarge, s.bytesPerLine, rows);
    }
    if (!CheckedMul32(colorCount, 4, &s.colorTableBytes)) {
        return Refuse(refusal, ReadRefusal::kEntryCount, colorCount);
    }
    uint32_t headersAndTable;
    if (!CheckedAdd32(kHeadersSize, s.colorTableBytes, &headersAndTable) ||
        !CheckedAdd32(headersAndTable, s.imageSize, &s.fileSize)) {
        return Refuse(refusal, ReadRefusal::kFileTooLarge, s.colorTableBytes, s.imageSize);
    }
    *sizes = s;
    return 1;
}
