// The update procedure's texts as the user reads them, filled in, byte for
// byte; and the dated backup folder names that file dates give.
#include "update/BackupFolderName.h"
#include "update/Messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr char kName[] = "TALLYRA4.EXE";
constexpr char kNewFile[] = "\\\\server\\c\\terminal\\TALLYRA4.EXE";
constexpr char kCurrentFile[] = "c:\\POS\\TALLYRA4.EXE";

template <typename... Args> std::string Fill(const char* format, Args... args) {
    CString text;
    text.Format(format, args...);
    return text.Str();
}

TEST(UpdateTexts, ReadExactlyAsShown) {
    const struct {
        const char* id;
        std::string shown;
        const char* expected;
    } cases[] = {
        {"MSG_NO_UPDATE_FILE", Fill(MSG_NO_UPDATE_FILE, kNewFile),
         "E R R O R !\r\n\r\nNo Update File Was Found!\r\n\r\n"
         "Path \\\\server\\c\\terminal\\TALLYRA4.EXE\r\n\r\n"
         "Exit Program And Correct Problem Before Trying Again."},
        {"MSG_NEW_FILE_OLDER", Fill(MSG_NEW_FILE_OLDER, kName),
         "W A R N I N G !\r\n\r\nThe New File Is Older Than The Current File!\r\n\r\n"
         "TALLYRA4.EXE\r\n\r\nDo You Want To Over Write With The Older File?"},
        {"MSG_FILES_SAME", Fill(MSG_FILES_SAME, kName),
         "W A R N I N G !\r\n\r\nThe Files Appear To Be The Same!\r\n\r\n"
         "TALLYRA4.EXE\r\n\r\nDo You Want To Continue?"},
        {"MSG_POS_FOLDER_FAILED", MSG_POS_FOLDER_FAILED,
         "E R R O R !\r\n\r\nFailed To Create Folder \"c:\\pos\"\r\n\r\n"
         "Update Failed!\r\n\r\nTerminating Update Procedure"},
        {"MSG_POS_BACKUP_FOLDER_FAILED", MSG_POS_BACKUP_FOLDER_FAILED,
         "E R R O R !\r\n\r\nFailed To Create Folder \"c:\\pos\\backup\"\r\n\r\n"
         "Update Failed!\r\n\r\nTerminating Update Procedure"},
        {"MSG_BACKUP_FOLDER_EXISTS", Fill(MSG_BACKUP_FOLDER_EXISTS, "C:\\pos\\Backup\\TY030524"),
         "W A R N I N G !\r\n\r\nA Backup Folder With This Name Already Exists!\r\n\r\n"
         "C:\\pos\\Backup\\TY030524\r\n\r\nDo You Want To Over Write With The Current File?"},
        {"MSG_REPLACE_WITHOUT_BACKUP",
         Fill(MSG_REPLACE_WITHOUT_BACKUP, kName, 3, 5, 2024, kName, 12, 31, 2040),
         "Would You Like To Replace The Current \"TALLYRA4.EXE\" Dated 03/05/2024\r\n\r\n"
         "With The New Update File? \"TALLYRA4.EXE\" Dated 12/31/2040\r\n\r\n"
         "T h i s   W i l l   N o t   C r e a t e   A   B a c k u p !"},
        {"MSG_DATED_FOLDER_FAILED", Fill(MSG_DATED_FOLDER_FAILED, "C:\\pos\\Backup"),
         "E R R O R !\r\n\r\nFailed To Create Folder For Backup \"C:\\pos\\Backup\"\r\n\r\n"
         "Update Failed!\r\n\r\nTerminating Update Procedure"},
        {"MSG_BACKUP_SOURCE_MISSING", Fill(MSG_BACKUP_SOURCE_MISSING, kCurrentFile),
         "E R R O R !\r\n\r\nSource File Not Found\r\n\r\nc:\\POS\\TALLYRA4.EXE\r\n\r\n"
         "Exit Program And Correct Problem Before Trying Again."},
        {"MSG_BACKUP_FAILED", Fill(MSG_BACKUP_FAILED, kCurrentFile),
         "E R R O R !\r\n\r\nCould Not Create Backup Of\r\n\r\nc:\\POS\\TALLYRA4.EXE\r\n\r\n"
         "Exit Program And Correct Problem Before Trying Again."},
        {"MSG_NEW_FILE_MISSING", Fill(MSG_NEW_FILE_MISSING, kNewFile),
         "E R R O R !\r\n\r\nFile Not Found\r\n\r\n\\\\server\\c\\terminal\\TALLYRA4.EXE\r\n\r\n"
         "Exit Program And Correct Problem Before Trying Again."},
        {"MSG_TARGET_FOLDER_FAILED", Fill(MSG_TARGET_FOLDER_FAILED, kCurrentFile),
         "E R R O R !\r\n\r\nThe Directory...\r\n\r\nc:\\POS\\TALLYRA4.EXE\r\n\r\n"
         "Does Not Exist and I was unable to create one for you.\r\n\r\n"
         "Exit Program And Correct Problem Before Trying Again."},
        {"MSG_INSTALL_FAILED", Fill(MSG_INSTALL_FAILED, kNewFile, kCurrentFile),
         "E R R O R !\r\n\r\nFailed To Copy New File\r\n\r\n"
         "From: \\\\server\\c\\terminal\\TALLYRA4.EXE\r\n\r\nTo:   c:\\POS\\TALLYRA4.EXE\r\n\r\n"
         "Exit Program And Correct Problem Before Trying Again."},
        {"MSG_UPDATED_BACKED_UP", Fill(MSG_UPDATED_BACKED_UP, kName, kName),
         "\"TALLYRA4.EXE\" Was Successfully Updated!\r\n\r\n"
         "\"TALLYRA4.EXE\" Was Successfully Backed up!"},
        {"MSG_UPDATED_NOT_BACKED_UP", Fill(MSG_UPDATED_NOT_BACKED_UP, kName, kName),
         "\"TALLYRA4.EXE\" Was Successfully Updated!\r\n\r\n"
         "\"TALLYRA4.EXE\" Was Not Backed up! "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.expected) << c.id;
}

TEST(UpdateTexts, ReplaceQuestionPadsMonthAndDayButShowsTheWholeYear) {
    EXPECT_EQ(Fill(MSG_REPLACE_WITHOUT_BACKUP, "A", 1, 2, 1999, "B", 10, 11, 2000),
              "Would You Like To Replace The Current \"A\" Dated 01/02/1999\r\n\r\n"
              "With The New Update File? \"B\" Dated 10/11/2000\r\n\r\n"
              "T h i s   W i l l   N o t   C r e a t e   A   B a c k u p !");
}

TEST(BackupFolderName, IsMonthDayAndTwoDigitYear) {
    const struct {
        FileDate date;
        const char* name;
    } cases[] = {
        {{3, 5, 2024}, "\\TY030524"},   {{12, 31, 2023}, "\\TY123123"},
        {{12, 31, 1999}, "\\TY123199"}, {{1, 1, 2000}, "\\TY010100"},
        {{6, 15, 2037}, "\\TY061537"},  {{2, 29, 2040}, "\\TY022940"},
        {{10, 10, 2010}, "\\TY101010"}, {{7, 4, 2100}, "\\TY070400"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BackupFolderName(c.date).Str(), c.name)
            << c.date.month << "/" << c.date.day << "/" << c.date.year;
}

TEST(BackupFolderName, DateComesFromCalendarFieldsCountedFromZeroAnd1900) {
    const struct {
        int tmYear, tmMon, tmMday;
        FileDate date;
    } cases[] = {
        {124, 2, 5, {3, 5, 2024}},
        {99, 11, 31, {12, 31, 1999}},
        {100, 0, 1, {1, 1, 2000}},
        {140, 1, 29, {2, 29, 2040}},
    };
    for (const auto& c : cases) {
        std::tm fields = {};
        fields.tm_year = c.tmYear;
        fields.tm_mon = c.tmMon;
        fields.tm_mday = c.tmMday;
        const FileDate date = FileDateFromTm(fields);
        EXPECT_EQ(date.month, c.date.month) << c.tmYear;
        EXPECT_EQ(date.day, c.date.day) << c.tmYear;
        EXPECT_EQ(date.year, c.date.year) << c.tmYear;
    }
}

} // namespace
