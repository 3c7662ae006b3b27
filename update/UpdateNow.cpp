#include "ui/UpdateDlg.h"

void CUpdateDlg::OnUpdateNow() {}
