// Cutting a process command line into arguments, the Windows way, and the
// per-argument hand-over to an options record.
#pragma once

#include "CString.h"

#include <vector>

class CCommandLineInfo {
public:
    virtual ~CCommandLineInfo() = default;
    // param: the argument without its flag marker; bFlag: it began with '-' or '/'.
    virtual void ParseParam(const char* param, bool bFlag, bool bLast) = 0;
};

// The arguments after the program name. Only space and tab separate arguments;
// quotes and backslashes follow the rules of the C runtimes on Windows.
std::vector<CString> SplitCommandLine(const char* commandLine);

// What follows the program name and the blanks and controls after it.
const char* RawArgumentText(const char* commandLine);

// Hands every argument to the record in order, telling flags from values.
void ParseCommandLine(const std::vector<CString>& args, CCommandLineInfo& info);
