#include "CommandLineInfo.h"

#include "framework/CodePage.h"

namespace {
bool EqualNoCaseAscii(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        char ca = *a, cb = *b;
        if (ca >= 'a' && ca <= 'z')
            ca = static_cast<char>(ca - 'a' + 'A');
        if (cb >= 'a' && cb <= 'z')
            cb = static_cast<char>(cb - 'a' + 'A');
        if (ca != cb)
            return false;
    }
    return *a == *b;
}
} // namespace

void CUpdateCommandLineInfo::ParseParam(const char* param, bool bFlag, bool /*bLast*/) {
    CString token(param);
    token.TrimLeft();
    token.TrimRight();
    if (m_nCount >= kMaxCountedTokens)
        return;
    if (bFlag)
        ParseFlag(token);
    else
        ParseValue(token);
}

void CUpdateCommandLineInfo::ParseFlag(const CString& name) {
    if (EqualNoCaseAscii(name, "HELP") || EqualNoCaseAscii(name, "H") ||
        EqualNoCaseAscii(name, "?")) {
        m_bHelp = 1;
        m_option = Option::None;
        ++m_nCount;
    } else if (EqualNamesLocale(name, "DIR")) {
        m_option = Option::Dir;
    } else if (EqualNoCaseAscii(name, "SHELL")) {
        m_option = Option::Shell;
    } else if (EqualNoCaseAscii(name, "PARAM")) {
        m_option = Option::Param;
    } else if (EqualNoCaseAscii(name, "SRC")) {
        m_option = Option::Src;
    } else if (EqualNoCaseAscii(name, "DELAY")) {
        m_option = Option::Delay;
    } else {
        ++m_nCount;
    }
}

void CUpdateCommandLineInfo::ParseValue(const CString& value) {
    switch (m_option) {
    case Option::None:
        break;
    case Option::Dir:
        m_strDir += value;
        break;
    case Option::Shell:
        m_strShell += value;
        break;
    case Option::Param:
        m_strParam += " ";
        m_strParam += value;
        break;
    case Option::Src:
        m_strSrc += value;
        break;
    case Option::Delay:
        m_strDelay += value;
        break;
    }
    ++m_nCount;
}
