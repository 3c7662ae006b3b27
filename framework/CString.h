// Counted string of 8-bit characters in the system code page.
#pragma once

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, size_t length) : m_text(text, length) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    operator const char*() const { return m_text.c_str(); }
    char operator[](int index) const { return m_text[static_cast<size_t>(index)]; }
    const std::string& Str() const { return m_text; }

    // printf-style; the result replaces the current text.
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // Trims the space and the controls 0x09..0x0D; bytes of 0x80 and above are never white space.
    void TrimLeft();
    void TrimRight();

    CString& operator+=(const CString& other) {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* other) {
        m_text += other;
        return *this;
    }
    CString& operator+=(char c) {
        m_text += c;
        return *this;
    }
    friend CString operator+(CString a, const CString& b) {
        return a += b;
    }
    friend CString operator+(CString a, const char* b) {
        return a += b;
    }
    friend bool operator==(const CString& a, const CString& b) {
        return a.m_text == b.m_text;
    }
    friend bool operator==(const CString& a, const char* b) {
        return a.m_text == b;
    }

private:
    std::string m_text;
};
