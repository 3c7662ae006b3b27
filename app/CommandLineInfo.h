// The options record: what the command line asked for, as texts.
#pragma once

#include "framework/CommandLine.h"
#include "framework/CString.h"

class CUpdateCommandLineInfo : public CCommandLineInfo {
public:
    // At most this many counted tokens are parsed; option flags are not counted.
    static constexpr unsigned kMaxCountedTokens = 10;

    void ParseParam(const char* param, bool bFlag, bool bLast) override;

    CString GetSrc() const { return m_strSrc; }
    CString GetShell() const { return m_strShell; }
    CString GetParam() const { return m_strParam; }
    CString GetDelay() const { return m_strDelay; }
    int GetHelp() const { return m_bHelp; }

private:
    enum class Option { None, Dir, Shell, Param, Src, Delay };

    void ParseFlag(const CString& name);
    void ParseValue(const CString& value);

    CString m_strDelay;
    CString m_strDir; // collected, never read
    CString m_strSrc;
    CString m_strShell;
    CString m_strParam; // one space ahead of every value
    int m_bHelp = 0;
    unsigned m_nCount = 0;
    Option m_option = Option::None;

    friend struct CommandLineInfoProbe; // tests read the count and the DIR text
};
