// The stand-in point-of-sale program (tools/standin), built in two versions
// beside the tests, and the report in which it tells how it was started.
#pragma once

#include <windows.h>

#include <string>

enum class StandinBuild { Old, New };

// Where the build is: standin\old\TALLYRA4.exe or standin\new\TALLYRA4.exe.
std::string StandinPath(StandinBuild build);
// The version text that the build reports: "old" or "new".
std::string StandinVersion(StandinBuild build);

struct StandinRun {
    std::string version;
    std::string commandLine;
    std::string parameters; // what followed the program name, blanks included
    std::string folder;     // its current folder at start
};

// While one lives, every stand-in started by this process, or by a program
// it starts, writes its report to `path` and ends, instead of showing a window.
class StandinReport {
public:
    explicit StandinReport(std::string path);
    ~StandinReport();
    StandinReport(const StandinReport&) = delete;
    StandinReport& operator=(const StandinReport&) = delete;

    bool Written() const;
    // Reads the report, waiting up to `timeoutMs` for it; false if none came.
    bool Wait(DWORD timeoutMs, StandinRun* run) const;

private:
    std::string m_path;
};
