// The main window: help screen, interactive update or automated run.
#pragma once

#include "app/CommandLineInfo.h"
#include "framework/CDialog.h"
#include "framework/Controls.h"
#include "res/resource.h"
#include "run/LaunchRequest.h"

class CUpdateDlg : public CDialog {
public:
    explicit CUpdateDlg(CWnd* pParent = nullptr);

    CUpdateCommandLineInfo* m_pCmdInfo = nullptr; // owned by the application

    // Window timers of the automated run, both one-shot.
    static constexpr UINT_PTR TIMER_UPDATE = 1;
    static constexpr UINT_PTR TIMER_LAUNCH = 2;

    // The update procedure: the "UpDate Now" button and the automated run.
    void OnUpdateNow();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnCommand(UINT id, UINT notifyCode) override;
    void OnSysCommand(UINT nID, LPARAM lParam) override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    void OnTimer(UINT_PTR nIDEvent) override;

    void ShowCommandLineHelp();

    // Automated run: silent mode, then the two timers drive the rest.
    void StartAutomatedRun();
    // Launcher: starts the SHELL program with the PARAM text, without waiting.
    void LaunchShellProgram();
    void LaunchProgram(LaunchRequest request);

    int m_nDelay = -1;      // seconds before the automated update
    BOOL m_bSilent = FALSE; // no message boxes; every question answered Yes
    CString m_strSource;    // copy of the SRC option
    CString m_strBackupRoot;
    CString m_strTargetFolder;
    CString m_strTargetName;

    CAnimateCtrl m_animUpdate;
    CButton m_grpUpdate;
    CStatic m_stcNotice;
    CEdit m_editHelp;
    HICON m_hIcon;
};
