// The launcher: the shell call's record made from the SHELL and PARAM options,
// and real launches of the stand-in point-of-sale program.
#include "MessageBoxHook.h"
#include "ModalRun.h"
#include "StandinProgram.h"
#include "TestApp.h"
#include "TestFiles.h"

#include "run/ExecuteInfo.h"
#include "ui/UpdateDlg.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kReportTimeoutMs = 10000;
constexpr char kStandinTitle[] = "TALLYRA4 stand-in";

// The main window with its launch step in reach.
class LaunchingWindow : public CUpdateDlg {
public:
    using CUpdateDlg::LaunchShellProgram;
};

std::string Text(const char* text) {
    return text ? text : "<null>";
}

TEST(Launcher, ExecuteInfoFollowsTheShellAndParamOptions) {
    const HWND someWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x10062));
    const struct {
        const char* arguments;
        HWND owner;
        const char* file;
        const char* parameters;
        const char* directory;
    } cases[] = {
        {"-SHELL c:\\pos\\tallyra4.exe -PARAM 1 X", someWindow, "c:\\pos\\tallyra4.exe", " 1 X",
         "c:\\pos"},
        {"-SHELL c:\\pos\\tallyra4.exe -PARAM hostname 69", nullptr, "c:\\pos\\tallyra4.exe",
         " hostname 69", "c:\\pos"},
        {"-SHELL c:\\tallyra4.exe", someWindow, "c:\\tallyra4.exe", "", "c:"},
        {"-SHELL \\\\server\\share\\dir\\t.exe -PARAM a", someWindow,
         "\\\\server\\share\\dir\\t.exe", " a", "\\\\server\\share\\dir"},
        {"-SHELL tallyra4.exe -PARAM a", someWindow, "tallyra4.exe", " a", ""},
        {"-SHELL c:\\pos\\", someWindow, "c:\\pos\\", "", "c:\\pos"},
        {"-SHELL c:/pos/tallyra4.exe", someWindow, "c:/pos/tallyra4.exe", "", ""},
        {"-SHELL \"c:\\point of sale\\t.exe\" -PARAM \"a b\" c", someWindow,
         "c:\\point of sale\\t.exe", " a b c", "c:\\point of sale"},
    };
    for (const auto& c : cases) {
        const auto options = ParseArguments(c.arguments);
        const LaunchRequest request = MakeLaunchRequest(options->GetShell(), options->GetParam());
        const SHELLEXECUTEINFOA info = MakeExecuteInfo(request, c.owner);

        EXPECT_EQ(info.cbSize, sizeof(SHELLEXECUTEINFOA)) << c.arguments;
        EXPECT_EQ(info.fMask, static_cast<ULONG>(SEE_MASK_NOCLOSEPROCESS)) << c.arguments;
        EXPECT_EQ(info.hwnd, c.owner) << c.arguments;
        EXPECT_EQ(info.lpVerb, nullptr) << c.arguments;
        EXPECT_EQ(Text(info.lpFile), c.file) << c.arguments;
        EXPECT_EQ(Text(info.lpParameters), c.parameters) << c.arguments;
        EXPECT_EQ(Text(info.lpDirectory), c.directory) << c.arguments;
        EXPECT_EQ(info.nShow, SW_SHOWNORMAL) << c.arguments;
        EXPECT_EQ(info.hInstApp, nullptr) << c.arguments;
        EXPECT_EQ(info.lpIDList, nullptr) << c.arguments;
        EXPECT_EQ(info.lpClass, nullptr) << c.arguments;
        EXPECT_EQ(info.hkeyClass, nullptr) << c.arguments;
        EXPECT_EQ(info.dwHotKey, 0u) << c.arguments;
        EXPECT_EQ(info.hIcon, nullptr) << c.arguments;
        EXPECT_EQ(info.hProcess, nullptr) << c.arguments;
    }
}

class Launch : public ::testing::Test {
protected:
    void SetUp() override { m_folder = FreshTestFolder("launcher"); }

