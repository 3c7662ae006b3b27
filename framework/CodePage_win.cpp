#include "CodePage.h"

#include <windows.h>

#include <vector>

bool IsLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

namespace {
std::vector<wchar_t> Widen(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return wide;
}
} // namespace

bool EqualNamesLocale(const char* a, const char* b) {
    const std::vector<wchar_t> wideA = Widen(a);
    const std::vector<wchar_t> wideB = Widen(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(), -1, wideB.data(),
                          -1) == CSTR_EQUAL;
}
