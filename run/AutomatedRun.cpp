#include "ui/UpdateDlg.h"

void CUpdateDlg::StartAutomatedRun() {
    m_bSilent = TRUE;
}

void CUpdateDlg::OnTimer(UINT_PTR nIDEvent) {
    CDialog::OnTimer(nIDEvent);
}
