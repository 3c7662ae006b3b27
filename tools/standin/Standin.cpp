// A stand-in for the point-of-sale program TALLYRA4.EXE, for tests and
// demonstrations: it tells what it was started with. With the variable
// KESTRUP_STANDIN_REPORT set it writes that to the file the variable names and
// ends; otherwise it shows it in a small window until that is closed.
#include <windows.h>

#include <string>

#ifndef STANDIN_VERSION
#error "Define STANDIN_VERSION, the text that tells this build from the others"
#endif

namespace {
constexpr char kReportVariable[] = "KESTRUP_STANDIN_REPORT";
constexpr char kTitle[] = "TALLYRA4 stand-in";
constexpr char kPartialSuffix[] = ".partial";

// What follows the program name, exactly as given, blanks included.
const char* ParametersOf(const char* commandLine) {
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            p = CharNextA(p);
        return *p ? p + 1 : p;
    }
    while (*p && *p != ' ' && *p != '\t')
        p = CharNextA(p);
    return p;
}

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

// One "name: value" line each.
std::string Report() {
    const char* commandLine = ::GetCommandLineA();
    return std::string("version: ") + STANDIN_VERSION + "\r\n" + "command line: " + commandLine +
           "\r\n" + "parameters: " + ParametersOf(commandLine) + "\r\n" +
           "folder: " + CurrentFolder() + "\r\n";
}

// Written beside the report and then renamed, so that a reader never sees
// half a report.
bool WriteReport(const std::string& path, const std::string& text) {
    const std::string partial = path + kPartialSuffix;
    HANDLE file = ::CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL wrote =
        ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
    return wrote && written == text.size() &&
           ::MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA(kReportVariable, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return WriteReport(path, Report()) ? 0 : 1;
    ::MessageBoxA(nullptr, Report().c_str(), kTitle, MB_OK | MB_ICONINFORMATION);
    return 0;
}
