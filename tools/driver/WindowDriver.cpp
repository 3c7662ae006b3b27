#include "WindowDriver.h"

namespace {
constexpr int kMessageTextId = 0xFFFF;
constexpr DWORD kPollMs = 20;

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->processId && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

bool IsDialogClass(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}
} // namespace

bool IsMessageBox(HWND window) {
    // Static controls without an identifier also carry 0xFFFF (the about
    // box's icon, for one); a message box's 0xFFFF control is its text.
    const HWND text = GetDlgItem(window, kMessageTextId);
    return IsDialogClass(window) && text &&
           (GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK) != SS_ICON;
}

ProgramUnderTest::ProgramUnderTest(const std::string& exePath, const std::string& arguments) {
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &m_process))
        m_process = PROCESS_INFORMATION();
}

ProgramUnderTest::~ProgramUnderTest() {
    if (!m_process.hProcess)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 255);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

std::vector<HWND> ProgramUnderTest::VisibleWindows() const {
    Search search = {m_process.dwProcessId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramUnderTest::WaitForWindow(const std::string& title, DWORD timeoutMs, HWND owner) const {
    const DWORD start = GetTickCount();
    do {
        for (HWND window : VisibleWindows()) {
            if (!IsDialogClass(window) || IsMessageBox(window))
                continue;
            if (!title.empty() && WindowText(window) != title)
                continue;
            if (owner && GetWindow(window, GW_OWNER) != owner)
                continue;
            return window;
        }
        Sleep(kPollMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND ProgramUnderTest::WaitForMessageBox(DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    do {
        for (HWND window : VisibleWindows())
            if (IsMessageBox(window))
                return window;
        Sleep(kPollMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool ProgramUnderTest::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(m_process.hProcess, exitCode);
    return true;
}

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string WindowText(HWND window) {
    char text[8192] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

std::string ControlText(HWND window, int id) {
    return WindowText(GetDlgItem(window, id));
}

bool ControlVisible(HWND window, int id) {
    return (GetWindowLongA(GetDlgItem(window, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool ControlEnabled(HWND window, int id) {
    return IsWindowEnabled(GetDlgItem(window, id)) != FALSE;
}

void PressButton(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

std::string MessageBoxText(HWND box) {
    return ControlText(box, kMessageTextId);
}
