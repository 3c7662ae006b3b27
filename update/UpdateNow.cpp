// The update procedure: checks the new and the current file, saves the current
// one into a backup folder named after its own date, installs the new one and
// reports the outcome. A failed step ends the run; nothing done is undone.
#include "ui/UpdateDlg.h"

#include "BackupFolderName.h"
#include "Messages.h"
#include "SafeInstall.h"
#include "framework/CFile.h"
#include "framework/MessageBox.h"

namespace {
constexpr char kTargetName[] = "TALLYRA4.EXE";
constexpr char kTargetFolder[] = "c:\\POS";
constexpr char kBackupRoot[] = "C:\\pos\\Backup";
// The folders above the backup root, tested and made by these names.
constexpr char kPosFolder[] = "c:\\pos";
constexpr char kPosBackupFolder[] = "c:\\pos\\backup";
constexpr char kSeparator[] = "\\";

enum class Backup { Made, None };

// What a run shows the user: nothing at all in silent mode, where every
// question takes the answer that goes on.
class Dialogue {
public:
    Dialogue(const CWnd& owner, bool silent) : m_owner(owner), m_silent(silent) {}

    bool Ask(const CString& question) const {
        return m_silent || AfxMessageBox(question, MB_YESNO) == IDYES;
    }
    void Report(const CString& report) const {
        if (!m_silent)
            AfxMessageBox(report, MB_OK);
    }
    void ReportSystemError(DWORD errorCode) const {
        if (!m_silent)
            ShowSystemErrorBox(m_owner, errorCode);
    }

private:
    const CWnd& m_owner;
    bool m_silent;
};

// A file held open for reading, sharing reading and writing as the running
// point-of-sale program may: while it is held it cannot be deleted, renamed
// or replaced, by another run of this program say. Held only if it can be
// opened so.
class HeldFile {
public:
    explicit HeldFile(const char* path)
        : m_file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool IsHeld() const { return m_file != INVALID_HANDLE_VALUE; }
    void Release() {
        if (IsHeld())
            ::CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_file;
};

struct UpdatePaths {
    CString newFile;
    CString currentFile;
    CString targetFolder;
    CString targetName;
};

const char* Text(const CString& text) {
    return text;
}

// The calendar date of a time in the local time zone, by the daylight-saving
// rule in force at that time. A time the system cannot convert (none that a
// file system gives) reads as zeros.
FileDate LocalDateOf(CTime time) {
    std::tm fields;
    if (!time.GetLocalTm(fields))
        return FileDate();
    return FileDateFromTm(fields);
}

// Makes one folder level; on failure `error` holds the system's reason.
bool MakeFolder(const char* path, DWORD& error) {
    if (::CreateDirectoryA(path, nullptr))
        return true;
    error = ::GetLastError();
    return false;
}

// The folders down to the backup root, each made when it is missing. Any
// entry counts for the two fixed folders, only a folder for the backup root.
// False, after the reports, when one cannot be made.
bool MakeFolderChain(const Dialogue& dialogue, const CString& backupRoot) {
    CFileStatus folder;
    DWORD error = 0;
    if (!CFile::GetStatus(kPosFolder, folder) && !MakeFolder(kPosFolder, error)) {
        dialogue.ReportSystemError(error);
        dialogue.Report(MSG_POS_FOLDER_FAILED);
        return false;
    }
    if (!CFile::GetStatus(kPosBackupFolder, folder) && !MakeFolder(kPosBackupFolder, error)) {
        dialogue.ReportSystemError(error);
        dialogue.Report(MSG_POS_BACKUP_FOLDER_FAILED);
        return false;
    }
    const bool rootIsFolder =
        CFile::GetStatus(backupRoot, folder) && (folder.m_attribute & CFile::directory) != 0;
    if (!rootIsFolder && !MakeFolder(backupRoot, error)) {
        dialogue.ReportSystemError(error); // the one failure with no report of its own
        return false;
    }
    return true;
}

// The second half of the run: puts the new file in place and reports.
void InstallAndReport(const Dialogue& dialogue, const UpdatePaths& paths, Backup backup,
                      ExistingFile existing) {
    CString message;
    CFileStatus status;
    if (!CFile::GetStatus(paths.newFile, status)) {
        message.Format(MSG_NEW_FILE_MISSING, Text(paths.newFile));
        dialogue.Report(message);
        return;
    }
    if (!CFile::GetStatus(paths.targetFolder, status) &&
        !::CreateDirectoryA(paths.targetFolder, nullptr)) {
        message.Format(MSG_TARGET_FOLDER_FAILED, Text(paths.currentFile));
        dialogue.Report(message);
        return;
    }
    if (!CopyFileSafely(paths.newFile, paths.targetFolder, paths.targetName, existing)) {
        message.Format(MSG_INSTALL_FAILED, Text(paths.newFile), Text(paths.currentFile));
        dialogue.Report(message);
        return;
    }
    message.Format(backup == Backup::Made ? MSG_UPDATED_BACKED_UP : MSG_UPDATED_NOT_BACKED_UP,
                   Text(paths.targetName), Text(paths.targetName));
    dialogue.Report(message);
}
} // namespace

void CUpdateDlg::OnUpdateNow() {
    m_strTargetName = kTargetName;
    m_strTargetFolder = kTargetFolder;
    m_strBackupRoot = kBackupRoot;

    m_strSource = m_pCmdInfo->GetSrc();
    if (m_strSource.IsEmpty())
        return;

    const Dialogue dialogue(*this, m_bSilent != FALSE);
    const UpdatePaths paths = {m_strSource + kSeparator + m_strTargetName,
                               m_strTargetFolder + kSeparator + m_strTargetName, m_strTargetFolder,
                               m_strTargetName};
    CString message;

    CFileStatus newFile;
    if (!CFile::GetStatus(paths.newFile, newFile)) {
        message.Format(MSG_NO_UPDATE_FILE, Text(paths.newFile));
        dialogue.Report(message);
        return;
    }
    CFileStatus currentFile;
    if (!CFile::GetStatus(paths.currentFile, currentFile)) {
        InstallAndReport(dialogue, paths, Backup::None, ExistingFile::Replace);
        return;
    }

    // The last-write times alone decide; in silent mode both questions say Yes.
    if (newFile.m_mtime < currentFile.m_mtime) {
        message.Format(MSG_NEW_FILE_OLDER, Text(m_strTargetName));
        if (!dialogue.Ask(message))
            return;
    }
    if (newFile.m_mtime == currentFile.m_mtime) {
        message.Format(MSG_FILES_SAME, Text(m_strTargetName));
        if (!dialogue.Ask(message))
            return;
    }

    const FileDate currentDate = LocalDateOf(currentFile.m_mtime);
    const CString datedFolder = m_strBackupRoot + BackupFolderName(currentDate);

    if (!MakeFolderChain(dialogue, m_strBackupRoot))
        return;

    CFileStatus folder;
    DWORD error = 0;
    if (!CFile::GetStatus(datedFolder, folder)) {
        if (!MakeFolder(datedFolder, error)) {
            dialogue.ReportSystemError(error);
            message.Format(MSG_DATED_FOLDER_FAILED, Text(m_strBackupRoot));
            dialogue.Report(message);
            return;
        }
    } else {
        message.Format(MSG_BACKUP_FOLDER_EXISTS, Text(datedFolder));
        if (!dialogue.Ask(message)) {
            const FileDate newDate = LocalDateOf(newFile.m_mtime);
            message.Format(MSG_REPLACE_WITHOUT_BACKUP, Text(m_strTargetName), currentDate.month,
                           currentDate.day, currentDate.year, Text(m_strTargetName), newDate.month,
                           newDate.day, newDate.year);
            if (dialogue.Ask(message))
                InstallAndReport(dialogue, paths, Backup::None, ExistingFile::Replace);
            return;
        }
    }

    // Held until its backup copy is made, the program stays the one that the
    // dated folder is named after. If another run has installed a newer one
    // since this run examined it, the copy already in the folder, perhaps
    // the only one of the program replaced, is left alone.
    HeldFile held(paths.currentFile);
    CFileStatus status;
    if (held.IsHeld() && CFile::GetStatus(paths.currentFile, status) &&
        !(status.m_mtime == currentFile.m_mtime)) {
        message.Format(MSG_BACKUP_FAILED, Text(paths.currentFile));
        dialogue.Report(message);
        return;
    }
    const CString backupCopy = datedFolder + kSeparator + m_strTargetName;
    if (CFile::GetStatus(backupCopy, status))
        ::DeleteFileA(backupCopy); // a failure shows in the copy that follows
    if (!CFile::GetStatus(paths.currentFile, status)) {
        held.Release();
        message.Format(MSG_BACKUP_SOURCE_MISSING, Text(paths.currentFile));
        dialogue.Report(message);
        // The program has gone, so there is nothing left to back up or to
        // lose: install the new one rather than leave the terminal without a
        // program. Only into the empty place, though: whatever has appeared
        // there since is not replaced without a backup copy.
        InstallAndReport(dialogue, paths, Backup::None, ExistingFile::Keep);
        return;
    }
    const bool backedUp =
        CopyFileSafely(paths.currentFile, datedFolder, m_strTargetName, ExistingFile::Replace);
    held.Release(); // or it could not be replaced
    if (!backedUp) {
        message.Format(MSG_BACKUP_FAILED, Text(paths.currentFile));
        dialogue.Report(message);
        return;
    }
    InstallAndReport(dialogue, paths, Backup::Made, ExistingFile::Replace);
}
