#include "AboutDlg.h"

#include "BuildStamp.h"
#include "res/resource.h"

namespace {
constexpr char kAboutTitle[] = "Kestrup 2";
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_VERSION, m_stcVersion);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString version;
    version.Format("Software Version %s %s", kBuildDate, kBuildTime);
    m_stcVersion.SetWindowText(version);
    SetWindowText(kAboutTitle);
    return TRUE;
}
