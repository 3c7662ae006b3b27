#include "TestFiles.h"

#include "PosFiles.h"

#include <windows.h>

namespace {
constexpr char kTestsRoot[] = "c:\\kestrup-tests";
} // namespace

std::string FileStamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return "";
    return std::to_string(data.nFileSizeLow) + "/" + std::to_string(data.nFileSizeHigh) + " " +
           std::to_string(data.ftLastWriteTime.dwLowDateTime) + "/" +
           std::to_string(data.ftLastWriteTime.dwHighDateTime);
}

bool AgeFile(const std::string& path, int days) {
    const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES | FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    FILETIME written;
    bool done = GetFileTime(file, nullptr, nullptr, &written);
    ULARGE_INTEGER ticks = {{written.dwLowDateTime, written.dwHighDateTime}};
    ticks.QuadPart -= days * kTicksPerDay;
    written = {ticks.LowPart, ticks.HighPart};
    done = done && SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    return done;
}

std::string FreshTestFolder(const std::string& name) {
    const std::string folder = std::string(kTestsRoot) + "\\" + name;
    RemoveTree(folder);
    MakeFolder(folder);
    return folder;
}
