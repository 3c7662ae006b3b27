#include "PosFiles.h"

#include <windows.h>

#include <cctype>
#include <stdexcept>
#include <vector>

namespace {
constexpr char kFolderMark[] = "<folder>";

FILETIME ToFileTime(FileTicks ticks) {
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFF);
    time.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(ticks) >> 32);
    return time;
}

std::vector<std::string> EntriesOf(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void Fail(const std::string& what) {
    throw std::runtime_error(what + " (error " + std::to_string(GetLastError()) + ")");
}

void SnapshotInto(const std::string& root, const std::string& relative,
                  std::map<std::string, std::string>& out) {
    const std::string folder = relative.empty() ? root : root + "\\" + relative;
    for (const std::string& name : EntriesOf(folder)) {
        const std::string path = relative.empty() ? name : relative + "\\" + name;
        if (IsFolder(root + "\\" + path)) {
            out[Upper(path)] = kFolderMark;
            SnapshotInto(root, path, out);
        } else {
            out[Upper(path)] = ReadBytes(root + "\\" + path).value_or("<unreadable>");
        }
    }
}
} // namespace

FileTicks UtcTime(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME utc = {};
    utc.wYear = static_cast<WORD>(year);
    utc.wMonth = static_cast<WORD>(month);
    utc.wDay = static_cast<WORD>(day);
    utc.wHour = static_cast<WORD>(hour);
    utc.wMinute = static_cast<WORD>(minute);
    utc.wSecond = static_cast<WORD>(second);
    FILETIME time;
    if (!SystemTimeToFileTime(&utc, &time))
        Fail("bad date");
    return static_cast<FileTicks>((static_cast<uint64_t>(time.dwHighDateTime) << 32) |
                                  time.dwLowDateTime);
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::string& name : EntriesOf(path))
            RemoveTree(path + "\\" + name);
        if (!RemoveDirectoryA(path.c_str()))
            Fail("cannot remove folder " + path);
    } else if (!DeleteFileA(path.c_str())) {
        Fail("cannot remove file " + path);
    }
}

void RemovePosFiles() {
    RemoveTree(kPosFolder);
    RemoveTree(kSourceFolder);
}

void MakeFolder(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    if (slash != std::string::npos && slash > 2)
        MakeFolder(path.substr(0, slash));
    if (!IsFolder(path) && !CreateDirectoryA(path.c_str(), nullptr))
        Fail("cannot make folder " + path);
}

void WriteFileAt(const std::string& path, const std::string& bytes, FileTicks lastWrite) {
    MakeFolder(path.substr(0, path.find_last_of('\\')));
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        Fail("cannot write " + path);
    DWORD written = 0;
    const FILETIME time = ToFileTime(lastWrite);
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
    if (!ok)
        Fail("cannot fill " + path);
}

std::optional<std::string> ReadBytes(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

std::optional<FileTicks> LastWrite(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return static_cast<FileTicks>(
        (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime);
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

FolderTree Snapshot(const std::string& root) {
    FolderTree entries;
    if (IsFolder(root))
        SnapshotInto(root, "", entries);
    return entries;
}
