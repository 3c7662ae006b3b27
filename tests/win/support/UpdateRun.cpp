#include "UpdateRun.h"

#include "ModalRun.h"
#include "TestApp.h"

#include "ui/UpdateDlg.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr int kMessageTextId = 0xFFFF;
constexpr char kSystemErrorCaption[] = "Error";

bool IsMessageBox(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770" && GetDlgItem(window, kMessageTextId) != nullptr;
}

// Silent mode is the automated run's; a test turns it on directly.
class UpdateDlgUnderTest : public CUpdateDlg {
public:
    void SetSilent(bool silent) { m_bSilent = silent ? TRUE : FALSE; }
};

// A second hook, installed after the answering one and so called before it:
// it acts on each new box before the box takes its answer.
class BoxWatcher {
public:
    explicit BoxWatcher(std::function<void(size_t)> onBox) : m_onBox(std::move(onBox)) {
        s_watcher = this;
        m_hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    }
    ~BoxWatcher() {
        UnhookWindowsHookEx(m_hook);
        s_watcher = nullptr;
    }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && s_watcher && IsMessageBox(window))
            s_watcher->OnActivate(window);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    void OnActivate(HWND box) {
        for (HWND seen : m_seen)
            if (seen == box)
                return;
        m_seen.push_back(box);
        if (m_onBox)
            m_onBox(m_seen.size() - 1);
    }

    static BoxWatcher* s_watcher;
    HHOOK m_hook;
    std::function<void(size_t)> m_onBox;
    std::vector<HWND> m_seen;
};
BoxWatcher* BoxWatcher::s_watcher = nullptr;

const char* KindName(BoxKind kind) {
    switch (kind) {
    case BoxKind::Question:
        return "question";
    case BoxKind::Report:
        return "report";
    default:
        return "system error box";
    }
}
} // namespace

UpdateOutcome RunUpdate(const UpdateRun& run) {
    auto info = ParseArguments(run.arguments);
    UpdateDlgUnderTest dlg;
    dlg.m_pCmdInfo = info.get();
    TestApp().m_pMainWnd = &dlg;
    UpdateOutcome outcome;
    {
        MessageBoxHook hook(run.answers);
        std::unique_ptr<BoxWatcher> watcher;
        if (run.onBox)
            watcher = std::make_unique<BoxWatcher>(run.onBox);
        RunModalWith(dlg, [&](HWND window) {
            outcome.window = window;
            dlg.SetSilent(run.silent);
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_UPDATE_NOW, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_UPDATE_NOW)));
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
        outcome.boxes = hook.Boxes();
    }
    TestApp().m_pMainWnd = nullptr;
    return outcome;
}

ExpectedBox Question(const std::string& text) {
    return {BoxKind::Question, text};
}

ExpectedBox Report(const std::string& text) {
    return {BoxKind::Report, text};
}

ExpectedBox SystemError(DWORD errorCode) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, errorCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                   reinterpret_cast<char*>(&text), 0, nullptr);
    ExpectedBox box = {BoxKind::SystemError, text ? text : ""};
    LocalFree(text);
    return box;
}

void ExpectBoxes(const UpdateOutcome& outcome, const std::vector<ExpectedBox>& expected,
                 const std::string& context) {
    std::vector<std::string> shownTexts;
    for (const ShownBox& box : outcome.boxes)
        shownTexts.push_back(box.text);
    std::vector<std::string> expectedTexts;
    for (const ExpectedBox& box : expected)
        expectedTexts.push_back(box.text);
    ASSERT_EQ(shownTexts, expectedTexts) << context;

    for (size_t i = 0; i < expected.size(); ++i) {
        const ShownBox& shown = outcome.boxes[i];
        const BoxKind kind = expected[i].kind;
        const std::string what =
            context + ", box " + std::to_string(i + 1) + " (" + KindName(kind) + ")";
        EXPECT_EQ(shown.owner, outcome.window) << what;
        if (kind == BoxKind::SystemError) {
            EXPECT_EQ(shown.caption, kSystemErrorCaption) << what;
            EXPECT_TRUE(shown.informationIcon) << what;
        } else {
            EXPECT_EQ(shown.caption, TestApp().m_strAppName.Str()) << what;
            EXPECT_TRUE(shown.exclamationIcon) << what;
        }
        if (kind == BoxKind::Question) {
            EXPECT_EQ(shown.buttons, std::vector<int>({IDYES, IDNO})) << what;
            EXPECT_EQ(shown.defaultButton, IDYES) << what;
        } else {
            EXPECT_EQ(shown.buttons, std::vector<int>({IDOK})) << what;
        }
    }
}
