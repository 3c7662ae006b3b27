// From a process command line to the options record: cutting, the raw
// argument text and the parser, as one table of cases.
#include "app/CommandLineInfo.h"
#include "framework/CodePageHost.h"
#include "framework/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct CommandLineInfoProbe {
    static unsigned Count(const CUpdateCommandLineInfo& info) { return info.m_nCount; }
    static std::string Dir(const CUpdateCommandLineInfo& info) { return info.m_strDir.Str(); }
};

namespace {

struct Expected {
    std::string src, shell, param, delay, dir;
    int help;
    unsigned count;
};

struct Case {
    const char* line; // the whole command line, program name included
    std::vector<std::string> args;
    const char* raw;
    Expected record;
};

std::vector<std::string> Split(const char* line) {
    std::vector<std::string> out;
    for (const CString& arg : SplitCommandLine(line))
        out.push_back(arg.Str());
    return out;
}

// Quote characters are written as ' in the table and turned into " here, so
// the cases stay readable.
std::string Q(const char* text) {
    std::string s(text);
    for (char& c : s)
        if (c == '\'')
            c = '"';
    return s;
}

const Case kCases[] = {
    {"k2.exe", {}, "", {"", "", "", "", "", 0, 0}},
    {"k2.exe  \t  ", {}, "", {"", "", "", "", "", 0, 0}},
    {"k2.exe -SRC F:\\updates",
     {"-SRC", "F:\\updates"},
     "-SRC F:\\updates",
     {"F:\\updates", "", "", "", "", 0, 1}},
    {"k2.exe /src F:\\updates",
     {"/src", "F:\\updates"},
     "/src F:\\updates",
     {"F:\\updates", "", "", "", "", 0, 1}},
    {"k2.exe -Src F:\\updates",
     {"-Src", "F:\\updates"},
     nullptr,
     {"F:\\updates", "", "", "", "", 0, 1}},
    {"k2.exe -SRC a b", {"-SRC", "a", "b"}, nullptr, {"ab", "", "", "", "", 0, 2}},
    {"k2.exe -SRC F:\\my folder",
     {"-SRC", "F:\\my", "folder"},
     nullptr,
     {"F:\\myfolder", "", "", "", "", 0, 2}},
    {"k2.exe -SRC 'F:\\my folder'",
     {"-SRC", "F:\\my folder"},
     nullptr,
     {"F:\\my folder", "", "", "", "", 0, 1}},
    {"k2.exe -PARAM hostname 69",
     {"-PARAM", "hostname", "69"},
     nullptr,
     {"", "", " hostname 69", "", "", 0, 2}},
    {"k2.exe -DELAY 1 0", {"-DELAY", "1", "0"}, nullptr, {"", "", "", "10", "", 0, 2}},
    {"k2.exe x -SRC a", {"x", "-SRC", "a"}, nullptr, {"a", "", "", "", "", 0, 2}},
    {"k2.exe -SRC a -SRC b", {"-SRC", "a", "-SRC", "b"}, nullptr, {"ab", "", "", "", "", 0, 2}},
    {"k2.exe -SRC a -FOO b", {"-SRC", "a", "-FOO", "b"}, nullptr, {"ab", "", "", "", "", 0, 3}},
    {"k2.exe -SRC a -DIR b", {"-SRC", "a", "-DIR", "b"}, nullptr, {"a", "", "", "", "b", 0, 2}},
    {"k2.exe -SRC a -dir b", {"-SRC", "a", "-dir", "b"}, nullptr, {"a", "", "", "", "b", 0, 2}},
    {"k2.exe -SRC a -H b", {"-SRC", "a", "-H", "b"}, nullptr, {"a", "", "", "", "", 1, 3}},
    {"k2.exe -H -SRC a", {"-H", "-SRC", "a"}, nullptr, {"a", "", "", "", "", 1, 2}},
    {"k2.exe -SRC 1 2 3 4 5 6 7 8 9 10 11", {}, nullptr, {"12345678910", "", "", "", "", 0, 10}},
    {"k2.exe -SRC 1 2 3 4 5 6 7 8 9 10 -SHELL x",
     {},
     nullptr,
     {"12345678910", "", "", "", "", 0, 10}},
    {"k2.exe -SRC -SRC -SRC a", {}, nullptr, {"a", "", "", "", "", 0, 1}},
    {"k2.exe -PARAM ''", {"-PARAM", ""}, nullptr, {"", "", " ", "", "", 0, 1}},
    {"k2.exe -SRC '  ' -PARAM ' \t '",
     {"-SRC", "  ", "-PARAM", " \t "},
     nullptr,
     {"", "", " ", "", "", 0, 2}},
    {"k2.exe --SRC x", {"--SRC", "x"}, nullptr, {"", "", "", "", "", 0, 2}},
    {"k2.exe - -SRC a", {"-", "-SRC", "a"}, nullptr, {"a", "", "", "", "", 0, 2}},
    {"k2.exe '-SRC ' a", {"-SRC ", "a"}, nullptr, {"a", "", "", "", "", 0, 1}},
    {"k2.exe ' -SRC' a", {" -SRC", "a"}, nullptr, {"", "", "", "", "", 0, 2}},
    {"k2.exe -PARAM ' /x'", {"-PARAM", " /x"}, nullptr, {"", "", " /x", "", "", 0, 1}},
    // A backslash before the closing quote makes it literal: the rest is one value.
    {"k2.exe -SRC 'F:\\updates\\' -SHELL x",
     {"-SRC", "F:\\updates' -SHELL x"},
     nullptr,
     {"F:\\updates\" -SHELL x", "", "", "", "", 0, 1}},
    {"k2.exe -SRC 'F:\\updates\\\\' -SHELL x",
     {"-SRC", "F:\\updates\\", "-SHELL", "x"},
     nullptr,
     {"F:\\updates\\", "x", "", "", "", 0, 2}},
    {"k2.exe -HELPME -SR", {}, nullptr, {"", "", "", "", "", 0, 2}},
    {"k2.exe -? /? /h /help", {}, nullptr, {"", "", "", "", "", 1, 4}},
    {"'C:\\Program Files\\k2.exe'-SRC a", {"-SRC", "a"}, "-SRC a", {"a", "", "", "", "", 0, 1}},
    {"'C:\\Program Files\\k2.exe' -SRC a", {"-SRC", "a"}, "-SRC a", {"a", "", "", "", "", 0, 1}},
    {"'C:\\unterminated -SRC a", {}, "", {"", "", "", "", "", 0, 0}},
    {"k2.exe -SRC \\\\server\\c\\terminal -SHELL c:\\pos\\tallyra4.exe -PARAM hostname 69 -DELAY "
     "10",
     {"-SRC", "\\\\server\\c\\terminal", "-SHELL", "c:\\pos\\tallyra4.exe", "-PARAM", "hostname",
      "69", "-DELAY", "10"},
     nullptr,
     {"\\\\server\\c\\terminal", "c:\\pos\\tallyra4.exe", " hostname 69", "10", "", 0, 5}},
    // Backslash runs: n even before a quote halves them and the quote toggles;
    // odd gives a literal quote; elsewhere they stay as they are.
    {"k2.exe a\\\\\\\\'b c' d\\\\\\'e f\\\\g",
     {"a\\\\b c", "d\\'e", "f\\\\g"},
     nullptr,
     {"", "", "", "", "", 0, 3}},
    // Two quotes inside quotes: one literal quote, and the quoted part ends.
    {"k2.exe -SRC 'a''b c'", {"-SRC", "a'b", "c"}, nullptr, {"a'bc", "", "", "", "", 0, 2}},
    {"k2.exe -SRC 'open", {"-SRC", "open"}, nullptr, {"open", "", "", "", "", 0, 1}},
    // Only space and tab separate; other controls belong to the argument and
    // are trimmed from names and values.
    {"k2.exe -SRC\va\rb", {"-SRC\va\rb"}, nullptr, {"", "", "", "", "", 0, 1}},
    {"k2.exe -SRC\v x\n", {"-SRC\v", "x\n"}, nullptr, {"x", "", "", "", "", 0, 1}},
    {"k2.exe\t-SRC x", {"-SRC", "x"}, "-SRC x", {"x", "", "", "", "", 0, 1}},
    // Bytes of 0x80 and above are never white space.
    {"k2.exe -SRC \xA0x\xA0", {"-SRC", "\xA0x\xA0"}, nullptr, {"\xA0x\xA0", "", "", "", "", 0, 1}},
};

void ExpectRecord(const CUpdateCommandLineInfo& info, const Expected& e, const std::string& ctx) {
    EXPECT_EQ(info.GetSrc().Str(), e.src) << ctx;
    EXPECT_EQ(info.GetShell().Str(), e.shell) << ctx;
    EXPECT_EQ(info.GetParam().Str(), e.param) << ctx;
    EXPECT_EQ(info.GetDelay().Str(), e.delay) << ctx;
    EXPECT_EQ(CommandLineInfoProbe::Dir(info), e.dir) << ctx;
    EXPECT_EQ(info.GetHelp(), e.help) << ctx;
    EXPECT_EQ(CommandLineInfoProbe::Count(info), e.count) << ctx;
}

TEST(CommandLine, FromTextToRecord) {
    for (const Case& c : kCases) {
        const std::string line = Q(c.line);
        const std::string ctx = "line «" + line + "»";
        if (!c.args.empty()) {
            std::vector<std::string> expectedArgs;
            for (const std::string& a : c.args)
                expectedArgs.push_back(Q(a.c_str()));
            EXPECT_EQ(Split(line.c_str()), expectedArgs) << ctx;
        }
        if (c.raw)
            EXPECT_STREQ(RawArgumentText(line.c_str()), Q(c.raw).c_str()) << ctx;
        CUpdateCommandLineInfo info;
        ParseCommandLine(SplitCommandLine(line.c_str()), info);
        Expected e = c.record;
        e.src = Q(e.src.c_str());
        ExpectRecord(info, e, ctx);
    }
}

TEST(CommandLine, RawArgumentTextSkipsTheNameAndEveryBlankOrControlAfterIt) {
    const struct {
        const char* line;
        const char* raw;
    } cases[] = {
        {"k2.exe", ""},
        {"k2.exe \x01\x1f\t x y", "x y"},
        {"\"C:\\a b\\k2.exe\"", ""},
        {"\"C:\\a b\\k2.exe\"x", "x"},
        {"\"C:\\a b\\k2.exe", ""},
        {"k2.exe\x05-SRC", "-SRC"}, // a control ends the unquoted name
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(RawArgumentText(c.line), c.raw) << c.line;
}

TEST(CommandLine, FlagTestLooksAtTheArgumentBeforeTrimming) {
    struct Recorder : CCommandLineInfo {
        std::vector<std::pair<std::string, bool>> seen;
        std::vector<bool> last;
        void ParseParam(const char* param, bool flag, bool isLast) override {
            seen.emplace_back(param, flag);
            last.push_back(isLast);
        }
    } recorder;
    ParseCommandLine(SplitCommandLine("k2 -a /b \" -c\" d"), recorder);
    const std::vector<std::pair<std::string, bool>> expected = {
        {"a", true}, {"b", true}, {" -c", false}, {"d", false}};
    EXPECT_EQ(recorder.seen, expected);
    EXPECT_EQ(recorder.last, std::vector<bool>({false, false, false, true}));
}

TEST(CommandLine, DoubleByteCharactersAreCopiedWhole) {
    SetHostDoubleByteCodePage(true);
    // 0x5C (backslash) and 0x22 would be special as single bytes; as second
    // bytes of a double-byte character they are ordinary.
    const char line[] = "k2.exe -SRC \"C:\\\x83\x5C\\x\" -PARAM \x81\x22 y";
    const std::vector<std::string> expected = {"-SRC", "C:\\\x83\x5C\\x", "-PARAM", "\x81\x22",
                                               "y"};
    EXPECT_EQ(Split(line), expected);
    // In the program name too: the trail byte is not the closing quote.
    EXPECT_EQ(Split("\"C:\\\x81\"\\k2.exe\" a"), std::vector<std::string>({"a"}));
    EXPECT_STREQ(RawArgumentText("k2\x81 x"), "x");
    SetHostDoubleByteCodePage(false);
    // In a single-byte code page the same bytes are what they look like.
    EXPECT_EQ(Split("k2.exe \x81\"a b\""), std::vector<std::string>({"\x81"
                                                                     "a b"}));
}

} // namespace
