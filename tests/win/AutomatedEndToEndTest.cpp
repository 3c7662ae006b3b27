// The built program started as a terminal's start-up script starts it, with
// real timers, watched from outside until it has ended: what it installed,
// which program it started, when, and that it showed no message box.
#include "PosFiles.h"
#include "StandinProgram.h"
#include "TestFiles.h"
#include "WindowDriver.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

const std::string kProgram = ModuleFolder() + "\\Kestrup2.exe";
constexpr DWORD kAutomatedExitStatus = 2;
constexpr DWORD kPauseBeforeLaunchMs = 3000;
constexpr DWORD kPollMs = 20;
// Wine needs a moment to start a program; the checks allow it generously.
constexpr DWORD kSlackMs = 15000;
// The stand-in writes its report a little after the updater has gone.
constexpr DWORD kAfterExitMs = 2000;

struct BoxSeen {
    DWORD atMs;
    std::string caption, text;
    HWND owner;
};

// What was seen of one run, in ms since the program was started.
struct RunSeen {
    HWND window = nullptr;
    bool exited = false;
    DWORD exitStatus = 0;
    DWORD exitedMs = 0;
    DWORD updatedMs = 0;  // the installed file first held the new bytes; 0: never
    DWORD launchedMs = 0; // the stand-in's report first showed; 0: never
    std::vector<BoxSeen> boxes;
};

class AutomatedEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        m_source = FreshTestFolder("end-to-end-source");
        m_report = std::make_unique<StandinReport>(FreshTestFolder("end-to-end") + "\\report.txt");
        MakeFolder(kPosFolder);
        RemoveTree(kBackupRoot);
        ASSERT_TRUE(CopyFileA(StandinPath(StandinBuild::Old).c_str(), kInstalledFile, FALSE));
        // Older than the new file, as on a terminal; and so told apart from
        // it by its stamp alone.
        ASSERT_TRUE(AgeFile(kInstalledFile, 1));
        m_newStamp = FileStamp(StandinPath(StandinBuild::New));
        ASSERT_NE(FileStamp(kInstalledFile), m_newStamp);
        m_oldBytes = ReadBytes(kInstalledFile).value_or("");
        m_newBytes = ReadBytes(StandinPath(StandinBuild::New)).value_or("");
        ASSERT_NE(m_oldBytes, m_newBytes);
    }

    void PutNewFileOnTheServer() const {
        ASSERT_TRUE(CopyFileA(StandinPath(StandinBuild::New).c_str(),
                              (m_source + "\\TALLYRA4.EXE").c_str(), FALSE));
    }

    // Starts the program and watches it until it has ended, answering any
    // box so that the run can go on; `act` gets the main window once shown.
    RunSeen Watch(const std::string& arguments, DWORD timeoutMs,
                  const std::function<void(HWND)>& act = nullptr) {
        RunSeen seen;
        const DWORD start = GetTickCount();
        ProgramUnderTest program(kProgram, arguments);
        EXPECT_TRUE(program.Started());
        seen.window = program.WaitForWindow("Kestrup 2");
        EXPECT_NE(seen.window, nullptr);
        if (act && seen.window)
            act(seen.window);
        std::vector<HWND> answered;
        for (;;) {
            const DWORD now = GetTickCount() - start;
            if (const HWND box = program.WaitForMessageBox(0)) {
                if (std::find(answered.begin(), answered.end(), box) == answered.end()) {
                    seen.boxes.push_back(
                        {now, WindowText(box), MessageBoxText(box), GetWindow(box, GW_OWNER)});
                    answered.push_back(box);
                    PressButton(box, IDOK);
                }
            }
            // The update keeps the new file's stamp. (Reading the file here
            // could stand in the way of the update's replacing it.)
            if (!seen.updatedMs && FileStamp(kInstalledFile) == m_newStamp)
                seen.updatedMs = now;
            if (!seen.launchedMs && m_report->Written())
                seen.launchedMs = now;
            if (!seen.exited && program.WaitForExit(0, &seen.exitStatus)) {
                seen.exited = true;
                seen.exitedMs = now;
            }
            if ((seen.exited && now - seen.exitedMs >= kAfterExitMs) || now >= timeoutMs)
                break;
            Sleep(kPollMs);
        }
        return seen;
    }

    std::string m_source;
    std::unique_ptr<StandinReport> m_report;
    std::string m_oldBytes, m_newBytes;
    std::string m_newStamp;
};

std::string Describe(const std::vector<BoxSeen>& boxes) {
    std::string text;
    for (const BoxSeen& box : boxes)
        text += "[" + box.caption + ": " + box.text + "] ";
    return text;
}

