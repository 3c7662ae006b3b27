#include "CWinApp.h"

#include "CDialog.h"
#include "MessageBox.h"

#include <commctrl.h>

#include <cstring>

namespace {
CWinApp* g_app = nullptr;
constexpr char kHelpFailed[] = "Failed to launch help.";

// The base name: after the last backslash, slash or colon, before the last full stop.
CString BaseNameOf(const char* path) {
    const char* start = path;
    const char* dot = nullptr;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':')
            start = p + 1;
        else if (*p == '.')
            dot = p;
    }
    if (dot && dot >= start)
        return CString(start, static_cast<size_t>(dot - start));
    return CString(start);
}
} // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (m_hDialogBrush)
        ::DeleteObject(m_hDialogBrush);
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
    ::ParseCommandLine(SplitCommandLine(::GetCommandLineA()), info);
}

void CWinApp::SetDialogBkColor(COLORREF background, COLORREF text) {
    if (m_hDialogBrush)
        ::DeleteObject(m_hDialogBrush);
    m_hDialogBrush = ::CreateSolidBrush(background);
    m_dialogBkColor = background;
    m_dialogTextColor = text;
}

INT_PTR CWinApp::PaintDialogColors(HDC dc) const {
    if (!m_hDialogBrush)
        return FALSE;
    ::SetBkColor(dc, m_dialogBkColor);
    ::SetTextColor(dc, m_dialogTextColor);
    return reinterpret_cast<INT_PTR>(m_hDialogBrush);
}

void CWinApp::OnHelp(const CDialog& activeDialog) const {
    const HWND owner = m_pMainWnd ? m_pMainWnd->m_hWnd : activeDialog.m_hWnd;
    if (!::WinHelpA(owner, m_strHelpFilePath, HELP_CONTEXT,
                    kHelpTopicDialogBase + activeDialog.GetTemplateId()))
        AfxMessageBox(kHelpFailed);
}

void AfxWinInit(HINSTANCE instance, const char* commandLine, int showCommand) {
    const UINT mode = ::SetErrorMode(0);
    ::SetErrorMode(mode | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // The main window's template holds an animation control.
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_ANIMATE_CLASS};
    ::InitCommonControlsEx(&controls);

    CWinApp* app = AfxGetApp();
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine;
    app->m_nCmdShow = showCommand;

    char modulePath[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(instance, modulePath, MAX_PATH);
    app->m_strAppName = BaseNameOf(modulePath);
    char* dot = std::strrchr(modulePath, '.');
    if (dot && dot > std::strrchr(modulePath, '\\'))
        *dot = '\0';
    app->m_strHelpFilePath = CString(modulePath) + ".HLP";
}

int AfxWinMain(HINSTANCE instance, int showCommand) {
    AfxWinInit(instance, RawArgumentText(::GetCommandLineA()), showCommand);
    CWinApp* app = AfxGetApp();
    if (app->InitInstance()) {
        // The program ends from InitInstance; there is no message loop of its own.
    }
    return app->ExitInstance();
}
