// What goes wrong on a real terminal: files held open or read-only, names
// taken by files, files that vanish or change while a question is open, paths
// that are too long, dates around 2000 and 2038, and local dates that differ
// from UTC.
// Whatever happens, c:\POS\TALLYRA4.EXE stays the old program or becomes the
// new one, and a backup copy that was made stays whole.
#include "PosFiles.h"
#include "UpdateRun.h"

#include "update/Messages.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr char kName[] = "TALLYRA4.EXE";
constexpr char kLongSourceName = 'x';
constexpr size_t kLongSourceLength = 300; // well past MAX_PATH

// Noon UTC keeps the local date in any zone within eleven hours of UTC.
const FileTicks kCurrentTime = UtcTime(2024, 3, 5, 12, 0, 0);
const FileTicks kNewTime = kCurrentTime + kTicksPerDay;
constexpr char kDatedFolder[] = "C:\\pos\\Backup\\TY030524";
constexpr char kBackupCopy[] = "C:\\pos\\Backup\\TY030524\\TALLYRA4.EXE";

// The usual terminal: a program installed and a newer one on the server.
void PrepareTerminal(FileTicks currentTime = kCurrentTime, FileTicks newTime = kNewTime) {
    RemovePosFiles();
    WriteFileAt(kInstalledFile, kOldProgram, currentTime);
    WriteFileAt(kNewFile, kNewProgram, newTime);
}

// c:\POS afterwards: the installed bytes, and the dated backup folder's copy
// (null: no copy; "": the folder alone). The chain c:\pos\backup is made
// whenever a dated folder is.
FolderTree PosTreeWith(const char* installed, const char* backupCopy,
                       const char* datedFolder = "TY030524") {
    FolderTree tree;
    if (installed)
        tree["TALLYRA4.EXE"] = installed;
    if (backupCopy) {
        const std::string folder = std::string("BACKUP\\") + datedFolder;
        tree["BACKUP"] = "<folder>";
        tree[folder] = "<folder>";
        if (*backupCopy)
            tree[folder + "\\TALLYRA4.EXE"] = backupCopy;
    }
    return tree;
}

const ExpectedBox kInstallFailed = Report(Fill(MSG_INSTALL_FAILED, kNewFile, kInstalledFile));
const ExpectedBox kBackedUp = Report(Fill(MSG_UPDATED_BACKED_UP, kName, kName));
const ExpectedBox kNotBackedUp = Report(Fill(MSG_UPDATED_NOT_BACKED_UP, kName, kName));

