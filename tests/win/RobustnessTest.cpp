// Faults around the update that a terminal meets and that no single part of
// the program is tested against alone: a source share that cannot be reached,
// two runs started at once on the same files, and the installed program
// replaced by another run while this one asks about the backup folder. In
// every case the installed program is the old one or the new one, whole; the
// backup copy of the old one is never lost; and an unattended run ends by
// itself with status 2, having started the point-of-sale program.
#include "PosFiles.h"
#include "StandinProgram.h"
#include "TestFiles.h"
#include "UpdateRun.h"
#include "WindowDriver.h"

#include "update/Messages.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kProgram = ModuleFolder() + "\\Kestrup2.exe";
constexpr char kName[] = "TALLYRA4.EXE";
constexpr char kUnattendedOptions[] = " -SHELL c:\\pos\\tallyra4.exe -PARAM robust 1 -DELAY 0";
constexpr DWORD kAutomatedExitStatus = 2;
constexpr DWORD kPollMs = 20;
// An unattended run with no wait takes a little over its 3000 ms pause; a
// run that has not ended long after that hangs.
constexpr DWORD kRunLimitMs = 30000;
constexpr DWORD kReportWaitMs = 10000;
constexpr int kTwoRunRounds = 4;
constexpr char kRoundsVariable[] = "KESTRUP_TWO_RUN_ROUNDS";

constexpr char kPosProgramImage[] = "TALLYRA4.EXE";

// Noon UTC keeps these dates in any zone within eleven hours of UTC.
const FileTicks kOldTime = UtcTime(2024, 3, 5, 12, 0, 0);
const FileTicks kNewTime = UtcTime(2024, 6, 1, 12, 0, 0);
constexpr char kOldDatedFolder[] = "BACKUP\\TY030524";
constexpr char kNewDatedFolder[] = "BACKUP\\TY060124";

// A terminal with the old stand-in installed and the new one on the share,
// each with a date of its own.
struct Terminal {
    std::string oldBytes, newBytes;
};

bool PosProgramRuns() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found;
         more = Process32Next(snapshot, &entry))
        found = lstrcmpiA(entry.szExeFile, kPosProgramImage) == 0;
    CloseHandle(snapshot);
    return found;
}

// A program file cannot be removed while it runs: the stand-ins that the
// last run started end first.
void WaitUntilNoPosProgramRuns() {
    const DWORD start = GetTickCount();
    while (PosProgramRuns() && GetTickCount() - start < kReportWaitMs)
        Sleep(kPollMs);
}

Terminal PrepareTerminal() {
    WaitUntilNoPosProgramRuns();
    RemovePosFiles();
    Terminal terminal = {ReadBytes(StandinPath(StandinBuild::Old)).value_or(""),
                         ReadBytes(StandinPath(StandinBuild::New)).value_or("")};
    WriteFileAt(kInstalledFile, terminal.oldBytes, kOldTime);
    WriteFileAt(kNewFile, terminal.newBytes, kNewTime);
    return terminal;
}

// What one unattended run did, watched from outside.
struct RunSeen {
    bool ended = false;
    DWORD exitStatus = 0;
    std::vector<std::string> boxes; // the text of every message box it showed
};

// Watches running programs until all have ended or the limit has passed,
// pressing OK on any box so that a run can go on.
std::vector<RunSeen> WatchUntilEnded(std::vector<std::unique_ptr<ProgramUnderTest>>& programs) {
    std::vector<RunSeen> seen(programs.size());
    std::vector<std::vector<HWND>> answered(programs.size());
    const DWORD start = GetTickCount();
    for (;;) {
        bool allEnded = true;
        for (size_t i = 0; i < programs.size(); ++i) {
            if (seen[i].ended)
                continue;
            if (const HWND box = programs[i]->WaitForMessageBox(0)) {
                bool known = false;
                for (HWND old : answered[i])
                    known = known || old == box;
                if (!known) {
                    answered[i].push_back(box);
                    seen[i].boxes.push_back(MessageBoxText(box));
                    PressButton(box, IDOK);
                }
            }
            seen[i].ended = programs[i]->WaitForExit(0, &seen[i].exitStatus);
            allEnded = allEnded && seen[i].ended;
        }
        if (allEnded || GetTickCount() - start > kRunLimitMs)
            return seen;
        Sleep(kPollMs);
    }
}

RunSeen RunUnattended(const std::string& source) {
    std::vector<std::unique_ptr<ProgramUnderTest>> programs;
    programs.push_back(
        std::make_unique<ProgramUnderTest>(kProgram, "-SRC " + source + kUnattendedOptions));
    EXPECT_TRUE(programs[0]->Started());
    return WatchUntilEnded(programs)[0];
}

// A drive letter that names nothing in this prefix.
std::string UnmappedDrive() {
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y'; ++letter)
        if (!(drives & (1u << (letter - 'A'))))
            return std::string(1, letter) + ":";
    return "";
}

// The temporary files of an installation that did not finish: none may stay.
void ExpectNoTemporaryFiles(const FolderTree& tree) {
    for (const auto& entry : tree)
        EXPECT_EQ(entry.first.find(".TMP"), std::string::npos) << "left behind: " << entry.first;
}

