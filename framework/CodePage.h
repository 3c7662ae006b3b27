// Facts of the system code page that the pure parsing code needs. Windows builds
// answer from the system; host builds (tests, fuzzing) from a table they can set.
#pragma once

// True for the first byte of a double-byte character in the system code page.
bool IsLeadByte(unsigned char byte);

// The system's locale-aware comparison of two names in the system code page,
// ignoring case.
bool EqualNamesLocale(const char* a, const char* b);
