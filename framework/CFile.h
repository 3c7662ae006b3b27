// The file status query: does a file or folder of that name exist, and when
// was it last written.
#pragma once

#include "CTime.h"

#include <windows.h>

struct CFileStatus {
    CTime m_mtime; // last write, whole seconds
    BYTE m_attribute = 0;
};

class CFile {
public:
    // Folder bit of CFileStatus::m_attribute.
    static constexpr BYTE directory = 0x10;

    // True when something of that name exists; false when nothing does or the
    // path cannot be made absolute.
    static bool GetStatus(const char* fileName, CFileStatus& status);
};
