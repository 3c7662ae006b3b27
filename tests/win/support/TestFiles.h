// Files and folders that the tests of the unattended run and the launcher lay
// out on drive c: of the Wine prefix; the general file helpers are PosFiles'.
#pragma once

#include <string>

// The file's size and last-write time, read without opening it (so that a
// program replacing it meanwhile is not disturbed); empty when it is missing.
std::string FileStamp(const std::string& path);
// Moves the file's last-write time back by whole days.
bool AgeFile(const std::string& path, int days);
// A new empty folder of the tests' own, c:\kestrup-tests\<name>.
std::string FreshTestFolder(const std::string& name);
