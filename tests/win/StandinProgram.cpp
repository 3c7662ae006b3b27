#include "StandinProgram.h"

#include "PosFiles.h"
#include "WindowDriver.h"

namespace {
constexpr char kReportVariable[] = "KESTRUP_STANDIN_REPORT";
constexpr DWORD kPollMs = 20;

// The value of the "name: " line of the report.
std::string Field(const std::string& report, const std::string& name) {
    const std::string key = name + ": ";
    for (size_t start = 0; start < report.size();) {
        size_t end = report.find("\r\n", start);
        if (end == std::string::npos)
            end = report.size();
        if (report.compare(start, key.size(), key) == 0)
            return report.substr(start + key.size(), end - start - key.size());
        start = end + 2;
    }
    return "<no " + name + ">";
}
} // namespace

std::string StandinPath(StandinBuild build) {
    return ModuleFolder() + "\\standin\\" + StandinVersion(build) + "\\TALLYRA4.exe";
}

std::string StandinVersion(StandinBuild build) {
    return build == StandinBuild::Old ? "old" : "new";
}

StandinReport::StandinReport(std::string path) : m_path(std::move(path)) {
    DeleteFileA(m_path.c_str());
    SetEnvironmentVariableA(kReportVariable, m_path.c_str());
}

StandinReport::~StandinReport() {
    SetEnvironmentVariableA(kReportVariable, nullptr);
    DeleteFileA(m_path.c_str());
}

bool StandinReport::Written() const {
    return GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool StandinReport::Wait(DWORD timeoutMs, StandinRun* run) const {
    const DWORD start = GetTickCount();
    while (!Written()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(kPollMs);
    }
    const std::string report = ReadBytes(m_path).value_or("");
    run->version = Field(report, "version");
    run->commandLine = Field(report, "command line");
    run->parameters = Field(report, "parameters");
    run->folder = Field(report, "folder");
    return true;
}
