// The built program started from outside, as the terminal starts it: its
// window is found and read as a person would see it, and closed again.
#include "WindowDriver.h"

#include "res/resource.h"
#include "ui/BuildStamp.h"
#include "ui/HelpText.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

namespace {

const std::string kProgram = ModuleFolder() + "\\Kestrup2.exe";
constexpr DWORD kExitTimeoutMs = 10000;

TEST(StartupEndToEnd, WithoutArgumentsShowsTheHelpScreenAndExitEndsTheProgram) {
    ProgramUnderTest program(kProgram, "");
    ASSERT_TRUE(program.Started());
    const HWND window = program.WaitForWindow("Kestrup 2");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ControlText(window, IDC_HELP_TEXT),
              std::string("Revised: ") + kBuildDate + " " + kBuildTime + kCommandLineHelp);
    EXPECT_TRUE(ControlVisible(window, IDC_HELP_TEXT));
    EXPECT_TRUE(ControlVisible(window, IDCANCEL));
    EXPECT_FALSE(ControlVisible(window, IDOK));
    PressButton(window, IDCANCEL);
    EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs));
    // No second window follows the main window.
    EXPECT_TRUE(program.VisibleWindows().empty());
}

TEST(StartupEndToEnd, WithASourceShowsTheUpdateButton) {
    ProgramUnderTest program(kProgram, "-SRC \\\\server\\c\\terminal");
    const HWND window = program.WaitForWindow("Kestrup 2");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ControlVisible(window, IDC_UPDATE_NOW));
    EXPECT_EQ(ControlText(window, IDC_UPDATE_NOW), "UpDate Now");
    EXPECT_TRUE(ControlVisible(window, IDC_UPDATE_GROUP));
    EXPECT_FALSE(ControlVisible(window, IDC_HELP_TEXT));
    EXPECT_FALSE(ControlVisible(window, IDC_NOTICE));
    EXPECT_FALSE(ControlVisible(window, IDC_ANIMATE));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs));
}

// The help viewer's process, once it runs.
DWORD WaitForHelpViewer(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        DWORD found = 0;
        for (BOOL more = Process32First(snapshot, &entry); more && !found;
             more = Process32Next(snapshot, &entry))
            if (lstrcmpiA(entry.szExeFile, "winhlp32.exe") == 0)
                found = entry.th32ProcessID;
        CloseHandle(snapshot);
        if (found)
            return found;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return 0;
}

TEST(StartupEndToEnd, F1AsksTheHelpViewerAndSaysSoWhenItFails) {
    // A copy under another name: every box caption follows the name.
    const std::string other = ModuleFolder() + "\\Other.exe";
    ASSERT_TRUE(CopyFileA(kProgram.c_str(), other.c_str(), FALSE));
    {
        ProgramUnderTest program(other, "-SRC x");
        const HWND window = program.WaitForWindow("Kestrup 2");
        ASSERT_NE(window, nullptr);
        PostMessageA(GetDlgItem(window, IDC_UPDATE_NOW), WM_KEYDOWN, VK_F1, 1);

        // Wine starts its help viewer, which finds no help file; ending the
        // viewer before it answers makes the help request fail for real.
        const DWORD viewer = WaitForHelpViewer(10000);
        ASSERT_NE(viewer, 0u);
        const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, viewer);
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);

        const HWND box = program.WaitForMessageBox(40000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(WindowText(box), "Other");
        EXPECT_EQ(MessageBoxText(box), "Failed to launch help.");
        EXPECT_EQ(GetWindow(box, GW_OWNER), window);
        PressButton(box, IDOK);
        EXPECT_TRUE(ControlVisible(window, IDC_UPDATE_NOW));
        EXPECT_FALSE(ControlVisible(window, IDC_HELP_TEXT));
        PressButton(window, IDCANCEL);
        EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs));
    }
    DeleteFileA(other.c_str());
}

} // namespace
