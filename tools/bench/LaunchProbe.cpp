// The program that the benchmark has Kestrup2 start in place of the
// point-of-sale program: it writes the moment its own process was created
// (100 ns ticks since 1601, UTC) to the file named by KESTRUP_BENCH_PROBE and
// ends. Without the variable it does nothing. The benchmark pads copies of it
// to any size: the loader ignores what follows the image.
#include <windows.h>

#include <cstdio>

namespace {
constexpr char kReportVariable[] = "KESTRUP_BENCH_PROBE";
constexpr char kPartialSuffix[] = ".partial";
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA(kReportVariable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    FILETIME creation, exited, kernel, user;
    if (!::GetProcessTimes(::GetCurrentProcess(), &creation, &exited, &kernel, &user))
        return 1;
    const unsigned long long ticks =
        (static_cast<unsigned long long>(creation.dwHighDateTime) << 32) | creation.dwLowDateTime;
    char text[32];
    const int size = std::snprintf(text, sizeof text, "%llu\r\n", ticks);

    // Written beside the report and renamed, so a reader never sees half of it.
    char partial[MAX_PATH + sizeof kPartialSuffix];
    std::snprintf(partial, sizeof partial, "%s%s", path, kPartialSuffix);
    const HANDLE file = ::CreateFileA(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL wrote = ::WriteFile(file, text, static_cast<DWORD>(size), &written, nullptr);
    ::CloseHandle(file);
    return wrote && ::MoveFileExA(partial, path, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
