// The smallest dialog program: one dialog from a template, closed by OK,
// Enter, Escape or its close box. The benchmark compares the time from process
// start to the window shown with Kestrup2's, built by the same toolchain.
// With "-c" it first registers the common controls, as Kestrup2 does for its
// animation control. Built with KESTRUP_TEMPLATE it shows Kestrup2's own main
// window template instead, with no code of Kestrup2's behind it: the
// benchmark's way to tell what the window itself costs.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#ifdef KESTRUP_TEMPLATE
#include "res/resource.h"
constexpr int kTemplate = IDD_UPDATE_DIALOG;
constexpr bool kNeedsCommonControls = true; // the template holds an animation control
#else
#include "MinimalDialog.h"
constexpr int kTemplate = IDD_MINIMAL;
constexpr bool kNeedsCommonControls = false;
#endif

namespace {
constexpr char kCommonControlsOption[] = "-c";

// Loaded only when asked for, so that the plain program does not even load
// the common controls' library.
void RegisterCommonControls() {
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const HMODULE library = ::LoadLibraryA("comctl32.dll");
    const Init init = reinterpret_cast<Init>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_ANIMATE_CLASS};
    if (init)
        init(&controls);
}

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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (kNeedsCommonControls || std::strstr(commandLine, kCommonControlsOption))
        RegisterCommonControls();
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(kTemplate), nullptr, DialogProc, 0);
    return 0;
}
