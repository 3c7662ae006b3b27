// Files and folders that the tests lay out on drive c: of the Wine prefix.
#pragma once

#include <string>

// The file's whole content; empty when it cannot be read.
std::string FileBytes(const std::string& path);
// The file's size and last-write time, read without opening it (so that a
// program replacing it meanwhile is not disturbed); empty when it is missing.
std::string FileStamp(const std::string& path);
// Moves the file's last-write time back by whole days.
bool AgeFile(const std::string& path, int days);
// Makes the folder and every folder above it that is missing.
void MakeFolders(const std::string& path);
// Removes the folder with everything in it; nothing when it is missing.
void RemoveFolderTree(const std::string& path);
// A new empty folder of the tests' own, c:\kestrup-tests\<name>.
std::string FreshTestFolder(const std::string& name);
