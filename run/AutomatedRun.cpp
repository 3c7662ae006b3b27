// The automated run: wait DELAY seconds, update silently, pause, start the
// SHELL program and close. Two one-shot window timers drive it.
#include "Delay.h"
#include "ui/UpdateDlg.h"

namespace {
constexpr UINT kPauseBeforeLaunchMs = 3000;
constexpr UINT kClipFirstFrame = 0;
constexpr UINT kClipLastFrame = 0xFFFF; // up to the clip's own last frame
constexpr UINT kRepeatWithoutEnd = UINT(-1);

constexpr char kAutomatedNotice[] =
    "An Automated Update Has Started, \r\rPlease wait a moment while we perform the update."
    "\r\r Your POS program will start automaticly";
} // namespace

void CUpdateDlg::StartAutomatedRun() {
    m_bSilent = TRUE;
    m_nDelay = -1;
    const CString delay = m_pCmdInfo->GetDelay();
    if (!delay.IsEmpty())
        m_nDelay = ReadDelaySeconds(delay);
    SetTimer(TIMER_UPDATE, UpdateTimerInterval(m_nDelay));

    const CWnd exitButton(GetDlgItem(IDCANCEL));
    const CWnd updateButton(GetDlgItem(IDC_UPDATE_NOW));
    exitButton.EnableWindow(FALSE);
    updateButton.EnableWindow(FALSE);
    exitButton.ShowWindow(SW_HIDE);
    updateButton.ShowWindow(SW_HIDE);

    m_grpUpdate.ShowWindow(SW_HIDE);

    m_stcNotice.EnableWindow(TRUE);
    m_stcNotice.ShowWindow(SW_SHOW);
    m_stcNotice.SetWindowText(kAutomatedNotice);

    m_animUpdate.EnableWindow(TRUE);
    m_animUpdate.ShowWindow(SW_SHOW);
    m_animUpdate.Open(IDR_UPDATE_CLIP);
    m_animUpdate.Play(kClipFirstFrame, kClipLastFrame, kRepeatWithoutEnd);
}

void CUpdateDlg::OnTimer(UINT_PTR nIDEvent) {
    // Each timer is stopped before its step runs, so each step runs once
    // however long it takes.
    if (nIDEvent == TIMER_UPDATE) {
        KillTimer(nIDEvent);
        OnUpdateNow();
        m_animUpdate.Close();
        SetTimer(TIMER_LAUNCH, kPauseBeforeLaunchMs);
    } else if (nIDEvent == TIMER_LAUNCH) {
        KillTimer(nIDEvent);
        LaunchShellProgram();
        OnCancel();
    }
    CDialog::OnTimer(nIDEvent);
}
