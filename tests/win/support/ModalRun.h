// Runs a real dialog modally and acts on it from inside its own modal loop,
// as a person at the screen would: read controls, press keys and buttons.
#pragma once

#include "framework/CDialog.h"

#include <functional>

// Calls `probe` with the dialog's window once it is shown, from the dialog's
// message loop. The probe (or the dialog itself) must end the dialog; after
// `timeoutMs` the run is ended with IDABORT, which tests can check for.
INT_PTR RunModalWith(CDialog& dialog, std::function<void(HWND)> probe, unsigned timeoutMs = 10000);

// Pumps this thread's messages for about `ms` milliseconds.
void PumpMessages(unsigned ms);

// What a control shows, as read from outside.
struct ControlState {
    bool exists = false;
    bool visible = false;
    bool enabled = false;
};
ControlState GetControlState(HWND dialog, int id);
std::string GetControlText(HWND window, int id);
std::string GetWindowTextOf(HWND window);

// Types a key into the window that has the keyboard focus, through the
// message queue, as the keyboard would.
void PressKey(HWND dialog, UINT virtualKey);
