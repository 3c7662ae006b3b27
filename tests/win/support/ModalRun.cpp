#include "ModalRun.h"

#include <string>
#include <vector>

namespace {
constexpr UINT kProbeDelayMs = 50;

CDialog* g_dialog = nullptr;
std::function<void(HWND)> g_probe;
UINT_PTR g_probeTimer = 0;
UINT_PTR g_watchdogTimer = 0;

void CALLBACK ProbeTimer(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, g_probeTimer);
    g_probeTimer = 0;
    if (g_dialog && g_dialog->m_hWnd && g_probe)
        g_probe(g_dialog->m_hWnd);
}

void CALLBACK WatchdogTimer(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, g_watchdogTimer);
    g_watchdogTimer = 0;
    if (g_dialog && g_dialog->m_hWnd)
        g_dialog->EndDialog(IDABORT);
}
} // namespace

INT_PTR RunModalWith(CDialog& dialog, std::function<void(HWND)> probe, unsigned timeoutMs) {
    g_dialog = &dialog;
    g_probe = std::move(probe);
    g_probeTimer = SetTimer(nullptr, 0, kProbeDelayMs, ProbeTimer);
    g_watchdogTimer = SetTimer(nullptr, 0, timeoutMs, WatchdogTimer);
    const INT_PTR result = dialog.DoModal();
    if (g_probeTimer)
        KillTimer(nullptr, g_probeTimer);
    if (g_watchdogTimer)
        KillTimer(nullptr, g_watchdogTimer);
    g_probeTimer = g_watchdogTimer = 0;
    g_dialog = nullptr;
    g_probe = nullptr;
    return result;
}

void PumpMessages(unsigned ms) {
    const DWORD end = GetTickCount() + ms;
    MSG msg;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

ControlState GetControlState(HWND dialog, int id) {
    ControlState state;
    const HWND control = GetDlgItem(dialog, id);
    if (!control)
        return state;
    state.exists = true;
    state.visible = (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
    state.enabled = IsWindowEnabled(control) != FALSE;
    return state;
}

std::string GetWindowTextOf(HWND window) {
    const int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string GetControlText(HWND window, int id) {
    return GetWindowTextOf(GetDlgItem(window, id));
}

void PressKey(HWND dialog, UINT virtualKey) {
    HWND focus = GetFocus();
    if (!focus)
        focus = dialog;
    PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(focus, WM_KEYUP, virtualKey, 0xC0000001);
}
