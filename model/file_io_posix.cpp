#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <string>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/file_copy.h"
#include "model/file_io.h"

namespace {

int WriteAll(int fd, const void* data, uint32_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return 0;
        }
        p += n;
        size -= static_cast<uint32_t>(n);
    }
    return 1;
}

// Creates a new file next to path that no other writer can be using.
int CreateTemporaryBeside(const std::string& path, std::string* tempPath) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        *tempPath = path + ".~kv" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        int fd = ::open(tempPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

InputFile::~InputFile() {
    Close();
}

int InputFile::Open(const char* path) {
    Close();
    // Without O_NONBLOCK, opening a FIFO would wait for a writer before the check below.
    int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return 0;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        return 0;
    }
    handle_ = fd;
    size_ = static_cast<uint64_t>(st.st_size);
    return 1;
}

void InputFile::Close() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
    }
    handle_ = -1;
    size_ = 0;
}

int InputFile::Skip(uint64_t count) {
    // The size is known, so a skip past the end is refused rather than left to the next read.
    off_t here = handle_ >= 0 ? ::lseek(static_cast<int>(handle_), 0, SEEK_CUR) : -1;
    if (here < 0 || count > size_ - static_cast<uint64_t>(here)) {
        return 0;
    }
    return ::lseek(static_cast<int>(handle_), static_cast<off_t>(count), SEEK_CUR) >= 0;
}

uint32_t InputFile::Read(void* destination, uint32_t count) {
    if (handle_ < 0) {
        return 0;
    }
    char* p = static_cast<char*>(destination);
    uint32_t done = 0;
    while (done < count) {
        ssize_t n = ::read(static_cast<int>(handle_), p + done, count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<uint32_t>(n);
    }
    return done;
}

int PathExists(const char* path) {
    struct stat st;
    return ::stat(path, &st) == 0;
}

int64_t QueryFileSize(const char* path) {
    struct stat st;
    if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode)) {
        return -1;
    }
    return static_cast<int64_t>(st.st_size);
}

namespace {

// What a temporary takes from another file after its chunks: the next size bytes of file, from
// where its reading stands (fd is the same file's descriptor).
struct FileRest {
    InputFile* file;
    int fd;
    uint64_t size;
};

// In the kernel where the system can, which spares copying the bytes through memory twice, each
// piece sent on to the disk as it is copied, so the flush at a commit has less left to wait for;
// through a buffer for whatever the kernel leaves (another file system, an older kernel).
int AppendRest(int fd, const FileRest& rest) {
    uint64_t left = rest.size;
#ifdef __linux__
    off_t written = ::lseek(fd, 0, SEEK_CUR);
    while (left > 0) {
        const ssize_t n = ::copy_file_range(rest.fd, nullptr, fd, nullptr, std::min<uint64_t>(left, 8 << 20), 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        ::sync_file_range(fd, written, n, SYNC_FILE_RANGE_WRITE);
        written += n;
        left -= static_cast<uint64_t>(n);
    }
#endif
    return CopyThroughBuffer(*rest.file, left,
                             [fd](const void* data, uint32_t size) { return WriteAll(fd, data, size); });
}

// Writes the chunks (then any rest) whole to a new temporary beside the file path names, flushed
// to the disk when asked; 1 with the target (a link followed) and the temporary, 0 with nothing
// left behind.
int WriteTemporary(const char* path,
                   int overwrite,
                   const WriteChunk* chunks,
                   int chunkCount,
                   const FileRest& rest,
                   int flush,
                   std::string* target,
                   std::string* temp) {
    *target = path;
    struct stat existing;
    bool exists = ::stat(path, &existing) == 0;
    if (exists) {
        // A file nobody may write is not replaced, as on Windows; a link is followed, so the
        // file it names gets the new content and the link stays.
        if (!overwrite || !S_ISREG(existing.st_mode) || (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return 0;
        }
        char resolved[PATH_MAX];
        if (::realpath(path, resolved) == nullptr) {
            return 0;
        }
        *target = resolved;
    }
    int fd = CreateTemporaryBeside(*target, temp);
    if (fd < 0) {
        return 0;
    }
    int ok = 1;
    for (int i = 0; ok && i < chunkCount; ++i) {
        ok = WriteAll(fd, chunks[i].data, chunks[i].size);
    }
    ok = ok && (rest.file == nullptr || AppendRest(fd, rest));
    // The new file keeps the permissions of the one it replaces.
    ok = ok && (!exists || ::fchmod(fd, existing.st_mode & 07777) == 0);
    ok = ok && (!flush || ::fsync(fd) == 0);
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temp->c_str());
    }
    return ok;
}

// The written temporary takes the target's place, or is removed.
int PutInPlace(const std::string& temp, const std::string& target, int overwrite) {
    if (!overwrite) {
        // link refuses an existing name, so a file that appeared meanwhile is not replaced.
        int ok = ::link(temp.c_str(), target.c_str()) == 0;
        ::unlink(temp.c_str());
        return ok;
    }
    int ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
    }
    return ok;
}

}  // namespace

int WriteFileReplacing(const char* path, int overwrite, const WriteChunk* chunks, int chunkCount) {
    std::string target;
    std::string temp;
    return WriteTemporary(path, overwrite, chunks, chunkCount, FileRest{}, 1, &target, &temp) &&
           PutInPlace(temp, target, overwrite);
}

struct ReplacingBatch::Staged {
    std::string temp;
    std::string target;
};

ReplacingBatch::ReplacingBatch() = default;

ReplacingBatch::~ReplacingBatch() {
    for (const auto& staged : staged_) {
        ::unlink(staged->temp.c_str());
    }
}

int ReplacingBatch::Stage(const char* path,
                          const WriteChunk* chunks,
                          int chunkCount,
                          InputFile* rest,
                          uint64_t restSize) {
    auto staged = std::make_unique<Staged>();
    const FileRest tail = {rest, rest != nullptr ? static_cast<int>(rest->handle_) : -1, restSize};
    if (!WriteTemporary(path, 1, chunks, chunkCount, tail, 0, &staged->target, &staged->temp)) {
        return 0;
    }
    targetKeys_.insert(staged->target);
    staged_.push_back(std::move(staged));
    return 1;
}

int ReplacingBatch::Holds(const char* path) const {
    // Resolved as a staging resolves it: an existing file through any link, a new one as named.
    char resolved[PATH_MAX];
    return targetKeys_.count(::realpath(path, resolved) != nullptr ? resolved : path) != 0;
}

// One sync, waited for, makes every temporary durable however many disks they are on.
std::vector<int> ReplacingBatch::Commit() {
    std::vector<int> replaced;
    if (!staged_.empty()) {
        ::sync();
    }
    for (const auto& staged : staged_) {
        replaced.push_back(PutInPlace(staged->temp, staged->target, 1));
    }
    staged_.clear();
    targetKeys_.clear();
    return replaced;
}
