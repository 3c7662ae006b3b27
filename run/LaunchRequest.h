// What the launcher starts: built from the options, handed over by value.
#pragma once

#include "framework/CString.h"

struct LaunchRequest {
    CString file;
    CString parameters;       // empty, or one space ahead of every value
    CString workingDirectory; // the file's text before its last backslash
    int showCommand = 1;      // SW_SHOWNORMAL
};
