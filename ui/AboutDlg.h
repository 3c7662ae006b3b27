// The about box: which build is running.
#pragma once

#include "framework/CDialog.h"
#include "framework/Controls.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    CStatic m_stcVersion;
};
