// What the launcher hands the shell: the request made from the SHELL and
// PARAM texts, and the shell call's record made from the request.
#pragma once

#include "LaunchRequest.h"

#include <windows.h>

#include <shellapi.h>

// The SHELL text as the file, the PARAM text as the parameters, the folder
// part of SHELL as the working directory, shown normally.
LaunchRequest MakeLaunchRequest(const CString& shell, const CString& param);

// The record for ShellExecuteExA: cleared, then filled from the request, with
// `owner` as the window for anything the shell shows. Its texts point into
// the request, which must outlive it; empty texts stay empty texts, never null.
SHELLEXECUTEINFOA MakeExecuteInfo(const LaunchRequest& request, HWND owner);
