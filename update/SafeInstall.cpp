#include "SafeInstall.h"

#include "framework/CString.h"

#include <windows.h>

#include <cstdint>

namespace {
constexpr char kTemporaryPrefix[] = "KUP";
constexpr UINT kSystemPicksUniqueName = 0; // and creates the file, so no one else takes the name

bool SizeOf(const char* path, uint64_t& size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        return false;
    size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

// Forces the file's data to disk and tells the size that is there.
bool FlushToDisk(const char* path, uint64_t& size) {
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    // A copy of a read-only file is read-only too, and cannot be opened for
    // writing, which flushing needs; it gets its attributes back afterwards.
    const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly && !::SetFileAttributesA(path, attributes & ~FILE_ATTRIBUTE_READONLY))
        return false;
    bool flushed = false;
    const HANDLE file = ::CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER length;
        flushed = ::FlushFileBuffers(file) && ::GetFileSizeEx(file, &length);
        size = flushed ? static_cast<uint64_t>(length.QuadPart) : 0;
        ::CloseHandle(file);
    }
    if (readOnly && !::SetFileAttributesA(path, attributes))
        return false;
    return flushed;
}

void RemoveTemporary(const char* path) {
    ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL); // a read-only file cannot be deleted
    ::DeleteFileA(path);
}
} // namespace

bool CopyFileSafely(const char* source, const char* folder, const char* name,
                    ExistingFile existing) {
    char temporary[MAX_PATH];
    if (!::GetTempFileNameA(folder, kTemporaryPrefix, kSystemPicksUniqueName, temporary))
        return false;
    const CString destination = CString(folder) + "\\" + name;
    DWORD moveFlags = MOVEFILE_WRITE_THROUGH;
    if (existing == ExistingFile::Replace)
        moveFlags |= MOVEFILE_REPLACE_EXISTING;

    uint64_t copySize = 0;
    uint64_t sourceSize = 0;
    const bool placed = ::CopyFileA(source, temporary, FALSE) && FlushToDisk(temporary, copySize) &&
                        SizeOf(source, sourceSize) && copySize == sourceSize &&
                        ::MoveFileExA(temporary, destination, moveFlags);
    if (!placed)
        RemoveTemporary(temporary);
    return placed;
}
