// Message boxes of the application: caption is the application's name, owner
// the main window (or the dialog in front of it).
#pragma once

#include "CWnd.h"

// Adds the exclamation icon when the type names no icon.
int AfxMessageBox(const char* text, UINT type = MB_OK);

// The system's text for an error code, in an OK box captioned "Error" with the
// information icon, owned by the given window.
void ShowSystemErrorBox(const CWnd& owner, DWORD errorCode);
