// The application object and the program's entry into Windows.
#pragma once

#include "CommandLine.h"
#include "CString.h"
#include "CWnd.h"

class CDialog;

class CWinApp {
public:
    // Registers itself as the one current application.
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    // Returns the process's exit status.
    virtual int ExitInstance() { return static_cast<int>(m_lastMessageParam); }

    // Cuts the process's command line and hands every argument to the record.
    void ParseCommandLine(CCommandLineInfo& info) const;
    // Colours of every dialog of the application: background and text.
    void SetDialogBkColor(COLORREF background, COLORREF text);
    // Shows the help topic of the dialog running in front.
    void OnHelp(const CDialog& activeDialog) const;

    // Answers the dialog colour messages; the brush is the return value.
    INT_PTR PaintDialogColors(HDC dc) const;

    HINSTANCE m_hInstance = nullptr;
    const char* m_lpCmdLine = ""; // raw argument text
    int m_nCmdShow = SW_SHOWNORMAL;
    CString m_strAppName;      // the executable's base name: message box captions
    CString m_strHelpFilePath; // the executable's path with the extension .HLP
    CWnd* m_pMainWnd = nullptr;
    // The parameter of the last message a modal loop took from the queue.
    WPARAM m_lastMessageParam = 0;

private:
    HBRUSH m_hDialogBrush = nullptr;
    COLORREF m_dialogBkColor = 0;
    COLORREF m_dialogTextColor = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Sets the error mode and the application's name and help path from the module.
void AfxWinInit(HINSTANCE instance, const char* commandLine, int showCommand);
// The whole run: initialisation, InitInstance, ExitInstance; returns the exit status.
int AfxWinMain(HINSTANCE instance, int showCommand);

// The program hosts no ActiveX controls and runs on 32-bit Windows only, where
// 3-D controls are built in: both calls are kept for the order of start-up.
inline void AfxEnableControlContainer() {}
inline BOOL Enable3dControlsStatic() {
    return TRUE;
}

// Help command number and the base of dialog help topics.
constexpr UINT ID_HELP = 0xE146;
constexpr DWORD kHelpTopicDialogBase = 0x20000;
