// The help screen's text.
#pragma once

#include "framework/CString.h"

// The command-line help; it begins with a line break.
extern const char kCommandLineHelp[];

// The revision line followed by the command-line help.
CString FormatHelpScreen(const char* buildDate, const char* buildTime);
