// The calendar date of a file's last write, as the update shows it and as it
// names the dated backup folder.
#pragma once

#include "framework/CString.h"

#include <ctime>

struct FileDate {
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 31
    int year = 0;  // all four digits
};

// From calendar fields that count months from 0 and years from 1900.
FileDate FileDateFromTm(const std::tm& fields);

// "\TYmmddyy": a leading backslash of its own, then month, day and the year's
// last two digits, each two digits wide.
CString BackupFolderName(const FileDate& date);
