#include "UpdateApp.h"

#include "ui/UpdateDlg.h"

namespace {
const COLORREF kDialogBackground = RGB(100, 255, 100); // light green
const COLORREF kDialogText = RGB(0, 0, 0);
} // namespace

BOOL CUpdateApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControlsStatic();
    SetDialogBkColor(kDialogBackground, kDialogText);
    ParseCommandLine(m_cmdInfo);

    CUpdateDlg dlg;
    m_pMainWnd = &dlg;
    dlg.m_pCmdInfo = &m_cmdInfo;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The window was the whole program: end without a message loop.
    return FALSE;
}