    // Runs the launch step for the command line and says how long it took.
    DWORD LaunchFor(const std::string& arguments) {
        const auto options = ParseArguments(arguments.c_str());
        LaunchingWindow window;
        window.m_pCmdInfo = options.get();
        const DWORD start = GetTickCount();
        window.LaunchShellProgram();
        return GetTickCount() - start;
    }

    std::string m_folder;
};

TEST_F(Launch, StartsTheProgramWithItsParametersInItsFolder) {
    const std::string standin = StandinPath(StandinBuild::New);
    const std::string folder = standin.substr(0, standin.rfind('\\'));
    const struct {
        const char* param;
        const char* parameters; // as the stand-in sees them
    } cases[] = {
        // The shell puts a blank between the file and the parameters, which
        // begin with the blank the options put ahead of every PARAM value.
        {" -PARAM hostname 69", "  hostname 69"},
        {" -PARAM 1 X", "  1 X"},
        {"", ""},
    };
    for (const auto& c : cases) {
        StandinReport report(m_folder + "\\report.txt");
        MessageBoxHook boxes;
        LaunchFor("-SRC x -SHELL " + standin + c.param);
        StandinRun run;
        ASSERT_TRUE(report.Wait(kReportTimeoutMs, &run)) << c.param;
        EXPECT_EQ(run.version, "new") << c.param;
        EXPECT_EQ(run.parameters, c.parameters) << c.param;
        EXPECT_STRCASEEQ(run.folder.c_str(), folder.c_str()) << c.param;
        EXPECT_TRUE(boxes.Boxes().empty()) << c.param;
    }
}

TEST_F(Launch, DoesNotWaitForTheProgram) {
    // Without a report to write, the stand-in stays until its window is closed.
    const DWORD launchMs = LaunchFor("-SRC x -SHELL " + StandinPath(StandinBuild::Old));
    // The launch step has returned, and the program it started runs on.
    HWND standinWindow = nullptr;
    for (int i = 0; i < 500 && !(standinWindow && IsWindowVisible(standinWindow)); ++i) {
        standinWindow = FindWindowA("#32770", kStandinTitle);
        Sleep(20);
    }
    ASSERT_TRUE(standinWindow && IsWindowVisible(standinWindow))
        << "the stand-in did not show its window";
    EXPECT_LT(launchMs, 5000u);
    PostMessageA(standinWindow, WM_COMMAND, IDOK, 0);
}

TEST_F(Launch, EmptyShellStartsNothing) {
    StandinReport report(m_folder + "\\report.txt");
    MessageBoxHook boxes;
    LaunchFor("-SRC x -PARAM hostname 69");
    Sleep(1000);
    EXPECT_FALSE(report.Written());
    EXPECT_TRUE(boxes.Boxes().empty());
}

// The shell call is made with the record as designed, which lets the shell
// report what it cannot open. The program adds no box of its own kind
// (captioned with its name, or with the exclamation or information icon),
// and the window closes as usual.
TEST_F(Launch, FailedLaunchAddsNoBoxOfTheProgramsOwnAndTheWindowStillEnds) {
    const std::string missing = m_folder + "\\missing.exe";
    auto options =
        ParseArguments(("-SRC x -SHELL " + missing + " -PARAM hostname 69 -DELAY 60").c_str());
    CUpdateDlg window;
    window.m_pCmdInfo = options.get();
    TestApp().m_pMainWnd = &window;
    MessageBoxHook boxes;
    HWND dialogWindow = nullptr;
    const INT_PTR result = RunModalWith(window, [&](HWND dialog) {
        dialogWindow = dialog;
        SendMessageA(dialog, WM_TIMER, CUpdateDlg::TIMER_LAUNCH, 0);
    });
    TestApp().m_pMainWnd = nullptr;
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_LE(boxes.Boxes().size(), 1u);
    for (const ShownBox& box : boxes.Boxes()) {
        EXPECT_NE(box.caption, TestApp().m_strAppName.Str());
        EXPECT_FALSE(box.exclamationIcon);
        EXPECT_FALSE(box.informationIcon);
        EXPECT_EQ(box.owner, dialogWindow) << "the shell's box belongs to the main window";
    }
}

} // namespace
