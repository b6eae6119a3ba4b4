// A palette outside the image: N entries of the bytes R, G, B, 0.
#pragma once

#include <cstdint>

class ColorTable {
  public:
    ColorTable() = default;
    virtual ~ColorTable();
    ColorTable(const ColorTable&) = delete;
    ColorTable& operator=(const ColorTable&) = delete;

    void Clear();
    uint32_t GetCount() const { return count_; }
    // No range check: the caller keeps i below GetCount().
    uint8_t* GetEntry(uint32_t i) { return entries_ + 4 * static_cast<uint64_t>(i); }
    const uint8_t* GetEntry(uint32_t i) const { return entries_ + 4 * static_cast<uint64_t>(i); }
    uint8_t* GetEntries() { return entries_; }
    const uint8_t* GetEntries() const { return entries_; }

    // Palette-relative COLORREF 0x02BBGGRR; 0 when i is out of range.
    uint32_t GetColor(uint32_t i) const;
    // Keeps the low 8 bits of each component; 0 when i is out of range.
    int SetColor(uint32_t i, uint32_t r, uint32_t g, uint32_t b);

    // Each replaces the contents; 0, with the contents kept, when memory cannot be had.
    int Assign(const uint8_t* rgb0Entries, uint32_t n);
    int AssignFromRGBQuads(const uint8_t* quads, uint32_t n);
    int CopyFrom(const ColorTable& other);

  private:
    static uint8_t* Allocate(uint32_t n);
    int Adopt(uint8_t* fresh, uint32_t n);

    uint8_t* entries_ = nullptr;
    uint32_t count_ = 0;
};

// The first n entries of the table as a bitmap's RGBQUADs: blue, green, red, 0. The caller keeps
// n at most the table's count.
void WriteRGBQuads(const ColorTable& table, uint32_t n, uint8_t* quads);
