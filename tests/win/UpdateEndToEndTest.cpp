// The built program started from outside with a source folder: a person
// presses "UpDate Now", reads each box and answers it, and the files on the
// test prefix's drive c: show the outcome once the program has ended.
#include "PosFiles.h"
#include "UpdateRun.h"
#include "WindowDriver.h"

#include "res/resource.h"
#include "update/Messages.h"

#include <gtest/gtest.h>

namespace {

const std::string kProgram = ModuleFolder() + "\\Kestrup2.exe";
constexpr char kArguments[] = "-SRC c:\\UpdateSource";
constexpr char kCaption[] = "Kestrup2"; // the program's file name
constexpr char kName[] = "TALLYRA4.EXE";
constexpr DWORD kWaitMs = 10000;
constexpr DWORD kPollMs = 20;
constexpr char kBackupCopy[] = "C:\\pos\\Backup\\TY030524\\TALLYRA4.EXE";

// Noon UTC keeps the local date, 5 March 2024, in any zone within eleven hours of UTC.
const FileTicks kCurrentTime = UtcTime(2024, 3, 5, 12, 0, 0);

bool WaitUntilClosed(HWND window) {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > kWaitMs)
            return false;
        Sleep(kPollMs);
    }
    return true;
}

// A person at the screen: waits for the next box of the program, reads it and
// presses a button; returns what the box said.
std::string Answer(const ProgramUnderTest& program, HWND mainWindow, int button) {
    const HWND box = program.WaitForMessageBox(kWaitMs);
    if (!box)
        return "<no box>";
    const std::string text = MessageBoxText(box);
    EXPECT_EQ(WindowText(box), kCaption) << text;
    EXPECT_EQ(GetWindow(box, GW_OWNER), mainWindow) << text;
    PressButton(box, button);
    EXPECT_TRUE(WaitUntilClosed(box)) << text;
    return text;
}

void Exit(const ProgramUnderTest& program, HWND mainWindow) {
    PressButton(mainWindow, IDCANCEL);
    EXPECT_TRUE(program.WaitForExit(kWaitMs));
}

void PrepareTerminal() {
    RemovePosFiles();
    WriteFileAt(kInstalledFile, kOldProgram, kCurrentTime);
    WriteFileAt(kNewFile, kNewProgram, kCurrentTime + kTicksPerDay);
}

TEST(UpdateEndToEnd, UpdateThenPressAgainAndDecline) {
    PrepareTerminal();
    ProgramUnderTest program(kProgram, kArguments);
    const HWND window = program.WaitForWindow("Kestrup 2");
    ASSERT_NE(window, nullptr);

    PressButton(window, IDC_UPDATE_NOW);
    EXPECT_EQ(Answer(program, window, IDOK), Fill(MSG_UPDATED_BACKED_UP, kName, kName));
    // The window stays; the installed file is now the new one, to the second.
    PressButton(window, IDC_UPDATE_NOW);
    EXPECT_EQ(Answer(program, window, IDNO), Fill(MSG_FILES_SAME, kName));
    Exit(program, window);

    EXPECT_EQ(ReadBytes(kInstalledFile), std::string(kNewProgram));
    EXPECT_EQ(ReadBytes(kBackupCopy), std::string(kOldProgram));
}

TEST(UpdateEndToEnd, ExistingBackupFolderDeclinedThenReplaceWithoutBackup) {
    PrepareTerminal();
    WriteFileAt(kBackupCopy, "earlier backup", kCurrentTime);
    ProgramUnderTest program(kProgram, kArguments);
    const HWND window = program.WaitForWindow("Kestrup 2");
    ASSERT_NE(window, nullptr);

    PressButton(window, IDC_UPDATE_NOW);
    EXPECT_EQ(Answer(program, window, IDNO),
              Fill(MSG_BACKUP_FOLDER_EXISTS, "C:\\pos\\Backup\\TY030524"));
    const std::string replace = Answer(program, window, IDYES);
    EXPECT_NE(replace.find("Dated 03/05/2024"), std::string::npos) << replace;
    EXPECT_NE(replace.find("Dated 03/06/2024"), std::string::npos) << replace;
    EXPECT_EQ(Answer(program, window, IDOK), Fill(MSG_UPDATED_NOT_BACKED_UP, kName, kName));
    Exit(program, window);

    EXPECT_EQ(ReadBytes(kInstalledFile), std::string(kNewProgram));
    EXPECT_EQ(ReadBytes(kBackupCopy), std::string("earlier backup"));
}

TEST(UpdateEndToEnd, MissingUpdateFileIsReportedAndNothingChanges) {
    PrepareTerminal();
    RemoveTree(kNewFile);
    const FolderTree before = Snapshot(kPosFolder);
    ProgramUnderTest program(kProgram, kArguments);
    const HWND window = program.WaitForWindow("Kestrup 2");
    ASSERT_NE(window, nullptr);

    PressButton(window, IDC_UPDATE_NOW);
    EXPECT_EQ(Answer(program, window, IDOK), Fill(MSG_NO_UPDATE_FILE, kNewFile));
    Exit(program, window);

    EXPECT_EQ(Snapshot(kPosFolder), before);
}

} // namespace
