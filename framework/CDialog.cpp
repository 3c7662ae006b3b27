#include "CDialog.h"

#include "CWinApp.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    control.m_hWnd = ::GetDlgItem(pDX->m_hDialog, id);
}

INT_PTR CDialog::DoModal() {
    CWinApp* app = AfxGetApp();
    HWND owner = m_pParent ? m_pParent->m_hWnd : nullptr;
    CWnd* mainWnd = AfxGetMainWnd();
    if (!owner && mainWnd && mainWnd != this)
        owner = mainWnd->m_hWnd;

    m_bEnded = false;
    m_nResult = -1;
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled)
        ::EnableWindow(owner, FALSE);
    HWND hwnd = ::CreateDialogParamA(app->m_hInstance, MAKEINTRESOURCEA(m_nTemplateId), owner,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd) {
        if (!m_bEnded)
            ::ShowWindow(hwnd, SW_SHOW);
        RunModalLoop();
        // Give the owner back its input before this window goes, so that
        // activation returns to it.
        if (ownerWasEnabled)
            ::EnableWindow(owner, TRUE);
        ::DestroyWindow(hwnd);
    } else if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
    }
    return m_nResult;
}

void CDialog::EndDialog(INT_PTR result) {
    m_nResult = result;
    m_bEnded = true;
    if (m_hWnd)
        ::ShowWindow(m_hWnd, SW_HIDE);
}

void CDialog::RunModalLoop() {
    CWinApp* app = AfxGetApp();
    MSG msg;
    while (!m_bEnded) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            // Leave the quit request to whoever runs the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        app->m_lastMessageParam = msg.wParam;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && GetKeyState(VK_SHIFT) >= 0 &&
            GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
            app->OnHelp(*this);
            continue;
        }
        if (!::IsDialogMessageA(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

BOOL CDialog::OnInitDialog() {
    CDataExchange dx(m_hWnd);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::OnCommand(UINT id, UINT /*notifyCode*/) {
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
    else
        Default();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* self;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self)
        return FALSE;
    try {
        return self->Dispatch(msg, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through the system's code.
        return FALSE;
    }
}

INT_PTR CDialog::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    m_bHandled = true;
    switch (msg) {
    case WM_INITDIALOG: {
        const BOOL focusDefault = OnInitDialog();
        CenterWindow();
        return focusDefault;
    }
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return m_bHandled;
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return m_bHandled;
    case WM_PAINT:
        OnPaint();
        return m_bHandled;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_TIMER:
        OnTimer(wParam);
        return m_bHandled;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return AfxGetApp()->PaintDialogColors(reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY:
        m_hWnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}
