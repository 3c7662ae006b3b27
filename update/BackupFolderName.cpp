#include "BackupFolderName.h"

namespace {
constexpr char kFolderNameFormat[] = "\\TY%02.2d%02.2d%02.2d";
constexpr int kTmFirstYear = 1900;
constexpr int kYearsPerCentury = 100;
} // namespace

FileDate FileDateFromTm(const std::tm& fields) {
    FileDate date;
    date.month = fields.tm_mon + 1;
    date.day = fields.tm_mday;
    date.year = fields.tm_year + kTmFirstYear;
    return date;
}

CString BackupFolderName(const FileDate& date) {
    CString name;
#if defined(__GNUC__) && !defined(__clang__)
// The zero flag says again what the precision already does: two digits at least.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
#endif
    name.Format(kFolderNameFormat, date.month, date.day, date.year % kYearsPerCentury);
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
    return name;
}
