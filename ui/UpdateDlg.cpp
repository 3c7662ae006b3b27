#include "UpdateDlg.h"

#include "AboutDlg.h"
#include "BuildStamp.h"
#include "HelpText.h"
#include "framework/CWinApp.h"

namespace {
constexpr char kWindowTitle[] = "Kestrup 2";
constexpr UINT kSystemCommandMask = 0xFFF0; // the low bits are the system's own
} // namespace

CUpdateDlg::CUpdateDlg(CWnd* pParent) : CDialog(IDD_UPDATE_DIALOG, pParent) {
    m_hIcon =
        static_cast<HICON>(::LoadImageA(AfxGetApp()->m_hInstance, MAKEINTRESOURCEA(IDI_UPDATE),
                                        IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

void CUpdateDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_ANIMATE, m_animUpdate);
    DDX_Control(pDX, IDC_UPDATE_GROUP, m_grpUpdate);
    DDX_Control(pDX, IDC_NOTICE, m_stcNotice);
    DDX_Control(pDX, IDC_HELP_TEXT, m_editHelp);
}

BOOL CUpdateDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (HMENU sysMenu = GetSystemMenu(FALSE)) {
        char aboutText[256] = {};
        if (::LoadStringA(AfxGetApp()->m_hInstance, IDS_ABOUTBOX, aboutText, sizeof aboutText) >
            0) {
            ::AppendMenuA(sysMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(sysMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetWindowText(kWindowTitle);
    m_bSilent = FALSE;

    m_animUpdate.EnableWindow(FALSE);
    m_animUpdate.ShowWindow(SW_HIDE);
    m_stcNotice.EnableWindow(FALSE);
    m_stcNotice.ShowWindow(SW_HIDE);

    bool helpScreen = true;
    if (*AfxGetApp()->m_lpCmdLine != '\0' && m_pCmdInfo->GetHelp() != 1) {
        m_strSource = m_pCmdInfo->GetSrc();
        if (!m_strSource.IsEmpty()) {
            helpScreen = false;
            m_editHelp.ShowWindow(SW_HIDE);
            m_editHelp.EnableWindow(FALSE);
            if (!m_pCmdInfo->GetShell().IsEmpty())
                StartAutomatedRun();
        }
    }
    if (helpScreen)
        ShowCommandLineHelp();
    return TRUE;
}

void CUpdateDlg::ShowCommandLineHelp() {
    m_editHelp.SetWindowText(FormatHelpScreen(kBuildDate, kBuildTime));
    m_editHelp.ShowWindow(SW_SHOWNORMAL);
}

void CUpdateDlg::OnCommand(UINT id, UINT notifyCode) {
    if (id == IDC_UPDATE_NOW && notifyCode == BN_CLICKED)
        OnUpdateNow();
    else
        CDialog::OnCommand(id, notifyCode);
}

void CUpdateDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & kSystemCommandMask) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CUpdateDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rect.bottom - rect.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
}

HCURSOR CUpdateDlg::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(m_hIcon);
}

void CUpdateDlg::OnCancel() {
    CDialog::OnCancel();
}
