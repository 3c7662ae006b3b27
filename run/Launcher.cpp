#include "ui/UpdateDlg.h"

void CUpdateDlg::LaunchShellProgram() {}

void CUpdateDlg::LaunchProgram(LaunchRequest /*request*/) {}
