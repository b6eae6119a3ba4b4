#include <windows.h>

#include <memory>
#include <string>

#include "model/file_copy.h"
#include "model/file_io.h"

namespace {

// "~kv" and four hexadecimal digits, then ".tmp".
constexpr size_t kTemporaryNameLength = 11;

HANDLE AsHandle(intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}

int WriteAll(HANDLE file, const void* data, uint32_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(file, p, size, &written, nullptr) || written == 0) {
            return 0;
        }
        p += written;
        size -= written;
    }
    return 1;
}

// Length of the folder part of path, separator included. Wide characters, so no trail byte of
// a double-byte character is taken for a separator.
size_t FolderLength(const std::wstring& path) {
    size_t separator = path.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

// The absolute form of path, in wide characters from the process code page; empty when path is
// no text in that code page or has no absolute form.
std::wstring AbsolutePath(const char* path) {
    int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
    std::wstring given(n > 1 ? static_cast<size_t>(n) : 1, L'\0');
    if (n <= 1 || !MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, &given[0], n)) {
        return std::wstring();
    }
    DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    DWORD length = size != 0 ? GetFullPathNameW(given.c_str(), size, &full[0], nullptr) : 0;
    full.resize(length < size ? length : 0);
    return full;
}

// The target as the writing calls take it: absolute, and where it or a temporary beside it would
// not fit the classic MAX_PATH limit, in the long-path form (\\?\C:\... on a drive,
// \\?\UNC\server\share\... on a share), which only the wide calls accept. Either way the
// temporary goes in the target's folder, so the replace stays on one volume. Empty on failure.
std::wstring WritingPath(const char* path) {
    std::wstring full = AbsolutePath(path);
    if (full.size() < MAX_PATH && FolderLength(full) + kTemporaryNameLength < MAX_PATH) {
        return full;
    }
    if (full.size() > 2 && full[1] == L':' && full[2] == L'\\') {
        return L"\\\\?\\" + full;
    }
    if (full.size() > 2 && full.compare(0, 2, L"\\\\") == 0 && full[2] != L'?' && full[2] != L'.') {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return std::wstring();
}

// Creates a new file beside target that no other writer can be using; temp receives its path.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring* temp) {
    size_t folder = FolderLength(target);
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        wchar_t name[kTemporaryNameLength + 1];
        wsprintfW(name, L"~kv%04X.tmp", (GetTickCount() + attempt * 7919) & 0xFFFF);
        *temp = target.substr(0, folder) + name;
        HANDLE h = CreateFileW(temp->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_ARCHIVE, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return h;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// An existing target is replaced keeping its attributes and security; a new one is moved in.
int ReplaceTarget(const std::wstring& temp, const std::wstring& target) {
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) !=
               0;
    }
    return MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

InputFile::~InputFile() {
    Close();
}

int InputFile::Open(const char* path) {
    Close();
    HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return 0;
    }
    // Only files on disk: devices and pipes have no size to check a header against.
    LARGE_INTEGER size;
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileSizeEx(h, &size)) {
        CloseHandle(h);
        return 0;
    }
    handle_ = reinterpret_cast<intptr_t>(h);
    size_ = static_cast<uint64_t>(size.QuadPart);
    return 1;
}

void InputFile::Close() {
    if (handle_ != -1) {
        CloseHandle(AsHandle(handle_));
    }
    handle_ = -1;
    size_ = 0;
}

int InputFile::Skip(uint64_t count) {
    LARGE_INTEGER here = {};
    if (handle_ == -1 || !SetFilePointerEx(AsHandle(handle_), here, &here, FILE_CURRENT) ||
        count > size_ - static_cast<uint64_t>(here.QuadPart)) {
        return 0;
    }
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(count);
    return SetFilePointerEx(AsHandle(handle_), distance, nullptr, FILE_CURRENT) != 0;
}

