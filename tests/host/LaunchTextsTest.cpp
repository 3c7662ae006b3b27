// The texts of the automated run and the launch: the DELAY text to the first
// timer's interval, and the SHELL text to the launched program's folder.
#include "framework/CodePageHost.h"
#include "run/Delay.h"
#include "run/WorkingDirectory.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(DelayText, ReadsAsAtoiReadsButSaturates) {
    const struct {
        const char* text;
        int seconds;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"10", 10},
        {"-5", -5},
        {"+3", 3},
        {"2.5", 2},
        {"7x", 7},
        {"abc", 0},
        {"x7", 0},
        {" \t\n\v\f\r12", 12},
        {"1 0", 1},
        {"+-3", 0},
        {"- 3", 0},
        {"++3", 0},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"-99999999999999999999999", INT_MIN},
        {"\xA0"
         "5",
         0}, // a byte above 0x7F is no white space
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadDelaySeconds(c.text), c.seconds) << "«" << c.text << "»";
}

TEST(DelayText, SecondsGiveTheUpdateTimersInterval) {
    const struct {
        int seconds;
        unsigned intervalMs;
    } cases[] = {
        {INT_MIN, 1},
        {-1, 1}, // no DELAY given
        {0, 1},
        {1, 1000},
        {10, 10000},
        {2147483, 2147483000u},
        // Past the longest timer: the longest wait, never a wrapped short one
        // (4294968 s would wrap to 704 ms in 32 bits).
        {2147484, 0x7FFFFFFFu},
        {4294968, 0x7FFFFFFFu},
        {INT_MAX, 0x7FFFFFFFu},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpdateTimerInterval(c.seconds), c.intervalMs) << c.seconds;
}

struct FolderCase {
    const char* shell;
    const char* folder;
};

void ExpectFolders(const FolderCase* cases, size_t count, const char* codePage) {
    for (size_t i = 0; i < count; ++i)
        EXPECT_EQ(WorkingDirectoryOf(cases[i].shell).Str(), cases[i].folder)
            << codePage << " «" << cases[i].shell << "»";
}

TEST(WorkingDirectory, IsTheTextBeforeTheLastBackslash) {
    const FolderCase cases[] = {
        {"c:\\pos\\tallyra4.exe", "c:\\pos"},
        {"c:\\tallyra4.exe", "c:"},
        {"\\\\server\\share\\dir\\t.exe", "\\\\server\\share\\dir"},
        {"tallyra4.exe", ""},
        {"", ""},
        {"c:\\pos\\", "c:\\pos"},
        {"\\t.exe", ""},
        {"c:/pos/tallyra4.exe", ""},
        {"c:\\pos/sub/t.exe", "c:"},
        {"c:\\point of sale\\t.exe", "c:\\point of sale"},
        // In a single-byte code page 0x95 is a character of its own.
        {"c:\\pos\\\x95\\t.exe", "c:\\pos\\\x95"},
        {"c:\\\x95\\", "c:\\\x95"},
    };
    SetHostDoubleByteCodePage(false);
    ExpectFolders(cases, std::size(cases), "single-byte");
}

TEST(WorkingDirectory, NeverTakesATrailByteForABackslash) {
    // 0x95 0x5C is one double-byte character whose second byte is the code
    // of a backslash.
    const FolderCase cases[] = {
        {"c:\\\x95\\.exe", "c:"},
        {"c:\\pos\\\x95\\\\t.exe", "c:\\pos\\\x95\\"},
        {"\x95\\t.exe", ""},
        {"c:\\pos\\\x95\\", "c:\\pos"},
        {"c:\\pos\\tallyra4.exe", "c:\\pos"},
        // A lead byte at the very end stands alone.
        {"c:\\pos\\\x95", "c:\\pos"},
        {"\x81\x81\\t.exe", "\x81\x81"},
    };
    SetHostDoubleByteCodePage(true);
    ExpectFolders(cases, std::size(cases), "double-byte");
    SetHostDoubleByteCodePage(false);
}

} // namespace
