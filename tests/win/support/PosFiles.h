// The terminal's files on the test prefix's real drive c:: the program folder
// with the backup root inside it, and a source folder for new files. Files
// are written with given bytes and last-write times, and read back as bytes.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

constexpr char kPosFolder[] = "c:\\POS";
constexpr char kBackupRoot[] = "C:\\pos\\Backup";
constexpr char kInstalledFile[] = "c:\\POS\\TALLYRA4.EXE";
constexpr char kSourceFolder[] = "c:\\UpdateSource";
constexpr char kNewFile[] = "c:\\UpdateSource\\TALLYRA4.EXE";

// The installed program and the new one from the server, as the tests write them.
constexpr char kOldProgram[] = "installed program, version 1";
constexpr char kNewProgram[] = "new program from the server, version 2";

// A file time: 100-nanosecond ticks since 1601-01-01 00:00 UTC.
using FileTicks = int64_t;
constexpr FileTicks kTicksPerSecond = 10000000;
constexpr FileTicks kTicksPerDay = 86400 * kTicksPerSecond;

FileTicks UtcTime(int year, int month, int day, int hour, int minute, int second);

// Removes c:\POS (and so the backup root) and the source folder, whatever
// they hold, read-only files included.
void RemovePosFiles();
// Removes a file or a folder with everything in it; nothing if it is absent.
void RemoveTree(const std::string& path);

// Writes `bytes` to `path`, making the folders above it, and sets its
// last-write time.
void WriteFileAt(const std::string& path, const std::string& bytes, FileTicks lastWrite);
void MakeFolder(const std::string& path);

std::optional<std::string> ReadBytes(const std::string& path);
std::optional<FileTicks> LastWrite(const std::string& path);
bool IsFolder(const std::string& path);
bool Exists(const std::string& path);

// Every file and folder under `root`, by upper-case path relative to it (the
// file system keeps whichever case a name was made with): a file's bytes, or
// "<folder>" for a folder. Empty when `root` is absent or not a folder.
using FolderTree = std::map<std::string, std::string>;
FolderTree Snapshot(const std::string& root);
