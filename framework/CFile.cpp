#include "CFile.h"

#include <vector>

namespace {
constexpr int64_t kTicksPerSecond = 10000000;
constexpr int64_t kTicksAt1970 = 116444736000000000;

// Whole seconds since 1970, rounding down also before 1970.
int64_t SecondsSince1970(const FILETIME& ft) {
    const int64_t ticks =
        static_cast<int64_t>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) -
        kTicksAt1970;
    int64_t seconds = ticks / kTicksPerSecond;
    if (ticks % kTicksPerSecond < 0)
        --seconds;
    return seconds;
}
} // namespace

bool CFile::GetStatus(const char* fileName, CFileStatus& status) {
    char fullPath[MAX_PATH];
    const DWORD length = GetFullPathNameA(fileName, MAX_PATH, fullPath, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return false;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(fullPath, GetFileExInfoStandard, &data))
        return false;
    status.m_mtime = CTime(SecondsSince1970(data.ftLastWriteTime));
    status.m_attribute = static_cast<BYTE>(data.dwFileAttributes & 0xFF);
    return true;
}
