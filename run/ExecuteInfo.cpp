#include "ExecuteInfo.h"

#include "WorkingDirectory.h"

LaunchRequest MakeLaunchRequest(const CString& shell, const CString& param) {
    LaunchRequest request;
    request.file = shell;
    request.parameters = param;
    request.workingDirectory = WorkingDirectoryOf(shell);
    request.showCommand = SW_SHOWNORMAL;
    return request;
}

SHELLEXECUTEINFOA MakeExecuteInfo(const LaunchRequest& request, HWND owner) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // The call hands back the process's handle, which the launcher closes.
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = owner;
    info.lpVerb = nullptr; // the default verb of the file's type
    info.lpFile = request.file;
    info.lpParameters = request.parameters;
    info.lpDirectory = request.workingDirectory;
    info.nShow = request.showCommand;
    return info;
}
