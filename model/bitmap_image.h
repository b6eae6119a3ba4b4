// One bitmap in memory: the stored file header (for an image read from a file), the info
// block (40-byte header plus N RGBQUADs, as in the file) and a surface whose memory is the
// only copy of the pixel bits.
#pragma once

#include <cstdint>

#include "model/byte_source.h"
#include "model/device_context.h"
#include "model/read_refusal.h"

class ColorTable;
class Surface;

class BitmapImage {
  public:
    BitmapImage() = default;
    virtual ~BitmapImage();
    BitmapImage(const BitmapImage&) = delete;
    BitmapImage& operator=(const BitmapImage&) = delete;

    void Clear();

    uint32_t GetColorCount() const { return colorCount_; }
    uint32_t GetImageSize() const { return imageSize_; }
    uint32_t GetBytesPerLine() const { return bytesPerLine_; }
    Surface* GetSurface() const { return surface_; }
    // The pixel bits in the file's layout, or none.
    const uint8_t* GetBits() const { return bits_; }
    int HasFileHeader() const { return fileHeader_ != nullptr; }

    // Copies the stored file header (14 bytes) and the info header (40 bytes) into the
    // outputs that are given and whose source exists; the others are left untouched.
    void GetHeaders(uint8_t* fileHeader, uint8_t* infoHeader) const;
    // The 14 bytes Save writes first: the stored file header, or for an image made by Create one
    // made for it. Untouched without an info block.
    void GetFileHeaderAsSaved(uint8_t* fileHeader) const;
    // Width as held and the magnitude of the height; 0 without an info block.
    int GetSize(int32_t* width, int32_t* height) const;
    int GetColorTable(ColorTable& table) const;
    // Writes the table into the info block from slot start on and shows it on the surface: an
    // indexed surface takes the colours in place, any other is made anew with the pixels copied
    // over. 0, with the info block and the surface as they were, when that cannot be done.
    int SetColorTable(uint32_t start, const ColorTable& table);
    // Shows the table's entries on an indexed surface in place of the info block's, which stay
    // as they are, as do the pixels: a preview. ShowOwnColorTable shows the info block's again.
    // 0 for a surface without a colour table.
    int ShowColorTable(const ColorTable& table);
    int ShowOwnColorTable();
    // The colour-table index of pixel (x, y), counted from the top-left corner as the image
    // shows, whichever its row order. 0 outside the image or for more than 8 bits per pixel.
    int GetPixelIndex(int32_t x, int32_t y, uint32_t* index) const;

    int Create(DeviceContext dc, int32_t width, int32_t height, uint32_t bitsPerPixel, uint32_t colorCount);
    int Load(DeviceContext dc, const char* path);
    int Read(DeviceContext dc, ByteSource& file);
    // The colour table of a bitmap file, read with the same checks as Read but without its pixel
    // bits, which are neither read nor allocated; an image without a table gives an empty one.
    // Why a file was refused goes to refusal, where one is given.
    static int ReadColorTableOnly(ByteSource& file, ColorTable& table, ReadRefusal* refusal = nullptr);
    // Why the last Load or Read failed; kNone after one that succeeded.
    const ReadRefusal& GetRefusal() const { return refusal_; }
    int Save(const char* path, int overwrite) const;

    void Draw(DeviceContext dc, int x, int y) const;
    void DrawPart(DeviceContext dc, int x, int y, int sourceX, int sourceY, int width, int height) const;

  private:
    int ReadHeaders(ByteSource& file);
    int ReadHeadersAndTable(ByteSource& file);
    // Moves past any gap between the colour table and the pixel bits that the file header names.
    int SkipToPixelBits(ByteSource& file);
    // Brings the info block's colours to the surface: in place for an indexed one, otherwise by
    // making a new surface and copying the pixels over. On failure the old surface stays.
    int MakeSurface(DeviceContext dc);
    int ReadExactly(ByteSource& file, void* destination, uint32_t count);

    uint8_t* fileHeader_ = nullptr;
    uint8_t* info_ = nullptr;
    Surface* surface_ = nullptr;
    uint8_t* bits_ = nullptr;
    uint32_t colorCount_ = 0;
    uint32_t imageSize_ = 0;
    uint32_t bytesPerLine_ = 0;
    ReadRefusal refusal_;  // kept by Clear: a failed read clears the image and explains why
};
