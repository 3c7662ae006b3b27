// Control classes: a bound control is its handle plus a few wrappers.
#pragma once

#include "CWnd.h"

#include <commctrl.h>

class CButton : public CWnd {};

class CStatic : public CWnd {};

class CEdit : public CWnd {};

class CAnimateCtrl : public CWnd {
public:
    // Opens a clip from the program's own "AVI" resources.
    BOOL Open(UINT resourceId) const {
        return static_cast<BOOL>(
            SendMessage(ACM_OPEN, 0, reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resourceId))));
    }
    BOOL Play(UINT from, UINT to, UINT repeat) const {
        return static_cast<BOOL>(SendMessage(ACM_PLAY, repeat, MAKELPARAM(from, to)));
    }
    BOOL Close() const { return static_cast<BOOL>(SendMessage(ACM_OPEN, 0, 0)); }
};
