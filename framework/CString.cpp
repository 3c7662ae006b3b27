#include "CString.h"

#include <cstdarg>
#include <cstdio>

namespace {
bool IsTrimSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
} // namespace

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        m_text.clear();
    } else {
        m_text.assign(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(&m_text[0], m_text.size(), format, args);
        m_text.resize(static_cast<size_t>(length));
    }
    va_end(args);
}

void CString::TrimLeft() {
    size_t start = 0;
    while (start < m_text.size() && IsTrimSpace(m_text[start]))
        ++start;
    m_text.erase(0, start);
}

void CString::TrimRight() {
    size_t end = m_text.size();
    while (end > 0 && IsTrimSpace(m_text[end - 1]))
        --end;
    m_text.resize(end);
}
