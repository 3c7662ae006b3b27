// The folder in which the launched program starts.
#pragma once

#include "framework/CString.h"

// The path's text before its last backslash, the backslash left out; empty
// when it holds none. The text is read in the system code page, so the second
// byte of a double-byte character is never taken for a backslash, and only
// the backslash separates folders.
CString WorkingDirectoryOf(const CString& path);