// An open handle on a file, as the running point-of-sale program holds it.
class OpenHandle {
public:
    OpenHandle(const char* path, DWORD share)
        : m_file(CreateFileA(path, GENERIC_READ, share, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OpenHandle() {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
    }
    OpenHandle(const OpenHandle&) = delete;
    OpenHandle& operator=(const OpenHandle&) = delete;
    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_file;
};

TEST(UpdateFaults, InstalledFileHeldOpenStaysAsItWas) {
    const ExpectedBox backupFailed = Report(Fill(MSG_BACKUP_FAILED, kInstalledFile));
    const struct {
        const char* name;
        DWORD share;
        bool silent;
        bool earlierBackup; // a dated folder holding a copy made earlier
        std::vector<ExpectedBox> boxes;
        const char* backupCopy;
    } cases[] = {
        // Readable, so it is backed up; not deletable, so the rename fails.
        {"shared for reading and writing",
         FILE_SHARE_READ | FILE_SHARE_WRITE,
         false,
         false,
         {kInstallFailed},
         kOldProgram},
        {"shared for reading and writing, silent",
         FILE_SHARE_READ | FILE_SHARE_WRITE,
         true,
         false,
         {},
         kOldProgram},
        // Not even readable: the backup copy fails and nothing is replaced.
        {"not shared at all", 0, false, false, {backupFailed}, ""},
        // The earlier copy is deleted before the new one is made, and stays deleted.
        {"not shared at all, earlier backup",
         0,
         false,
         true,
         {Question(Fill(MSG_BACKUP_FOLDER_EXISTS, kDatedFolder)), backupFailed},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareTerminal();
        if (c.earlierBackup)
            WriteFileAt(kBackupCopy, "earlier", kCurrentTime);
        {
            OpenHandle held(kInstalledFile, c.share);
            ASSERT_TRUE(held.IsOpen());
            UpdateRun run;
            run.silent = c.silent;
            ExpectBoxes(RunUpdate(run), c.boxes, c.name);
        }
        EXPECT_EQ(Snapshot(kPosFolder), PosTreeWith(kOldProgram, c.backupCopy));
    }
}

TEST(UpdateFaults, ReadOnlyInstalledFileIsReplacedWholeOrNotAtAll) {
    PrepareTerminal();
    SetFileAttributesA(kInstalledFile, FILE_ATTRIBUTE_READONLY);
    const UpdateOutcome outcome = RunUpdate(UpdateRun());
    // Windows refuses to replace a read-only file; Wine replaces it.
    const std::optional<std::string> installed = ReadBytes(kInstalledFile);
    if (installed == std::string(kOldProgram)) {
        ExpectBoxes(outcome, {kInstallFailed}, "kept");
    } else {
        EXPECT_EQ(installed, std::string(kNewProgram));
        ExpectBoxes(outcome, {kBackedUp}, "replaced");
    }
    EXPECT_EQ(Snapshot(kPosFolder), PosTreeWith(installed ? installed->c_str() : "", kOldProgram));
}

TEST(UpdateFaults, ReadOnlyNewFileIsInstalledWhole) {
    PrepareTerminal();
    SetFileAttributesA(kNewFile, FILE_ATTRIBUTE_READONLY);
    ExpectBoxes(RunUpdate(UpdateRun()), {kBackedUp}, "read-only new file");
    EXPECT_EQ(Snapshot(kPosFolder), PosTreeWith(kNewProgram, kOldProgram));
    EXPECT_EQ(LastWrite(kInstalledFile), kNewTime);
}

TEST(UpdateFaults, NamesTakenByFiles) {
    const struct {
        const char* name;
        const char* file; // made as a file in place of a folder
        bool installedFile;
        std::vector<int> answers;
        std::vector<ExpectedBox> boxes;
        FolderTree after;
    } cases[] = {
        {"backup root is a file",
         "C:\\pos\\Backup",
         true,
         {},
         {SystemError(ERROR_ALREADY_EXISTS)},
         {{"TALLYRA4.EXE", kOldProgram}, {"BACKUP", "a file"}}},
        {"dated backup folder is a file",
         kDatedFolder,
         true,
         {IDYES},
         {Question(Fill(MSG_BACKUP_FOLDER_EXISTS, kDatedFolder)),
          Report(Fill(MSG_BACKUP_FAILED, kInstalledFile))},
         {{"TALLYRA4.EXE", kOldProgram}, {"BACKUP", "<folder>"}, {"BACKUP\\TY030524", "a file"}}},
        // Then there is no current file either: straight to the installation.
        {"target folder is a file", kPosFolder, false, {}, {kInstallFailed}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareTerminal();
        if (!c.installedFile)
            RemoveTree(kPosFolder);
        WriteFileAt(c.file, "a file", kCurrentTime);
        UpdateRun run;
        run.answers = c.answers;
        ExpectBoxes(RunUpdate(run), c.boxes, c.name);
        EXPECT_EQ(Snapshot(kPosFolder), c.after);
        EXPECT_EQ(ReadBytes(c.file), std::string("a file"));

        // Silent mode meets the same failure without a word.
        PrepareTerminal();
        if (!c.installedFile)
            RemoveTree(kPosFolder);
        WriteFileAt(c.file, "a file", kCurrentTime);
        run.silent = true;
        ExpectBoxes(RunUpdate(run), {}, std::string(c.name) + ", silent");
        EXPECT_EQ(Snapshot(kPosFolder), c.after);
    }
}

TEST(UpdateFaults, FilesThatChangeWhileAQuestionIsOpen) {
    const ExpectedBox same = Question(Fill(MSG_FILES_SAME, kName));
    const ExpectedBox sourceMissing = Report(Fill(MSG_BACKUP_SOURCE_MISSING, kInstalledFile));
    const struct {
        const char* name;
        std::function<void(size_t)> onBox;
        std::vector<ExpectedBox> boxes;
        const char* installed;
        const char* backupCopy;
    } cases[] = {
        {"update file",
         [](size_t box) {
             if (box == 0)
                 RemoveTree(kNewFile);
         },
         {same, Report(Fill(MSG_NEW_FILE_MISSING, kNewFile))},
         kOldProgram,
         kOldProgram},
        // The program has gone: nothing left to lose, so the new one goes in.
        {"installed file",
         [](size_t box) {
             if (box == 0)
                 RemoveTree(kInstalledFile);
         },
         {same, sourceMissing, kNotBackedUp},
         kNewProgram,
         ""},
        // ...but only into the empty place: a program that has come back is
        // not replaced without a backup copy.
        {"installed file, back before the installation",
         [](size_t box) {
             if (box == 0)
                 RemoveTree(kInstalledFile);
             if (box == 1)
                 WriteFileAt(kInstalledFile, kOldProgram, kCurrentTime);
         },
         {same, sourceMissing, kInstallFailed},
         kOldProgram,
         ""},
        // Another run has installed the new program: it is not the program the
        // dated folder was named after, so no copy of it goes there.
        {"installed file replaced by the new program",
         [](size_t box) {
             if (box == 0)
                 WriteFileAt(kInstalledFile, kNewProgram, kNewTime);
         },
         {same, Report(Fill(MSG_BACKUP_FAILED, kInstalledFile))},
         kNewProgram,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareTerminal(kCurrentTime, kCurrentTime);
        UpdateRun run;
        run.answers = {IDYES};
        run.onBox = c.onBox;
        ExpectBoxes(RunUpdate(run), c.boxes, c.name);
        EXPECT_EQ(Snapshot(kPosFolder), PosTreeWith(c.installed, c.backupCopy));
    }
}

TEST(UpdateFaults, SourcePathLongerThanMaxPathFindsNoUpdateFile) {
    PrepareTerminal();
    const FolderTree before = Snapshot(kPosFolder);
    const std::string source = "c:\\" + std::string(kLongSourceLength, kLongSourceName);
    const std::string arguments = "-SRC " + source;
    UpdateRun run;
    run.arguments = arguments.c_str();
    ExpectBoxes(RunUpdate(run),
                {Report(Fill(MSG_NO_UPDATE_FILE, (source + "\\TALLYRA4.EXE").c_str()))},
                "long source");
    EXPECT_EQ(Snapshot(kPosFolder), before);
}

TEST(UpdateFaults, FileDatesAcrossTheCenturyAnd2038) {
    const struct {
        FileTicks current;
        FileTicks update;
        const char* datedFolder;
        bool olderQuestion;
    } cases[] = {
        {UtcTime(1999, 12, 31, 12, 0, 0), UtcTime(2000, 1, 1, 12, 0, 0), "TY123199", false},
        {UtcTime(2000, 1, 1, 12, 0, 0), UtcTime(1999, 12, 31, 12, 0, 0), "TY010100", true},
        {UtcTime(2037, 6, 15, 12, 0, 0), UtcTime(2040, 2, 29, 12, 0, 0), "TY061537", false},
        {UtcTime(2040, 2, 29, 12, 0, 0), UtcTime(2037, 6, 15, 12, 0, 0), "TY022940", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.datedFolder);
        PrepareTerminal(c.current, c.update);
        UpdateRun run;
        std::vector<ExpectedBox> boxes;
        if (c.olderQuestion)
            boxes.push_back(Question(Fill(MSG_NEW_FILE_OLDER, kName)));
        boxes.push_back(kBackedUp);
        ExpectBoxes(RunUpdate(run), boxes, c.datedFolder);
        EXPECT_EQ(Snapshot(kPosFolder), PosTreeWith(kNewProgram, kOldProgram, c.datedFolder));
    }
}

TEST(UpdateFaults, ReplaceQuestionShowsDatesAfter2038) {
    PrepareTerminal(UtcTime(2040, 2, 29, 12, 0, 0), UtcTime(2041, 10, 1, 12, 0, 0));
    WriteFileAt("C:\\pos\\Backup\\TY022940\\TALLYRA4.EXE", "earlier", kCurrentTime);
    UpdateRun run;
    run.answers = {IDNO, IDNO};
    ExpectBoxes(
        RunUpdate(run),
        {Question(Fill(MSG_BACKUP_FOLDER_EXISTS, "C:\\pos\\Backup\\TY022940")),
         Question(Fill(MSG_REPLACE_WITHOUT_BACKUP, kName, 2, 29, 2040, kName, 10, 1, 2041))},
        "2040");
    EXPECT_EQ(Snapshot(kPosFolder), PosTreeWith(kOldProgram, "earlier", "TY022940"));
}

// Run as update_time_zone_tests, with TZ=EST5EDT: the local date is the
// file's own, by the daylight-saving rule at the file's date, not today's.
constexpr char kTimeZone[] = "EST5EDT";

TEST(UpdateTimeZone, BackupFolderTakesTheLocalDateAtTheFilesTime) {
    const char* zone = std::getenv("TZ");
    if (!zone || std::string(zone) != kTimeZone)
        GTEST_SKIP() << "needs TZ=" << kTimeZone;
    const struct {
        FileTicks current;
        const char* datedFolder;
    } cases[] = {
        {UtcTime(2024, 3, 6, 2, 30, 0), "TY030524"},  // 21:30 EST the day before
        {UtcTime(2024, 1, 15, 4, 30, 0), "TY011424"}, // 23:30 EST; summer time would say the 15th
        {UtcTime(2024, 7, 4, 4, 30, 0), "TY070424"},  // 00:30 EDT; winter time would say the 3rd
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.datedFolder);
        PrepareTerminal(c.current, c.current + kTicksPerDay);
        ExpectBoxes(RunUpdate(UpdateRun()), {kBackedUp}, c.datedFolder);
        EXPECT_EQ(Snapshot(kPosFolder), PosTreeWith(kNewProgram, kOldProgram, c.datedFolder));
    }
}

TEST(UpdateTimeZone, ReplaceQuestionShowsLocalDates) {
    const char* zone = std::getenv("TZ");
    if (!zone || std::string(zone) != kTimeZone)
        GTEST_SKIP() << "needs TZ=" << kTimeZone;
    PrepareTerminal(UtcTime(2024, 3, 6, 2, 30, 0), UtcTime(2024, 7, 5, 3, 30, 0));
    WriteFileAt("C:\\pos\\Backup\\TY030524\\TALLYRA4.EXE", "earlier", kCurrentTime);
    UpdateRun run;
    run.answers = {IDNO, IDNO};
    ExpectBoxes(RunUpdate(run),
                {Question(Fill(MSG_BACKUP_FOLDER_EXISTS, kDatedFolder)),
                 Question(Fill(MSG_REPLACE_WITHOUT_BACKUP, kName, 3, 5, 2024, kName, 7, 4, 2024))},
                "local dates");
}

} // namespace
