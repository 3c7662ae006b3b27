// The automated run inside the real main window: the DELAY text, the
// controls it shows, and the two timers, real ones and sent ones.
#include "ModalRun.h"
#include "StandinProgram.h"
#include "TestApp.h"
#include "TestFiles.h"

#include "res/resource.h"
#include "run/Delay.h"
#include "ui/UpdateDlg.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

constexpr char kAutomatedNotice[] =
    "An Automated Update Has Started, \r\rPlease wait a moment while we perform the update.\r\r "
    "Your POS program will start automaticly";
constexpr DWORD kReportTimeoutMs = 10000;
constexpr unsigned kRunTimeoutMs = 20000;

// The main window with its protected state in view and every timer message
// recorded with the time it came.
class AutomatedRunWindow : public CUpdateDlg {
public:
    struct TimerCall {
        UINT_PTR id;
        DWORD enteredMs; // since the window's initialisation began
        DWORD leftMs;
    };

    using CUpdateDlg::m_bSilent;
    using CUpdateDlg::m_nDelay;

    const std::vector<TimerCall>& TimerCalls() const { return m_timerCalls; }
    DWORD SinceInit() const { return GetTickCount() - m_initTick; }

protected:
    BOOL OnInitDialog() override {
        m_initTick = GetTickCount();
        return CUpdateDlg::OnInitDialog();
    }
    void OnTimer(UINT_PTR nIDEvent) override {
        const DWORD entered = SinceInit();
        CUpdateDlg::OnTimer(nIDEvent);
        m_timerCalls.push_back({nIDEvent, entered, SinceInit()});
    }

private:
    DWORD m_initTick = 0;
    std::vector<TimerCall> m_timerCalls;
};

// An automated run with a source folder that holds nothing, so that the
// update finds nothing to do, and the stand-in as the program to start.
class AutomatedRun : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = FreshTestFolder("automated-run");
        m_report = std::make_unique<StandinReport>(m_folder + "\\report.txt");
    }

    // Runs the window for the command line with `option` added.
    INT_PTR Run(AutomatedRunWindow& window, const std::string& option,
                const std::function<void(HWND)>& probe) {
        const std::string arguments = "-SRC " + m_folder + "\\empty-source -SHELL " +
                                      StandinPath(StandinBuild::New) + " -PARAM hostname 69 " +
                                      option;
        auto info = ParseArguments(arguments.c_str());
        window.m_pCmdInfo = info.get();
        TestApp().m_pMainWnd = &window;
        const INT_PTR result = RunModalWith(window, probe, kRunTimeoutMs);
        TestApp().m_pMainWnd = nullptr;
        return result;
    }

    std::string m_folder;
    std::unique_ptr<StandinReport> m_report;
};

