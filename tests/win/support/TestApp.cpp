#include "TestApp.h"

#include <string>

std::unique_ptr<CUpdateCommandLineInfo> ParseArguments(const char* arguments) {
    static std::string commandLine;
    commandLine = std::string("Kestrup2.exe ") + arguments;
    auto info = std::make_unique<CUpdateCommandLineInfo>();
    ParseCommandLine(SplitCommandLine(commandLine.c_str()), *info);
    TestApp().m_lpCmdLine = RawArgumentText(commandLine.c_str());
    return info;
}
