#include "WorkingDirectory.h"

#include "framework/CodePage.h"

CString WorkingDirectoryOf(const CString& path) {
    const char* text = path;
    const char* lastBackslash = nullptr;
    for (const char* p = text; *p;) {
        if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1]) {
            p += 2;
            continue;
        }
        if (*p == '\\')
            lastBackslash = p;
        ++p;
    }
    if (!lastBackslash)
        return CString();
    return CString(text, static_cast<size_t>(lastBackslash - text));
}
