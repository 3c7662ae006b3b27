// The main window from its real template: mode decision, layout, help
// screen, colours, system menu and the ways it ends.
#include "TestApp.h"
#include "DialogTemplate.h"
#include "ModalRun.h"

#include "res/resource.h"
#include "ui/BuildStamp.h"
#include "ui/HelpText.h"
#include "ui/UpdateDlg.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Shown {
    bool visible;
    bool enabled;
};

struct ModeCase {
    const char* arguments;
    const char* mode;
};

// Which controls each mode shows and enables, after initialisation.
struct ModeLayout {
    Shown ok, exit, updateNow, group, helpEdit, notice, animation;
};

const ModeLayout kHelpLayout = {{false, true}, {true, true},   {true, true},  {true, true},
                                {true, true},  {false, false}, {false, false}};
const ModeLayout kInteractiveLayout = {{false, true},  {true, true},   {true, true},  {true, true},
                                       {false, false}, {false, false}, {false, false}};

void ExpectShown(HWND dialog, int id, Shown expected, const std::string& what) {
    const ControlState state = GetControlState(dialog, id);
    ASSERT_TRUE(state.exists) << what;
    EXPECT_EQ(state.visible, expected.visible) << what << ": visible";
    EXPECT_EQ(state.enabled, expected.enabled) << what << ": enabled";
}

void ExpectLayout(HWND dialog, const ModeLayout& layout, const std::string& context) {
    ExpectShown(dialog, IDOK, layout.ok, context + " OK");
    ExpectShown(dialog, IDCANCEL, layout.exit, context + " Exit");
    ExpectShown(dialog, IDC_UPDATE_NOW, layout.updateNow, context + " UpDate Now");
    ExpectShown(dialog, IDC_UPDATE_GROUP, layout.group, context + " group");
    ExpectShown(dialog, IDC_HELP_TEXT, layout.helpEdit, context + " help");
    ExpectShown(dialog, IDC_NOTICE, layout.notice, context + " notice");
    ExpectShown(dialog, IDC_ANIMATE, layout.animation, context + " animation");
}

std::string HelpScreenText() {
    return std::string("Revised: ") + kBuildDate + " " + kBuildTime + kCommandLineHelp;
}

// Runs the main window for a command line and hands it to `check` once shown.
INT_PTR RunMainWindow(const char* arguments, const std::function<void(HWND)>& check) {
    auto info = ParseArguments(arguments);
    CUpdateDlg dlg;
    dlg.m_pCmdInfo = info.get();
    TestApp().m_pMainWnd = &dlg;
    const INT_PTR result = RunModalWith(dlg, check);
    TestApp().m_pMainWnd = nullptr;
    return result;
}

