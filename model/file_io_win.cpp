#include <windows.h>

#include <cstring>

#include "model/file_io.h"

namespace {

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

// Length of the folder part of path, separator included; code page aware, so a trail byte
// that equals a backslash is not taken for one.
size_t FolderLength(const char* path) {
    size_t folder = 0;
    for (size_t i = 0; path[i] != '\0'; ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && path[i + 1] != '\0') {
            ++i;
        } else if (path[i] == '\\' || path[i] == '/' || path[i] == ':') {
            folder = i + 1;
        }
    }
    return folder;
}

// Creates a new file in the folder of path that no other writer can be using.
HANDLE CreateTemporaryBeside(const char* path, char* tempPath) {
    size_t folder = FolderLength(path);
    if (folder + sizeof("~kv0000.tmp") > MAX_PATH) {
        return INVALID_HANDLE_VALUE;
    }
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        std::memcpy(tempPath, path, folder);
        wsprintfA(tempPath + folder, "~kv%04X.tmp", (GetTickCount() + attempt * 7919) & 0xFFFF);
        HANDLE h = CreateFileA(tempPath, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_ARCHIVE, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return h;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// An existing target is replaced keeping its attributes and security; a new one is moved in.
int ReplaceTarget(const char* temp, const char* path) {
    if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
        return ReplaceFileA(path, temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
    }
    return MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
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

int WriteFileReplacing(const char* path, int overwrite, const WriteChunk* chunks, int chunkCount) {
    if (!overwrite && PathExists(path)) {
        return 0;
    }
    char temp[MAX_PATH];
    HANDLE file = CreateTemporaryBeside(path, temp);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int ok = 1;
    for (int i = 0; ok && i < chunkCount; ++i) {
        ok = WriteAll(file, chunks[i].data, chunks[i].size);
    }
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    if (ok) {
        ok = overwrite ? ReplaceTarget(temp, path)
                       // Without REPLACE_EXISTING, a file that appeared meanwhile is not replaced.
                       : MoveFileExA(temp, path, MOVEFILE_WRITE_THROUGH);
    }
    if (!ok) {
        DeleteFileA(temp);
    }
    return ok;
}
