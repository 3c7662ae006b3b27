#include "CommandLine.h"

#include "CodePage.h"

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Skips the program name; returns where the arguments begin.
const char* SkipProgramName(const char* p) {
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            p += IsLeadByte(static_cast<unsigned char>(*p)) && p[1] ? 2 : 1;
        return *p ? p + 1 : p;
    }
    while (*p && !IsBlank(*p))
        p += IsLeadByte(static_cast<unsigned char>(*p)) && p[1] ? 2 : 1;
    return *p ? p + 1 : p;
}

// Cuts one argument starting at p; returns the position after it.
const char* CutArgument(const char* p, CString& arg) {
    bool inQuotes = false;
    while (*p && (inQuotes || !IsBlank(*p))) {
        size_t backslashes = 0;
        while (p[backslashes] == '\\')
            ++backslashes;
        if (p[backslashes] == '"') {
            for (size_t i = 0; i < backslashes / 2; ++i)
                arg += '\\';
            p += backslashes;
            if (backslashes % 2 == 1) {
                arg += '"';
                ++p;
            } else if (inQuotes && p[1] == '"') {
                arg += '"';
                p += 2;
                inQuotes = false;
            } else {
                inQuotes = !inQuotes;
                ++p;
            }
        } else if (backslashes > 0) {
            for (size_t i = 0; i < backslashes; ++i)
                arg += '\\';
            p += backslashes;
        } else if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1]) {
            arg += p[0];
            arg += p[1];
            p += 2;
        } else {
            arg += *p++;
        }
    }
    return p;
}
} // namespace

std::vector<CString> SplitCommandLine(const char* commandLine) {
    std::vector<CString> args;
    const char* p = SkipProgramName(commandLine);
    for (;;) {
        while (IsBlank(*p))
            ++p;
        if (!*p)
            break;
        CString arg;
        p = CutArgument(p, arg);
        args.push_back(arg);
    }
    return args;
}

const char* RawArgumentText(const char* commandLine) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(commandLine);
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p > ' ')
            ++p;
    }
    while (*p && *p <= ' ')
        ++p;
    return reinterpret_cast<const char*>(p);
}

void ParseCommandLine(const std::vector<CString>& args, CCommandLineInfo& info) {
    for (size_t i = 0; i < args.size(); ++i) {
        const char* arg = args[i];
        const bool isFlag = arg[0] == '-' || arg[0] == '/';
        info.ParseParam(isFlag ? arg + 1 : arg, isFlag, i + 1 == args.size());
    }
}