uint32_t InputFile::Read(void* destination, uint32_t count) {
    if (handle_ == -1) {
        return 0;
    }
    char* p = static_cast<char*>(destination);
    uint32_t done = 0;
    while (done < count) {
        DWORD got = 0;
        if (!ReadFile(AsHandle(handle_), p + done, count - done, &got, nullptr) || got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

int PathExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

int64_t QueryFileSize(const char* path) {
    // No data access and no sharing are asked for: only the size is wanted.
    HANDLE h = CreateFileA(path, 0, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_READONLY, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return -1;
    }
    LARGE_INTEGER size;
    int64_t result = GetFileSizeEx(h, &size) ? static_cast<int64_t>(size.QuadPart) : -1;
    CloseHandle(h);
    return result;
}

namespace {

// Writes the chunks, then the next restSize bytes of rest when it is given, whole and flushed to
// a new temporary beside the file path names; 1 with the target in its writing form and the
// temporary, 0 with nothing left behind.
int WriteTemporary(const char* path,
                   int overwrite,
                   const WriteChunk* chunks,
                   int chunkCount,
                   InputFile* rest,
                   uint64_t restSize,
                   std::wstring* target,
                   std::wstring* temp) {
    *target = WritingPath(path);
    if (target->empty() || (!overwrite && GetFileAttributesW(target->c_str()) != INVALID_FILE_ATTRIBUTES)) {
        return 0;
    }
    HANDLE file = CreateTemporaryBeside(*target, temp);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int ok = 1;
    for (int i = 0; ok && i < chunkCount; ++i) {
        ok = WriteAll(file, chunks[i].data, chunks[i].size);
    }
    ok = ok && (rest == nullptr || CopyThroughBuffer(*rest, restSize, [file](const void* data, uint32_t size) {
                    return WriteAll(file, data, size);
                }));
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    if (!ok) {
        DeleteFileW(temp->c_str());
    }
    return ok;
}

// The written temporary takes the target's place, or is removed. Without overwriting, a file
// that appeared meanwhile is not replaced.
int PutInPlace(const std::wstring& temp, const std::wstring& target, int overwrite) {
    int ok =
        overwrite ? ReplaceTarget(temp, target) : MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileW(temp.c_str());
    }
    return ok;
}

}  // namespace

int WriteFileReplacing(const char* path, int overwrite, const WriteChunk* chunks, int chunkCount) {
    std::wstring target;
    std::wstring temp;
    return WriteTemporary(path, overwrite, chunks, chunkCount, nullptr, 0, &target, &temp) &&
           PutInPlace(temp, target, overwrite);
}

namespace {

// A target in its writing form as a batch compares them: file names on Windows match whatever the
// case of their letters, so the key is the upper-cased path's wide characters, byte for byte.
std::string TargetKey(std::wstring target) {
    if (!target.empty()) {
        CharUpperBuffW(&target[0], static_cast<DWORD>(target.size()));
    }
    return std::string(reinterpret_cast<const char*>(target.data()), target.size() * sizeof(wchar_t));
}

}  // namespace

// Windows has no flush of a whole disk that a program may call, so each temporary is flushed as
// it is written and the commit only replaces.
struct ReplacingBatch::Staged {
    std::wstring temp;
    std::wstring target;
};

ReplacingBatch::ReplacingBatch() = default;

ReplacingBatch::~ReplacingBatch() {
    for (const auto& staged : staged_) {
        DeleteFileW(staged->temp.c_str());
    }
}

int ReplacingBatch::Stage(const char* path,
                          const WriteChunk* chunks,
                          int chunkCount,
                          InputFile* rest,
                          uint64_t restSize) {
    auto staged = std::make_unique<Staged>();
    if (!WriteTemporary(path, 1, chunks, chunkCount, rest, restSize, &staged->target, &staged->temp)) {
        return 0;
    }
    targetKeys_.insert(TargetKey(staged->target));
    staged_.push_back(std::move(staged));
    return 1;
}

int ReplacingBatch::Holds(const char* path) const {
    return targetKeys_.count(TargetKey(WritingPath(path))) != 0;
}

std::vector<int> ReplacingBatch::Commit() {
    std::vector<int> replaced;
    for (const auto& staged : staged_) {
        replaced.push_back(PutInPlace(staged->temp, staged->target, 1));
    }
    staged_.clear();
    targetKeys_.clear();
    return replaced;
}
