// Entry of the Windows test programs: one application object, set up the way
// the program's own entry point sets it up, before any test runs.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {
CUpdateApp g_app;
}

CUpdateApp& TestApp() {
    return g_app;
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&controls);
    AfxWinInit(GetModuleHandleA(nullptr), "", SW_SHOWNORMAL);
    g_app.SetDialogBkColor(RGB(100, 255, 100), RGB(0, 0, 0));
    return RUN_ALL_TESTS();
}
