// The smallest dialog program: one dialog from a template, closed by OK,
// Enter, Escape or its close box. The benchmark compares the time from process
// start to the window shown with Kestrup2's, built by the same toolchain.
#include "MinimalDialog.h"

#include <windows.h>

namespace {
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MINIMAL), nullptr, DialogProc, 0);
    return 0;
}
