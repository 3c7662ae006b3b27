#include "MessageBox.h"

#include "CWinApp.h"

namespace {
constexpr char kErrorCaption[] = "Error";

// The main window, or the modal window it has in front (an about box).
HWND MessageBoxOwner() {
    CWnd* main = AfxGetMainWnd();
    if (!main || !main->m_hWnd)
        return nullptr;
    const HWND popup = ::GetLastActivePopup(main->m_hWnd);
    return popup ? popup : main->m_hWnd;
}
} // namespace

int AfxMessageBox(const char* text, UINT type) {
    if ((type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    CWinApp* app = AfxGetApp();
    return ::MessageBoxA(MessageBoxOwner(), text, app ? app->m_strAppName : "", type);
}

void ShowSystemErrorBox(const CWnd& owner, DWORD errorCode) {
    char* text = nullptr;
    ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, errorCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                     reinterpret_cast<char*>(&text), 0, nullptr);
    owner.MessageBox(text ? text : "", kErrorCaption, MB_OK | MB_ICONINFORMATION);
    ::LocalFree(text);
}