TEST_F(AutomatedEndToEnd, StartupScriptLineUpdatesWaitsAndStartsThePosProgram) {
    PutNewFileOnTheServer();
    constexpr DWORD kDelayMs = 10000;
    const RunSeen seen =
        Watch("-SRC " + m_source + " -SHELL c:\\pos\\tallyra4.exe -PARAM hostname 69 -DELAY 10",
              kDelayMs + kPauseBeforeLaunchMs + kSlackMs, [](HWND window) {
                  // Waiting: the notice and the animation, and no button.
                  EXPECT_TRUE(ControlVisible(window, IDC_NOTICE));
                  EXPECT_TRUE(ControlVisible(window, IDC_ANIMATE));
                  EXPECT_FALSE(ControlVisible(window, IDCANCEL));
                  EXPECT_FALSE(ControlVisible(window, IDC_UPDATE_NOW));
              });
    EXPECT_TRUE(seen.boxes.empty()) << Describe(seen.boxes);
    ASSERT_TRUE(seen.exited);
    EXPECT_EQ(seen.exitStatus, kAutomatedExitStatus);

    // The point-of-sale program was started, after the wait and the pause,
    // with its parameters, in its own folder.
    ASSERT_NE(seen.launchedMs, 0u) << "the point-of-sale program was not started";
    EXPECT_GE(seen.launchedMs, kDelayMs + kPauseBeforeLaunchMs);
    StandinRun run;
    ASSERT_TRUE(m_report->Wait(0, &run));
    EXPECT_EQ(run.parameters, "  hostname 69");
    EXPECT_STRCASEEQ(run.folder.c_str(), kPosFolder);

    // The update waited DELAY seconds and installed the new file, and the
    // new program was started three seconds after it.
    EXPECT_EQ(ReadBytes(kInstalledFile).value_or(""), m_newBytes)
        << "the new file was not installed";
    EXPECT_EQ(run.version, "new");
    ASSERT_NE(seen.updatedMs, 0u) << "the installed file never took the new one's size and time";
    EXPECT_GE(seen.updatedMs, kDelayMs);
    EXPECT_GE(seen.launchedMs - seen.updatedMs, kPauseBeforeLaunchMs - 2 * kPollMs);
    EXPECT_LE(seen.launchedMs - seen.updatedMs, kPauseBeforeLaunchMs + kSlackMs);
}

TEST_F(AutomatedEndToEnd, MissingUpdateFileStillStartsTheInstalledProgram) {
    const RunSeen seen = Watch("-SRC " + m_source + " -SHELL c:\\pos\\tallyra4.exe -PARAM 1 X",
                               kPauseBeforeLaunchMs + kSlackMs);
    EXPECT_TRUE(seen.boxes.empty()) << Describe(seen.boxes);
    ASSERT_TRUE(seen.exited);
    EXPECT_EQ(seen.exitStatus, kAutomatedExitStatus);
    EXPECT_EQ(ReadBytes(kInstalledFile).value_or(""), m_oldBytes);
    ASSERT_NE(seen.launchedMs, 0u);
    EXPECT_GE(seen.launchedMs, kPauseBeforeLaunchMs);
    StandinRun run;
    ASSERT_TRUE(m_report->Wait(0, &run));
    EXPECT_EQ(run.version, "old");
    EXPECT_EQ(run.parameters, "  1 X");
}

// The record handed to the shell asks for its usual handling of a failure,
// so the shell itself reports the missing file, in a box owned by the main
// window. The program adds none of its own, and the run ends as usual.
TEST_F(AutomatedEndToEnd, FailedLaunchStillEndsTheRunWithStatus2) {
    PutNewFileOnTheServer();
    const RunSeen seen = Watch("-SRC " + m_source + " -SHELL c:\\pos\\missing.exe -PARAM a",
                               kPauseBeforeLaunchMs + kSlackMs);
    ASSERT_TRUE(seen.exited);
    EXPECT_EQ(seen.exitStatus, kAutomatedExitStatus);
    EXPECT_EQ(seen.launchedMs, 0u);
    ASSERT_LE(seen.boxes.size(), 1u) << Describe(seen.boxes);
    for (const BoxSeen& box : seen.boxes) {
        EXPECT_GE(box.atMs, kPauseBeforeLaunchMs) << "a box before the launch";
        EXPECT_NE(box.caption, "Kestrup2") << "a box of the program's own";
        EXPECT_EQ(box.owner, seen.window);
    }
}

TEST_F(AutomatedEndToEnd, EnterWhileWaitingEndsTheRunWithNothingUpdatedOrStarted) {
    PutNewFileOnTheServer();
    const RunSeen seen = Watch(
        "-SRC " + m_source + " -SHELL c:\\pos\\tallyra4.exe -DELAY 10", kSlackMs, [](HWND window) {
            GUITHREADINFO gui = {};
            gui.cbSize = sizeof gui;
            GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui);
            const HWND focus = gui.hwndFocus ? gui.hwndFocus : window;
            PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 1);
            PostMessageA(focus, WM_KEYUP, VK_RETURN, 0xC0000001);
        });
    EXPECT_TRUE(seen.boxes.empty()) << Describe(seen.boxes);
    ASSERT_TRUE(seen.exited);
    EXPECT_LT(seen.exitedMs, 10000u) << "ended only after the wait";
    EXPECT_EQ(ReadBytes(kInstalledFile).value_or(""), m_oldBytes);
    EXPECT_EQ(seen.launchedMs, 0u);
}

} // namespace