// The animation control's picture as the screen shows it.
std::string Picture(HWND control) {
    RECT rect;
    GetClientRect(control, &rect);
    const int width = rect.right, height = rect.bottom;
    const HDC screen = GetDC(control);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::string pixels(static_cast<size_t>(width) * height * 4, '\0');
    GetDIBits(memory, bitmap, 0, height, &pixels[0], &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
    return pixels;
}

// Whether the clip moves: its pictures over a second, with the window's
// messages handled meanwhile, are not all alike.
bool ClipPlaying(HWND dialog) {
    const HWND control = GetDlgItem(dialog, IDC_ANIMATE);
    const std::string first = Picture(control);
    for (int i = 0; i < 10; ++i) {
        PumpMessages(100);
        if (Picture(control) != first)
            return true;
    }
    return false;
}

// Whether the control, painted afresh, shows one colour only, as an empty
// one does. (Wine's control leaves its last frame on the screen when the
// clip is closed, until it is next painted.)
bool ClipEmpty(HWND dialog) {
    const HWND control = GetDlgItem(dialog, IDC_ANIMATE);
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
    const std::string pixels = Picture(control);
    for (size_t i = 4; i < pixels.size(); i += 4)
        if (pixels.compare(i, 4, pixels, 0, 4) != 0)
            return false;
    return true;
}

std::vector<UINT_PTR> Identifiers(const std::vector<AutomatedRunWindow::TimerCall>& calls) {
    std::vector<UINT_PTR> ids;
    for (const auto& call : calls)
        ids.push_back(call.id);
    return ids;
}

// Lets the window's timers run until the one named has been handled.
void WaitForTimerCall(const AutomatedRunWindow& window, UINT_PTR id) {
    for (int i = 0; i < 100; ++i) {
        for (const auto& call : window.TimerCalls())
            if (call.id == id)
                return;
        PumpMessages(20);
    }
}

struct DelayCase {
    const char* option; // appended to the command line
    int seconds;        // m_nDelay
    unsigned intervalMs;
};

TEST_F(AutomatedRun, DelayTextGivesTheWaitBeforeTheUpdate) {
    const DelayCase cases[] = {
        {"", -1, 1},
        {"-DELAY \"\"", -1, 1},
        {"-DELAY 0", 0, 1},
        // Quoted after a blank, so that the parser takes it for a value.
        {"-DELAY \" -5\"", -5, 1},
        {"-DELAY abc", 0, 1},
        {"-DELAY 2.5", 2, 2000},
        {"-DELAY +3", 3, 3000},
        {"-DELAY 7x", 7, 7000},
        {"-DELAY 10", 10, 10000},
        // Beyond a timer's reach: the longest wait, never a wrapped short one.
        {"-DELAY 4294968", 4294968, kLongestTimerIntervalMs},
        {"-DELAY 99999999999", INT_MAX, kLongestTimerIntervalMs},
        {"-DELAY \" -99999999999\"", INT_MIN, 1},
    };
    for (const DelayCase& c : cases) {
        AutomatedRunWindow window;
        Run(window, c.option, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
        EXPECT_EQ(window.m_nDelay, c.seconds) << c.option;
        EXPECT_EQ(UpdateTimerInterval(window.m_nDelay), c.intervalMs) << c.option;
        EXPECT_TRUE(window.m_bSilent) << c.option;
    }
}

TEST_F(AutomatedRun, RealTimersUpdateAfterTheDelayThenLaunchThreeSecondsLater) {
    const struct {
        const char* option;
        DWORD earliestUpdateMs, latestUpdateMs;
    } cases[] = {
        {"", 0, 1000},           // at once
        {"-DELAY 1", 950, 3000}, // about a second later, not at once
    };
    for (const auto& c : cases) {
        m_report.reset(); // before the next one takes over the report variable
        m_report = std::make_unique<StandinReport>(m_folder + "\\report.txt");
        AutomatedRunWindow window;
        const INT_PTR result = Run(window, c.option, [](HWND) {});
        EXPECT_EQ(result, IDCANCEL) << c.option;
        const auto& calls = window.TimerCalls();
        ASSERT_EQ(Identifiers(calls),
                  std::vector<UINT_PTR>({CUpdateDlg::TIMER_UPDATE, CUpdateDlg::TIMER_LAUNCH}))
            << c.option;
        EXPECT_GE(calls[0].enteredMs, c.earliestUpdateMs) << c.option;
        EXPECT_LE(calls[0].enteredMs, c.latestUpdateMs) << c.option;
        const DWORD pauseMs = calls[1].enteredMs - calls[0].leftMs;
        EXPECT_GE(pauseMs, 2900u) << c.option;
        EXPECT_LE(pauseMs, 6000u) << c.option;
        StandinRun run;
        EXPECT_TRUE(m_report->Wait(kReportTimeoutMs, &run)) << c.option;
    }
}

TEST_F(AutomatedRun, UpdateTimerStopsItselfClosesTheClipAndStartsTheLaunchTimer) {
    AutomatedRunWindow window;
    DWORD updateHandledMs = 0;
    const INT_PTR result = Run(window, "-DELAY 60", [&](HWND dialog) {
        ASSERT_TRUE(ClipPlaying(dialog));
        // A timer of someone else's changes nothing.
        SendMessageA(dialog, WM_TIMER, 7, 0);
        EXPECT_TRUE(ClipPlaying(dialog));

        SendMessageA(dialog, WM_TIMER, CUpdateDlg::TIMER_UPDATE, 0);
        updateHandledMs = window.SinceInit();
        EXPECT_FALSE(KillTimer(dialog, CUpdateDlg::TIMER_UPDATE)) << "the 60 s timer still runs";
        EXPECT_FALSE(ClipPlaying(dialog));
        EXPECT_TRUE(ClipEmpty(dialog));
        EXPECT_TRUE(GetControlState(dialog, IDC_ANIMATE).visible);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_FALSE(m_report->Written());
    });
    // The launch timer, a real one, has ended the window.
    EXPECT_EQ(result, IDCANCEL);
    const auto& calls = window.TimerCalls();
    ASSERT_EQ(Identifiers(calls),
              std::vector<UINT_PTR>({7, CUpdateDlg::TIMER_UPDATE, CUpdateDlg::TIMER_LAUNCH}));
    EXPECT_GE(calls[2].enteredMs - updateHandledMs, 2900u);
    EXPECT_LE(calls[2].enteredMs - updateHandledMs, 6000u);
    StandinRun run;
    EXPECT_TRUE(m_report->Wait(kReportTimeoutMs, &run));
}

TEST_F(AutomatedRun, LaunchTimerStartsTheProgramAndEndsTheWindow) {
    AutomatedRunWindow window;
    const INT_PTR result = Run(window, "-DELAY 60", [](HWND dialog) {
        SendMessageA(dialog, WM_TIMER, CUpdateDlg::TIMER_LAUNCH, 0);
        EXPECT_FALSE(IsWindowVisible(dialog));
    });
    EXPECT_EQ(result, IDCANCEL);
    // The update never ran: its timer went with the window.
    EXPECT_EQ(Identifiers(window.TimerCalls()), std::vector<UINT_PTR>({CUpdateDlg::TIMER_LAUNCH}));
    StandinRun run;
    ASSERT_TRUE(m_report->Wait(kReportTimeoutMs, &run));
    EXPECT_EQ(run.parameters, "  hostname 69");
}

TEST_F(AutomatedRun, EnterWhileWaitingEndsTheRunBeforeAnythingHappens) {
    AutomatedRunWindow window;
    const INT_PTR result =
        Run(window, "-DELAY 1", [](HWND dialog) { PressKey(dialog, VK_RETURN); });
    EXPECT_EQ(result, IDOK);
    PumpMessages(4500); // past the moments of the update and the launch
    EXPECT_TRUE(window.TimerCalls().empty());
    EXPECT_FALSE(m_report->Written());
}

struct Shown {
    bool visible;
    bool enabled;
};

TEST_F(AutomatedRun, WindowShowsTheNoticeAndTheAnimationAndNoButton) {
    const struct {
        const char* stage;
        const char* option;
        bool clipPlaying;
    } cases[] = {
        {"waiting", "-DELAY 60", true},
        {"pausing after the update", "", false},
    };
    const struct {
        int id;
        const char* name;
        Shown shown;
    } controls[] = {
        {IDOK, "OK", {false, true}},
        {IDCANCEL, "Exit", {false, false}},
        {IDC_UPDATE_NOW, "UpDate Now", {false, false}},
        {IDC_UPDATE_GROUP, "group", {false, true}},
        {IDC_HELP_TEXT, "help", {false, false}},
        {IDC_NOTICE, "notice", {true, true}},
        {IDC_ANIMATE, "animation", {true, true}},
    };
    for (const auto& c : cases) {
        AutomatedRunWindow window;
        Run(window, c.option, [&](HWND dialog) {
            if (!c.clipPlaying)
                WaitForTimerCall(window, CUpdateDlg::TIMER_UPDATE);
            for (const auto& control : controls) {
                const ControlState state = GetControlState(dialog, control.id);
                EXPECT_EQ(state.visible, control.shown.visible) << c.stage << ": " << control.name;
                EXPECT_EQ(state.enabled, control.shown.enabled) << c.stage << ": " << control.name;
            }
            EXPECT_EQ(GetControlText(dialog, IDC_NOTICE), kAutomatedNotice) << c.stage;
            EXPECT_EQ(GetWindowTextOf(dialog), "Kestrup 2") << c.stage;
            EXPECT_EQ(ClipPlaying(dialog), c.clipPlaying) << c.stage;
            EXPECT_EQ(ClipEmpty(dialog), !c.clipPlaying) << c.stage;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
    }
}

} // namespace
