// Drives the built program from another process, as a person at the terminal
// would: start it, find its windows, read what they show, press buttons.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ProgramUnderTest {
public:
    // Starts `exePath` with the given arguments text (after the program name).
    ProgramUnderTest(const std::string& exePath, const std::string& arguments);
    ~ProgramUnderTest(); // ends the program if it still runs
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    DWORD ProcessId() const { return m_process.dwProcessId; }

    // The first visible dialog-class window of the process whose title is
    // `title` (any title if empty) and, if given, whose owner is `owner`.
    HWND WaitForWindow(const std::string& title, DWORD timeoutMs = 10000,
                       HWND owner = nullptr) const;
    // A visible message box of the process (a dialog holding a 0xFFFF text).
    HWND WaitForMessageBox(DWORD timeoutMs = 10000) const;
    // Every visible top-level window of the process.
    std::vector<HWND> VisibleWindows() const;

    // Waits for the program to end; returns false on time-out.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;

private:
    PROCESS_INFORMATION m_process = {};
};

// The folder of the running test program (where Kestrup2.exe is built too).
std::string ModuleFolder();

std::string WindowText(HWND window);
std::string ControlText(HWND window, int id);
bool ControlVisible(HWND window, int id);
bool ControlEnabled(HWND window, int id);
// Presses a button as a click would arrive: BN_CLICKED from the control.
void PressButton(HWND window, int id);
// A message box: a dialog whose 0xFFFF control is a text, not an icon.
bool IsMessageBox(HWND window);
// A message box's text (its 0xFFFF control).
std::string MessageBoxText(HWND box);
