// "UpDate Now" on the real drive c: of the test prefix: every way through the
// questions, with the boxes shown and the files on disk after each run.
#include "PosFiles.h"
#include "UpdateRun.h"

#include "update/Messages.h"

#include <gtest/gtest.h>

namespace {

constexpr char kName[] = "TALLYRA4.EXE";
constexpr char kEarlierBackup[] = "a backup made earlier the same day";

// Noon UTC keeps the local date (5 March 2024) in any zone within eleven
// hours of UTC; time zones have a test of their own.
const FileTicks kCurrentTime = UtcTime(2024, 3, 5, 12, 0, 0) + 7 * kTicksPerSecond / 10;
constexpr char kDatedFolder[] = "C:\\pos\\Backup\\TY030524";
constexpr char kBackupCopy[] = "C:\\pos\\Backup\\TY030524\\TALLYRA4.EXE";

enum class NewFile { Missing, Newer, Older, SameSecond };

FileTicks NewFileTime(NewFile kind) {
    switch (kind) {
    case NewFile::Older:
        return kCurrentTime - kTicksPerDay;
    case NewFile::SameSecond: // earlier by a fraction, but within the same whole second
        return UtcTime(2024, 3, 5, 12, 0, 0) + 2 * kTicksPerSecond / 10;
    default:
        return kCurrentTime + kTicksPerDay;
    }
}

struct Terminal {
    bool currentFile;
    NewFile newFile;
    bool datedFolder; // holding a backup copy made earlier
};

void Prepare(const Terminal& terminal) {
    RemovePosFiles();
    MakeFolder(kSourceFolder);
    if (terminal.currentFile)
        WriteFileAt(kInstalledFile, kOldProgram, kCurrentTime);
    if (terminal.newFile != NewFile::Missing)
        WriteFileAt(kNewFile, kNewProgram, NewFileTime(terminal.newFile));
    if (terminal.datedFolder)
        WriteFileAt(kBackupCopy, kEarlierBackup, kCurrentTime - 3600 * kTicksPerSecond);
}

// installed, backupCopy: the bytes, or null for no file; backupCopy also
// means the dated folder, and the dated folder means the backup root.
FolderTree ExpectedPosTree(const char* installed, bool backupRoot, const char* backupCopy) {
    FolderTree tree;
    if (installed)
        tree["TALLYRA4.EXE"] = installed;
    if (backupRoot)
        tree["BACKUP"] = "<folder>";
    if (backupCopy) {
        tree["BACKUP\\TY030524"] = "<folder>";
        tree["BACKUP\\TY030524\\TALLYRA4.EXE"] = backupCopy;
    }
    return tree;
}

struct Row {
    const char* name;
    Terminal terminal;
    const char* arguments;
    bool silent;
    std::vector<int> answers;
    std::vector<ExpectedBox> boxes;
    // Afterwards:
    const char* installed;
    bool backupRoot;
    const char* backupCopy;
};

void RunRow(const Row& row) {
    SCOPED_TRACE(row.name);
    Prepare(row.terminal);
    const FolderTree sourceBefore = Snapshot(kSourceFolder);

    UpdateRun run;
    run.arguments = row.arguments;
    run.silent = row.silent;
    run.answers = row.answers;
    ExpectBoxes(RunUpdate(run), row.boxes, row.name);

    EXPECT_EQ(Snapshot(kPosFolder), ExpectedPosTree(row.installed, row.backupRoot, row.backupCopy));
    EXPECT_EQ(Snapshot(kSourceFolder), sourceBefore);
    // Copies keep the last-write time of what they copy.
    if (row.installed == kNewProgram) {
        EXPECT_EQ(LastWrite(kInstalledFile), LastWrite(kNewFile));
    } else if (row.installed == kOldProgram) {
        EXPECT_EQ(LastWrite(kInstalledFile), kCurrentTime);
    }
    if (row.backupCopy == kOldProgram) {
        EXPECT_EQ(LastWrite(kBackupCopy), kCurrentTime);
    }
}

const char kSource[] = "-SRC c:\\UpdateSource";

TEST(Update, EveryWayThroughTheQuestions) {
    const ExpectedBox older = Question(Fill(MSG_NEW_FILE_OLDER, kName));
    const ExpectedBox same = Question(Fill(MSG_FILES_SAME, kName));
    const ExpectedBox folderExists = Question(Fill(MSG_BACKUP_FOLDER_EXISTS, kDatedFolder));
    const ExpectedBox withoutBackup =
        Question(Fill(MSG_REPLACE_WITHOUT_BACKUP, kName, 3, 5, 2024, kName, 3, 6, 2024));
    const ExpectedBox backedUp = Report(Fill(MSG_UPDATED_BACKED_UP, kName, kName));
    const ExpectedBox notBackedUp = Report(Fill(MSG_UPDATED_NOT_BACKED_UP, kName, kName));
    const ExpectedBox noUpdateFile = Report(Fill(MSG_NO_UPDATE_FILE, kNewFile));

    const Terminal fresh = {false, NewFile::Newer, false};
    const Terminal newer = {true, NewFile::Newer, false};
    const Terminal olderFile = {true, NewFile::Older, false};
    const Terminal sameSecond = {true, NewFile::SameSecond, false};
    const Terminal folder = {true, NewFile::Newer, true};
    const Terminal olderAndFolder = {true, NewFile::Older, true};
    const Terminal noNewFile = {true, NewFile::Missing, false};

    const Row rows[] = {
        {"no current file", fresh, kSource, false, {}, {notBackedUp}, kNewProgram, false, nullptr},
        {"newer", newer, kSource, false, {}, {backedUp}, kNewProgram, true, kOldProgram},
        {"older, Yes",
         olderFile,
         kSource,
         false,
         {IDYES},
         {older, backedUp},
         kNewProgram,
         true,
         kOldProgram},
        {"older, No", olderFile, kSource, false, {IDNO}, {older}, kOldProgram, false, nullptr},
        {"same second, Yes",
         sameSecond,
         kSource,
         false,
         {IDYES},
         {same, backedUp},
         kNewProgram,
         true,
         kOldProgram},
        {"same second, No",
         sameSecond,
         kSource,
         false,
         {IDNO},
         {same},
         kOldProgram,
         false,
         nullptr},
        {"dated folder exists, Yes",
         folder,
         kSource,
         false,
         {IDYES},
         {folderExists, backedUp},
         kNewProgram,
         true,
         kOldProgram},
        {"dated folder exists, No then Yes",
         folder,
         kSource,
         false,
         {IDNO, IDYES},
         {folderExists, withoutBackup, notBackedUp},
         kNewProgram,
         true,
         kEarlierBackup},
        {"dated folder exists, No then No",
         folder,
         kSource,
         false,
         {IDNO, IDNO},
         {folderExists, withoutBackup},
         kOldProgram,
         true,
         kEarlierBackup},
        {"older and dated folder exists, Yes and Yes",
         olderAndFolder,
         kSource,
         false,
         {IDYES, IDYES},
         {older, folderExists, backedUp},
         kNewProgram,
         true,
         kOldProgram},
        {"missing update file",
         noNewFile,
         kSource,
         false,
         {},
         {noUpdateFile},
         kOldProgram,
         false,
         nullptr},
        {"missing update file, source ends in a backslash",
         noNewFile,
         "-SRC c:\\UpdateSource\\",
         false,
         {},
         {Report(Fill(MSG_NO_UPDATE_FILE, "c:\\UpdateSource\\\\TALLYRA4.EXE"))},
         kOldProgram,
         false,
         nullptr},
        {"empty source", newer, "-SRC", false, {}, {}, kOldProgram, false, nullptr},

        {"silent, no current file", fresh, kSource, true, {}, {}, kNewProgram, false, nullptr},
        {"silent, newer", newer, kSource, true, {}, {}, kNewProgram, true, kOldProgram},
        {"silent, older", olderFile, kSource, true, {}, {}, kNewProgram, true, kOldProgram},
        {"silent, same second", sameSecond, kSource, true, {}, {}, kNewProgram, true, kOldProgram},
        {"silent, dated folder exists",
         folder,
         kSource,
         true,
         {},
         {},
         kNewProgram,
         true,
         kOldProgram},
        {"silent, missing update file",
         noNewFile,
         kSource,
         true,
         {},
         {},
         kOldProgram,
         false,
         nullptr},
    };
    for (const Row& row : rows)
        RunRow(row);
}

TEST(Update, EachPressRunsTheWholeProcedureAgain) {
    Prepare({true, NewFile::Newer, false});
    UpdateRun run;
    ExpectBoxes(RunUpdate(run), {Report(Fill(MSG_UPDATED_BACKED_UP, kName, kName))}, "first");
    // Now the installed file is the new one, to the second.
    run.answers = {IDNO};
    ExpectBoxes(RunUpdate(run), {Question(Fill(MSG_FILES_SAME, kName))}, "second");
    EXPECT_EQ(ReadBytes(kInstalledFile), std::string(kNewProgram));
    EXPECT_EQ(ReadBytes(kBackupCopy), std::string(kOldProgram));
}

} // namespace
