// The questions and reports of the update procedure, printf-style: each is
// formatted into one text before it is shown. Placeholders in order are noted.
#pragma once

// Checks and backup.
extern const char MSG_NO_UPDATE_FILE[];           // new file path
extern const char MSG_NEW_FILE_OLDER[];           // target file name
extern const char MSG_FILES_SAME[];               // target file name
extern const char MSG_POS_FOLDER_FAILED[];        // none
extern const char MSG_POS_BACKUP_FOLDER_FAILED[]; // none
extern const char MSG_BACKUP_FOLDER_EXISTS[];     // dated backup folder path
// Target file name, current file's month, day, year; target file name, new
// file's month, day, year.
extern const char MSG_REPLACE_WITHOUT_BACKUP[];
extern const char MSG_DATED_FOLDER_FAILED[];   // backup root
extern const char MSG_BACKUP_SOURCE_MISSING[]; // current file path
extern const char MSG_BACKUP_FAILED[];         // current file path

// Installation and report.
extern const char MSG_NEW_FILE_MISSING[];      // new file path
extern const char MSG_TARGET_FOLDER_FAILED[];  // current file path
extern const char MSG_INSTALL_FAILED[];        // new file path, current file path
extern const char MSG_UPDATED_BACKED_UP[];     // target file name, twice
extern const char MSG_UPDATED_NOT_BACKED_UP[]; // target file name, twice
