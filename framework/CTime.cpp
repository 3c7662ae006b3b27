#include "CTime.h"

#include <windows.h>

namespace {
constexpr int64_t kFileTimeTicksPerSecond = 10000000;
constexpr int64_t kFileTimeAt1970 = 116444736000000000; // 100 ns ticks from 1601 to 1970
} // namespace

bool CTime::GetLocalTm(std::tm& out) const {
    const int64_t ticks = m_seconds * kFileTimeTicksPerSecond + kFileTimeAt1970;
    if (ticks < 0)
        return false;
    FILETIME utcFile;
    utcFile.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFF);
    utcFile.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(ticks) >> 32);
    SYSTEMTIME utc, local;
    // FileTimeToLocalFileTime would apply today's bias; this applies the bias
    // in force at the given date.
    if (!FileTimeToSystemTime(&utcFile, &utc) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        return false;
    out = std::tm();
    out.tm_year = local.wYear - 1900;
    out.tm_mon = local.wMonth - 1;
    out.tm_mday = local.wDay;
    out.tm_hour = local.wHour;
    out.tm_min = local.wMinute;
    out.tm_sec = local.wSecond;
    out.tm_isdst = -1;
    return true;
}
