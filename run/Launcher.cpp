// The launch step of the automated run: starts the SHELL program with the
// PARAM text, in its own folder, and never waits for it.
#include "ExecuteInfo.h"
#include "framework/CWinApp.h"
#include "ui/UpdateDlg.h"

void CUpdateDlg::LaunchShellProgram() {
    const CString shell = m_pCmdInfo->GetShell();
    if (shell.IsEmpty())
        return;
    LaunchProgram(MakeLaunchRequest(shell, m_pCmdInfo->GetParam()));
}

void CUpdateDlg::LaunchProgram(LaunchRequest request) {
    const CWnd* mainWnd = AfxGetMainWnd();
    SHELLEXECUTEINFOA info = MakeExecuteInfo(request, mainWnd ? mainWnd->GetSafeHwnd() : nullptr);
    // The outcome is not acted on: no message of the program's own, no second try.
    if (::ShellExecuteExA(&info) && info.hProcess)
        ::CloseHandle(info.hProcess); // nothing waits for the started program
}
