#include "MessageBoxHook.h"

#include "ModalRun.h"
#include "WindowDriver.h"

namespace {
constexpr int kMessageTextId = 0xFFFF;
constexpr int kIconId = 0x14;
constexpr int kWineIconId = 0x440; // Wine's boxes hold their icon in a control of this number
MessageBoxHook* g_hook = nullptr;
// The control that a box gave the focus to while it was being made: its
// default button, which has no default style yet when the box is activated.
HWND g_focusedInBox = nullptr;

HICON SystemIcon(LPCSTR id) {
    return LoadIconA(nullptr, id);
}
} // namespace

MessageBoxHook::MessageBoxHook(std::vector<int> answers) : m_answers(std::move(answers)) {
    g_hook = this;
    m_hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

MessageBoxHook::~MessageBoxHook() {
    UnhookWindowsHookEx(m_hook);
    g_hook = nullptr;
}

std::vector<std::string> MessageBoxHook::Texts() const {
    std::vector<std::string> texts;
    for (const ShownBox& box : m_boxes)
        texts.push_back(box.text);
    return texts;
}

LRESULT CALLBACK MessageBoxHook::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SETFOCUS)
        g_focusedInBox = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_hook && IsMessageBox(reinterpret_cast<HWND>(wParam)))
        g_hook->OnActivate(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxHook::OnActivate(HWND window) {
    for (const ShownBox& shown : m_boxes)
        if (shown.window == window)
            return; // the same box activated again
    ShownBox box;
    box.window = window;
    box.caption = GetWindowTextOf(window);
    box.text = GetControlText(window, kMessageTextId);
    box.owner = GetWindow(window, GW_OWNER);
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        const HWND button = GetDlgItem(window, id);
        // The box itself is not shown yet: read the buttons' own styles.
        const LONG style = button ? GetWindowLongA(button, GWL_STYLE) : 0;
        if (!(style & WS_VISIBLE))
            continue;
        box.buttons.push_back(id);
        if (button == g_focusedInBox || (style & BS_DEFPUSHBUTTON))
            box.defaultButton = id;
    }
    const int iconId = GetDlgItem(window, kIconId) ? kIconId : kWineIconId;
    const HICON icon =
        reinterpret_cast<HICON>(SendDlgItemMessageA(window, iconId, STM_GETICON, 0, 0));
    box.exclamationIcon = icon && icon == SystemIcon(IDI_EXCLAMATION);
    box.informationIcon = icon && icon == SystemIcon(IDI_INFORMATION);
    box.answer = m_next < m_answers.size() ? m_answers[m_next++] : box.defaultButton;
    m_boxes.push_back(box);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(box.answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, box.answer)));
}
