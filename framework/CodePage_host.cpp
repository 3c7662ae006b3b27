// Host stand-in for the system code page: single-byte unless a test switches
// on a double-byte table shaped like code page 932.
#include "CodePage.h"
#include "CodePageHost.h"

#include <cctype>

namespace {
bool g_doubleByte = false;
}

void SetHostDoubleByteCodePage(bool on) {
    g_doubleByte = on;
}

bool IsLeadByte(unsigned char byte) {
    return g_doubleByte && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}

bool EqualNamesLocale(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}