TEST(Robustness, UnreachableSourceStillStartsTheInstalledProgram) {
    const std::string unmapped = UnmappedDrive();
    ASSERT_FALSE(unmapped.empty());
    const struct {
        const char* name;
        std::string source;
    } cases[] = {
        {"a server that does not exist", "\\\\kestrup-no-such-host\\c\\terminal"},
        {"a share on this machine that does not exist", "\\\\localhost\\no-such-share"},
        {"a drive letter mapped to nothing", unmapped + "\\terminal"},
        {"a folder that does not exist", "c:\\no-such-share\\terminal"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Terminal terminal = PrepareTerminal();
        const FolderTree before = Snapshot(kPosFolder);
        StandinReport report(FreshTestFolder("robustness") + "\\report.txt");
        const RunSeen seen = RunUnattended(c.source);
        ASSERT_TRUE(seen.ended) << "the run hangs";
        EXPECT_EQ(seen.exitStatus, kAutomatedExitStatus);
        EXPECT_TRUE(seen.boxes.empty()) << seen.boxes.front();
        EXPECT_TRUE(Snapshot(kPosFolder) == before) << "c:\\POS changed";
        StandinRun run;
        ASSERT_TRUE(report.Wait(kReportWaitMs, &run)) << "the installed program was not started";
        EXPECT_EQ(run.version, StandinVersion(StandinBuild::Old));
    }
}

// Two unattended runs started at the same moment on the same files, as a
// start-up script run twice would start them. Whichever way they interleave,
// the old program's backup copy survives.
TEST(Robustness, TwoUnattendedRunsAtOnce) {
    int rounds = kTwoRunRounds;
    if (const char* wanted = std::getenv(kRoundsVariable))
        rounds = std::max(1, std::atoi(wanted));
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const Terminal terminal = PrepareTerminal();
        StandinReport report(FreshTestFolder("robustness") + "\\report.txt");
        std::vector<std::unique_ptr<ProgramUnderTest>> programs;
        const std::string arguments = std::string("-SRC ") + kSourceFolder + kUnattendedOptions;
        programs.push_back(std::make_unique<ProgramUnderTest>(kProgram, arguments));
        programs.push_back(std::make_unique<ProgramUnderTest>(kProgram, arguments));
        const std::vector<RunSeen> seen = WatchUntilEnded(programs);
        for (const RunSeen& run : seen) {
            ASSERT_TRUE(run.ended) << "a run hangs";
            EXPECT_EQ(run.exitStatus, kAutomatedExitStatus);
            EXPECT_TRUE(run.boxes.empty()) << run.boxes.front();
        }

        const FolderTree after = Snapshot(kPosFolder);
        const std::string installed = after.count(kName) ? after.at(kName) : "<missing>";
        EXPECT_TRUE(installed == terminal.newBytes || installed == terminal.oldBytes)
            << "the installed program is neither the old one nor the new one";
        const std::string oldCopy = std::string(kOldDatedFolder) + "\\" + kName;
        ASSERT_TRUE(after.count(oldCopy)) << "no backup copy of the old program";
        EXPECT_TRUE(after.at(oldCopy) == terminal.oldBytes)
            << "the old program's backup copy is not the old program";
        // A run that came after the other had finished backs up the new
        // program, into the folder of the new program's date.
        const std::string newCopy = std::string(kNewDatedFolder) + "\\" + kName;
        if (after.count(newCopy)) {
            EXPECT_TRUE(after.at(newCopy) == terminal.newBytes);
        }
        ExpectNoTemporaryFiles(after);
    }
}

// Another run replaces the installed program while this one asks whether to
// overwrite the backup folder, which that other run has just filled. The
// answer Yes must not put the new program into the old program's dated
// folder, where the only copy of the old program is.
TEST(Robustness, ProgramReplacedByAnotherRunWhileTheBackupQuestionIsOpen) {
    const Terminal terminal = PrepareTerminal();
    const std::string oldCopy = std::string(kBackupRoot) + "\\TY030524\\" + kName;
    WriteFileAt(oldCopy, terminal.oldBytes, kOldTime);
    UpdateRun run;
    run.answers = {IDYES};
    run.onBox = [&terminal](size_t box) {
        if (box == 0) // the other run's installation
            WriteFileAt(kInstalledFile, terminal.newBytes, kNewTime);
    };
    const UpdateOutcome outcome = RunUpdate(run);
    ASSERT_GE(outcome.boxes.size(), 1u);
    // Program files: compared, not printed.
    EXPECT_TRUE(ReadBytes(oldCopy) == terminal.oldBytes)
        << "the old program's backup copy was lost";
    EXPECT_TRUE(ReadBytes(kInstalledFile) == terminal.newBytes);
    ExpectBoxes(outcome,
                {Question(Fill(MSG_BACKUP_FOLDER_EXISTS, "C:\\pos\\Backup\\TY030524")),
                 Report(Fill(MSG_BACKUP_FAILED, kInstalledFile))},
                "replaced while asking");
    ExpectNoTemporaryFiles(Snapshot(kPosFolder));
}

} // namespace
