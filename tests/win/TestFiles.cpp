#include "TestFiles.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {
constexpr char kTestsRoot[] = "c:\\kestrup-tests";
constexpr ULONGLONG kTicksPerDay = 24ULL * 60 * 60 * 10000000;
} // namespace

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

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

void MakeFolders(const std::string& path) {
    for (size_t end = path.find('\\', 3); end != std::string::npos; end = path.find('\\', end + 1))
        CreateDirectoryA(path.substr(0, end).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

void RemoveFolderTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

std::string FreshTestFolder(const std::string& name) {
    const std::string folder = std::string(kTestsRoot) + "\\" + name;
    RemoveFolderTree(folder);
    MakeFolders(folder);
    return folder;
}
