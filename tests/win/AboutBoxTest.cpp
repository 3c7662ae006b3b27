// The about box from its real template, opened through the main window's
// system commands, inside this process and in the built program.
#include "DialogTemplate.h"
#include "ModalRun.h"
#include "TestApp.h"
#include "WindowDriver.h"

#include "res/resource.h"
#include "ui/BuildStamp.h"
#include "ui/UpdateDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char kNoticeLine[] = "Keeps TALLYRA4.EXE up to date.";
constexpr int kNoticeLineIndex = 2; // the third control of the template
constexpr UINT kInspectMs = 100;
constexpr DWORD kExitTimeoutMs = 10000;

std::string VersionLine() {
    return std::string("Software Version ") + kBuildDate + " " + kBuildTime;
}

TEST(AboutBox, TemplateIsExactlyAsDesigned) {
    const DialogTemplate t = LoadDialogTemplate(IDD_ABOUTBOX);
    EXPECT_FALSE(t.extended);
    EXPECT_EQ(t.style,
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(std::vector<short>({t.x, t.y, t.cx, t.cy}), std::vector<short>({0, 0, 255, 103}));
    EXPECT_EQ(t.menu, "");
    EXPECT_EQ(t.windowClass, "");
    EXPECT_EQ(t.caption, "About Kestrup");
    EXPECT_EQ(t.typeface, "MS Sans Serif");
    EXPECT_EQ(t.pointSize, 8);

    const struct {
        int id;
        const char* className;
        const char* text;
        short x, y, cx, cy;
        DWORD style;
    } expected[] = {
        {-1, "Static", "#131", 11, 17, 21, 20, WS_CHILD | WS_VISIBLE | SS_ICON},
        {IDC_VERSION, "Static", "Software Version", 40, 10, 119, 8,
         WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX},
        {-1, "Static", kNoticeLine, 40, 25, 119, 8, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT},
        {IDOK, "Button", "OK", 198, 7, 50, 14,
         WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
    };
    ASSERT_EQ(t.items.size(), std::size(expected));
    for (size_t i = 0; i < t.items.size(); ++i) {
        const TemplateItem& item = t.items[i];
        const auto& e = expected[i];
        // A classic template keeps only the low word of an identifier.
        EXPECT_EQ(static_cast<short>(item.id), e.id) << i;
        EXPECT_STRCASEEQ(item.className.c_str(), e.className) << i;
        EXPECT_EQ(item.text, e.text) << i;
        EXPECT_EQ(std::vector<short>({item.x, item.y, item.cx, item.cy}),
                  std::vector<short>({e.x, e.y, e.cx, e.cy}))
            << i;
        EXPECT_EQ(item.style, e.style) << i;
        EXPECT_EQ(item.exStyle, 0u) << i;
    }
}

// What an opened about box showed, read from inside its own modal loop.
struct AboutSeen {
    bool opened = false;
    HWND window = nullptr;
    std::string title, version, notice;
    int focusId = 0;
    bool ownerDisabled = false;
    bool centredOnOwner = false;
};

struct AboutSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<AboutSearch*>(lParam);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The notice line has no identifier of its own, so it is found by its place.
std::string NthChildText(HWND window, int index) {
    HWND child = GetWindow(window, GW_CHILD);
    for (int i = 0; i < index && child; ++i)
        child = GetWindow(child, GW_HWNDNEXT);
    return child ? GetWindowTextOf(child) : "<no child " + std::to_string(index) + ">";
}

HWND g_mainWindow = nullptr;
AboutSeen* g_seen = nullptr;
std::function<void(HWND)> g_close;

// Runs inside the about box's modal loop: reads it, then closes it.
void CALLBACK InspectAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    AboutSearch search = {g_mainWindow, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found || g_seen->opened)
        return;
    KillTimer(nullptr, timer);
    AboutSeen& seen = *g_seen;
    seen.opened = true;
    seen.window = search.found;
    seen.title = GetWindowTextOf(search.found);
    seen.version = GetControlText(search.found, IDC_VERSION);
    seen.notice = NthChildText(search.found, kNoticeLineIndex);
    seen.focusId = GetDlgCtrlID(GetFocus());
    seen.ownerDisabled = !IsWindowEnabled(g_mainWindow);
    RECT box, owner;
    GetWindowRect(search.found, &box);
    GetWindowRect(g_mainWindow, &owner);
    seen.centredOnOwner = std::abs((box.left + box.right) - (owner.left + owner.right)) <= 2 &&
                          std::abs((box.top + box.bottom) - (owner.top + owner.bottom)) <= 2;
    g_close(search.found);
}

// Sends the system command to the main window and reports the about box that
// it opened, if any, once it has been closed by `close`.
AboutSeen SystemCommand(HWND mainWindow, WPARAM command, std::function<void(HWND)> close) {
    AboutSeen seen;
    g_mainWindow = mainWindow;
    g_seen = &seen;
    g_close = std::move(close);
    const UINT_PTR timer = SetTimer(nullptr, 0, kInspectMs, InspectAbout);
    SendMessageA(mainWindow, WM_SYSCOMMAND, command, 0);
    KillTimer(nullptr, timer);
    g_seen = nullptr;
    return seen;
}

void PressOk(HWND box) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Runs the main window for the command line, hands it to `act`, then ends it.
void WithMainWindow(const char* arguments, const std::function<void(HWND)>& act) {
    auto info = ParseArguments(arguments);
    CUpdateDlg window;
    window.m_pCmdInfo = info.get();
    TestApp().m_pMainWnd = &window;
    RunModalWith(window, [&](HWND dialog) {
        act(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    TestApp().m_pMainWnd = nullptr;
}

TEST(AboutBox, EverySystemCommandFrom16To31OpensIt) {
    const struct {
        WPARAM command;
        bool opens;
    } cases[] = {
        {15, false}, {16, true}, {17, true}, {0x18, true}, {0x1F, true}, {32, false},
    };
    for (const char* arguments : {"", "-SRC x", "-SRC x -SHELL y -DELAY 60"}) {
        WithMainWindow(arguments, [&](HWND dialog) {
            for (const auto& c : cases) {
                const AboutSeen seen = SystemCommand(dialog, c.command, PressOk);
                const std::string context =
                    "command " + std::to_string(c.command) + " with «" + arguments + "»";
                EXPECT_EQ(seen.opened, c.opens) << context;
                if (!seen.opened)
                    continue;
                EXPECT_EQ(seen.title, "Kestrup 2") << context;
                EXPECT_EQ(seen.version, VersionLine()) << context;
                EXPECT_EQ(seen.notice, kNoticeLine) << context;
                EXPECT_EQ(seen.focusId, IDOK) << context;
                EXPECT_TRUE(seen.ownerDisabled) << context;
                EXPECT_TRUE(seen.centredOnOwner) << context;
                EXPECT_TRUE(IsWindowEnabled(dialog)) << context << ": after the box";
                EXPECT_FALSE(IsWindow(seen.window)) << context << ": after the box";
            }
        });
    }
}

TEST(AboutBox, ClosesByOkEnterEscapeOrItsCloseBox) {
    const struct {
        const char* how;
        std::function<void(HWND)> close;
    } cases[] = {
        {"OK", PressOk},
        {"Enter", [](HWND box) { PressKey(box, VK_RETURN); }},
        {"Escape", [](HWND box) { PressKey(box, VK_ESCAPE); }},
        {"close box", [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    WithMainWindow("", [&](HWND dialog) {
        for (const auto& c : cases) {
            // Each opening builds the box anew, with the same content.
            const AboutSeen seen = SystemCommand(dialog, IDM_ABOUTBOX, c.close);
            EXPECT_TRUE(seen.opened) << c.how;
            EXPECT_EQ(seen.version, VersionLine()) << c.how;
            EXPECT_FALSE(IsWindow(seen.window)) << c.how;
            EXPECT_TRUE(IsWindowEnabled(dialog)) << c.how;
        }
    });
}

// A dialog of the program owned by `owner`. (The about box holds controls
// without identifier, which the driver's message box search would take for a
// message box's text, so it is looked for here by its owner alone.)
HWND WaitForOwnedDialog(const ProgramUnderTest& program, HWND owner, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        for (HWND window : program.VisibleWindows()) {
            AboutSearch search = {owner, nullptr};
            FindOwnedDialog(window, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
        }
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

// The built program, from outside: the version line carries the same stamp
// as the help screen's revision line.
TEST(AboutBox, BuiltProgramShowsTheHelpScreensBuildStamp) {
    ProgramUnderTest program(ModuleFolder() + "\\Kestrup2.exe", "");
    ASSERT_TRUE(program.Started());
    const HWND window = program.WaitForWindow("Kestrup 2");
    ASSERT_NE(window, nullptr);
    const std::string help = ControlText(window, IDC_HELP_TEXT);
    const std::string revised = "Revised: ";
    ASSERT_EQ(help.compare(0, revised.size(), revised), 0) << help;
    const std::string stamp = help.substr(revised.size(), help.find("\r\n") - revised.size());

    for (WPARAM command : {WPARAM(16), WPARAM(0x1F)}) {
        PostMessageA(window, WM_SYSCOMMAND, command, 0);
        const HWND box = WaitForOwnedDialog(program, window, 5000);
        ASSERT_NE(box, nullptr) << command;
        EXPECT_EQ(WindowText(box), "Kestrup 2") << command;
        EXPECT_EQ(ControlText(box, IDC_VERSION), "Software Version " + stamp) << command;
        PressButton(box, IDOK);
        for (int i = 0; i < 250 && IsWindowVisible(box); ++i)
            Sleep(20);
        EXPECT_FALSE(IsWindowVisible(box)) << command;
    }
    PressButton(window, IDCANCEL);
    EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs));
}

} // namespace