void EndWithExit(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST(MainWindow, ModeFollowsTheCommandLine) {
    const struct {
        const char* arguments;
        const ModeLayout* layout;
        bool helpText;
    } cases[] = {
        {"", &kHelpLayout, true},
        {"   \t ", &kHelpLayout, true},
        {"-SRC", &kHelpLayout, true},
        {"-SHELL c:\\pos\\tallyra4.exe", &kHelpLayout, true},
        {"-H -SRC x -SHELL y", &kHelpLayout, true},
        {"/? -SRC x", &kHelpLayout, true},
        {"-FOO", &kHelpLayout, true},
        {"-SRC x", &kInteractiveLayout, false},
        {"/src \\\\server\\c\\terminal -PARAM a b -DELAY 5", &kInteractiveLayout, false},
    };
    for (const auto& c : cases) {
        RunMainWindow(c.arguments, [&](HWND dialog) {
            const std::string context = std::string("args «") + c.arguments + "»";
            ExpectLayout(dialog, *c.layout, context);
            EXPECT_EQ(GetWindowTextOf(dialog), "Kestrup 2") << context;
            EXPECT_EQ(GetControlText(dialog, IDC_HELP_TEXT), c.helpText ? HelpScreenText() : "")
                << context;
            EndWithExit(dialog);
        });
    }
}

TEST(MainWindow, AutomatedModeHidesTheHelpBeforeTheRunStarts) {
    RunMainWindow("-SRC x -SHELL y -DELAY 60", [](HWND dialog) {
        EXPECT_FALSE(GetControlState(dialog, IDC_HELP_TEXT).visible);
        EXPECT_FALSE(GetControlState(dialog, IDC_HELP_TEXT).enabled);
        EXPECT_EQ(GetControlText(dialog, IDC_HELP_TEXT), "");
        EndWithExit(dialog);
    });
}

TEST(MainWindow, EndsWithCancelOrOkAsAPersonWouldEndIt) {
    const struct {
        const char* how;
        std::function<void(HWND)> act;
        INT_PTR result;
    } cases[] = {
        {"Exit button",
         [](HWND d) {
             PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                          (LPARAM)GetDlgItem(d, IDCANCEL));
         },
         IDCANCEL},
        {"Escape", [](HWND d) { PressKey(d, VK_ESCAPE); }, IDCANCEL},
        {"Enter", [](HWND d) { PressKey(d, VK_RETURN); }, IDOK},
        {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
    };
    for (const char* arguments : {"-SRC x", ""}) {
        for (const auto& c : cases) {
            const INT_PTR result = RunMainWindow(arguments, c.act);
            EXPECT_EQ(result, c.result) << c.how << " with «" << arguments << "»";
        }
    }
}

TEST(MainWindow, TemplateIsExactlyAsDesigned) {
    const DialogTemplate t = LoadDialogTemplate(IDD_UPDATE_DIALOG);
    ASSERT_TRUE(t.extended);
    EXPECT_EQ(t.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                          DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(t.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(t.helpId, 0u);
    EXPECT_EQ(std::vector<short>({t.x, t.y, t.cx, t.cy}), std::vector<short>({0, 0, 212, 158}));
    EXPECT_EQ(t.menu, "");
    EXPECT_EQ(t.windowClass, "");
    EXPECT_EQ(t.typeface, "Arial Black");
    EXPECT_EQ(t.pointSize, 12);
    EXPECT_EQ(t.weight, 0);
    EXPECT_EQ(t.italic, 0);
    EXPECT_EQ(t.charset, DEFAULT_CHARSET);

    const struct {
        int id;
        const char* className;
        const char* text;
        short x, y, cx, cy;
        DWORD style;
    } expected[] = {
        {IDOK, "Button", "OK", 15, 137, 50, 14, WS_CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "Exit", 73, 100, 64, 31, WS_CHILD | WS_VISIBLE | WS_TABSTOP},
        {IDC_UPDATE_NOW, "Button", "UpDate Now", 73, 54, 65, 28,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP},
        {IDC_UPDATE_GROUP, "Button", "Kestrup Files From Server", 37, 32, 137, 62,
         WS_CHILD | WS_VISIBLE | BS_GROUPBOX | BS_CENTER},
        {IDC_HELP_TEXT, "Edit", "", 7, 7, 200, 89,
         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE |
             ES_AUTOHSCROLL},
        {IDC_NOTICE, "Static",
         "Automated Update Has Started, Please Wait a Moment.\r\r Your Terminal Program will "
         "start Automaticly",
         13, 51, 185, 57, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER},
        {IDC_ANIMATE, "SysAnimate32", "Animate1", 63, 8, 86, 30,
         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP},
    };
    ASSERT_EQ(t.items.size(), std::size(expected));
    for (size_t i = 0; i < t.items.size(); ++i) {
        const TemplateItem& item = t.items[i];
        const auto& e = expected[i];
        EXPECT_EQ(item.id, e.id) << i;
        EXPECT_STRCASEEQ(item.className.c_str(), e.className) << e.id; // by name or ordinal
        EXPECT_EQ(item.text, e.text) << e.id;
        EXPECT_EQ(std::vector<short>({item.x, item.y, item.cx, item.cy}),
                  std::vector<short>({e.x, e.y, e.cx, e.cy}))
            << e.id;
        EXPECT_EQ(item.style, e.style) << e.id;
        EXPECT_EQ(item.exStyle, 0u) << e.id;
        EXPECT_EQ(item.helpId, 0u) << e.id;
    }
}

TEST(MainWindow, ControlsAreCreatedInTemplateOrder) {
    RunMainWindow("-SRC x", [](HWND dialog) {
        HWND previous = nullptr;
        for (int id : {IDOK, IDCANCEL, IDC_UPDATE_NOW, IDC_UPDATE_GROUP, IDC_HELP_TEXT, IDC_NOTICE,
                       IDC_ANIMATE}) {
            const HWND control = GetDlgItem(dialog, id);
            ASSERT_NE(control, nullptr) << id;
            EXPECT_EQ(GetWindow(control, GW_HWNDPREV), previous) << id;
            previous = control;
        }
        const LONG style = GetWindowLongA(dialog, GWL_STYLE);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
        EndWithExit(dialog);
    });
}

TEST(MainWindow, IsCentredOnTheScreen) {
    RunMainWindow("-SRC x", [](HWND dialog) {
        RECT work, window;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        GetWindowRect(dialog, &window);
        EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 2);
        EXPECT_LE(std::abs((window.top + window.bottom) - (work.top + work.bottom)), 2);
        EndWithExit(dialog);
    });
}

TEST(MainWindow, IconsAndSystemMenuAboutItem) {
    RunMainWindow("", [](HWND dialog) {
        const HICON icon =
            static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_UPDATE),
                                          IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0)), icon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0)), icon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0)), icon);

        const HMENU menu = GetSystemMenu(dialog, FALSE);
        ASSERT_NE(menu, nullptr);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        EXPECT_EQ(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
        EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        char text[64] = {};
        GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "&About Kestrup...");
        EndWithExit(dialog);
    });
}

TEST(MainWindow, DialogColoursAreLightGreenWithBlackTextButEditsKeepTheirs) {
    RunMainWindow("", [](HWND dialog) {
        HDC dc = CreateCompatibleDC(nullptr);
        for (UINT msg : {WM_CTLCOLORDLG, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN}) {
            SetBkColor(dc, RGB(1, 2, 3));
            SetTextColor(dc, RGB(4, 5, 6));
            const LRESULT brush = SendMessageA(dialog, msg, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(dialog));
            ASSERT_NE(brush, 0) << msg;
            LOGBRUSH info = {};
            GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof info, &info);
            EXPECT_EQ(info.lbColor, RGB(100, 255, 100)) << msg;
            EXPECT_EQ(GetBkColor(dc), RGB(100, 255, 100)) << msg;
            EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0)) << msg;
        }
        SetBkColor(dc, RGB(1, 2, 3));
        const LRESULT editBrush =
            SendMessageA(dialog, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_HELP_TEXT)));
        EXPECT_NE(GetBkColor(dc), RGB(100, 255, 100));
        (void)editBrush;
        DeleteDC(dc);
        EndWithExit(dialog);
    });
}

} // namespace
