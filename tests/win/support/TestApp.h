// The test program's application object, and options records made from a
// command line as the program makes them.
#pragma once

#include "app/UpdateApp.h"

#include <memory>

CUpdateApp& TestApp();

// Parses the arguments part of a command line (what follows the program
// name) into a fresh record, and makes it the application's raw argument text.
std::unique_ptr<CUpdateCommandLineInfo> ParseArguments(const char* arguments);
