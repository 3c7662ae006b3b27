// Modal dialog bound to a template in the program's resources. The window
// keeps a pointer to its object; one switch dispatches to virtual handlers.
#pragma once

#include "CWnd.h"

class CDataExchange {
public:
    explicit CDataExchange(HWND dialog) : m_hDialog(dialog) {}
    HWND m_hDialog;
};

// Binds a control member to the dialog's control with that identifier.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    // parent: the owner; none means the application's main window, if any.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_nTemplateId(templateId), m_pParent(parent) {}

    // Creates the dialog, runs it until it is ended and destroys it; returns
    // the result given to EndDialog, or -1 if the window could not be made.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    UINT GetTemplateId() const { return m_nTemplateId; }

protected:
    virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Command from a control or a menu; the base routes IDOK and IDCANCEL.
    virtual void OnCommand(UINT id, UINT notifyCode);
    virtual void OnSysCommand(UINT /*nID*/, LPARAM /*lParam*/) { Default(); }
    virtual void OnPaint() { Default(); }
    virtual HCURSOR OnQueryDragIcon() { return nullptr; }
    virtual void OnTimer(UINT_PTR /*nIDEvent*/) { Default(); }

    // Leaves the message being handled to the system's default processing.
    void Default() { m_bHandled = false; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    UINT m_nTemplateId;
    CWnd* m_pParent;
    bool m_bEnded = false;
    INT_PTR m_nResult = -1;
    bool m_bHandled = true;
};
