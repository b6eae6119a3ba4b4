// File access the model needs, behind one seam: Win32 calls on Windows (file_io_win.cpp),
// POSIX calls elsewhere (file_io_posix.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/byte_source.h"

// A file opened for reading front to back (with skips), others may read it meanwhile.
class InputFile : public ByteSource {
  public:
    InputFile() = default;
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    int Open(const char* path);
    void Close();
    uint32_t Read(void* destination, uint32_t count) override;
    uint64_t Size() const override { return size_; }
    int Skip(uint64_t count) override;

  private:
    // A batch copies the rest of a file to a temporary in the kernel where it can.
    friend class ReplacingBatch;
    intptr_t handle_ = -1;
    uint64_t size_ = 0;
};

int PathExists(const char* path);

// The size in bytes of the file at path, or -1 when it cannot be opened.
int64_t QueryFileSize(const char* path);

struct WriteChunk {
    const void* data;
    uint32_t size;
};

// Writes the chunks, in order, as the whole content of path. The data goes to a temporary
// file in the same folder first, which replaces the target only when every byte was written,
// so a failure leaves any existing file as it was. With overwrite 0 an existing file is
// refused untouched. 1 on success, 0 on failure.
int WriteFileReplacing(const char* path, int overwrite, const WriteChunk* chunks, int chunkCount);

// Many files, each replaced as WriteFileReplacing replaces one, with one flush of the disks for
// all of them where the system offers it (one a file elsewhere): Stage writes a file's temporary
// whole beside its target; Commit makes every staged temporary durable, then lets each replace
// its target. Temporaries never committed are removed.
class ReplacingBatch {
  public:
    ReplacingBatch();
    ~ReplacingBatch();
    ReplacingBatch(const ReplacingBatch&) = delete;
    ReplacingBatch& operator=(const ReplacingBatch&) = delete;

    // 1 when the temporary holds the chunks whole, then the next restSize bytes of rest (from
    // where its reading stands) when it is given; 0, with nothing left behind, for a target that
    // may not be replaced, a write that failed or a rest that ended early.
    int Stage(const char* path,
              const WriteChunk* chunks,
              int chunkCount,
              InputFile* rest = nullptr,
              uint64_t restSize = 0);
    // 1 when a file staged since the last commit goes to path (the same file by another name
    // included), which a second staging would replace.
    int Holds(const char* path) const;
    // For each file staged since the last commit, in order: 1 when it replaced its target.
    std::vector<int> Commit();

  private:
    struct Staged;
    std::vector<std::unique_ptr<Staged>> staged_;
    // Each staged target as Holds compares them, so one look-up serves however many are staged.
    std::unordered_set<std::string> targetKeys_;
};
