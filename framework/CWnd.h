// A window is the handle it holds; these are one-line wrappers over the API.
#pragma once

#include "CString.h"

#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const {
        return ::SetTimer(m_hWnd, id, elapse, nullptr);
    }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }
    HICON SetIcon(HICON icon, BOOL bigIcon) const {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(icon)));
    }
    int MessageBox(const char* text, const char* caption, UINT type) const {
        return ::MessageBoxA(m_hWnd, text, caption, type);
    }
    // Centres the window over its owner, or over the work area when it has none.
    void CenterWindow() const;

    HWND m_hWnd = nullptr;
};
