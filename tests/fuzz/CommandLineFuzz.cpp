// Any command-line text, in a single- or double-byte code page, must give an
// options record that keeps its invariants, and never crash the parser.
#include "app/CommandLineInfo.h"
#include "framework/CodePageHost.h"
#include "framework/CommandLine.h"

#include <cstdint>
#include <cstdlib>
#include <string>

struct CommandLineInfoProbe {
    static unsigned Count(const CUpdateCommandLineInfo& info) { return info.m_nCount; }
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the code page; the rest is the command line.
    SetHostDoubleByteCodePage(data[0] & 1);
    const std::string line(reinterpret_cast<const char*>(data + 1), size - 1);
    const char* text = line.c_str(); // stops at the first NUL, as the system's text would

    const char* raw = RawArgumentText(text);
    if (raw < text || raw > text + std::char_traits<char>::length(text))
        std::abort();

    CUpdateCommandLineInfo info;
    ParseCommandLine(SplitCommandLine(text), info);
    if (CommandLineInfoProbe::Count(info) > CUpdateCommandLineInfo::kMaxCountedTokens)
        std::abort();
    const CString param = info.GetParam();
    if (!param.IsEmpty() && param[0] != ' ')
        std::abort();
    if (info.GetHelp() != 0 && info.GetHelp() != 1)
        std::abort();
    // A raw text that is empty means no arguments at all.
    if (*raw == '\0' && !info.GetSrc().IsEmpty())
        std::abort();
    return 0;
}
