// Pictures of every screen of the built program, for the README. Run inside
// Wine's virtual desktop (tools/screenshots.sh): it lays out a demo terminal
// on drive c:, brings each screen up in the real Kestrup2.exe beside it, and
// writes the part of the desktop that holds the program's windows as a .bmp.
//
//   screenshots.exe OUTPUT_FOLDER
//
// Exit status 0 when every picture was written, 1 otherwise.
#include "WindowDriver.h"

#include "res/resource.h"

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const std::string kProgram = ModuleFolder() + "\\Kestrup2.exe";
constexpr char kTitle[] = "Kestrup 2";
constexpr DWORD kWaitMs = 20000;
// Long enough for the windows to be painted once they are up.
constexpr DWORD kSettleMs = 700;
constexpr int kMargin = 16; // desktop shown around the windows

// The demo terminal: an installed program and three server folders, one with
// a newer file, one with an older file and one with none.
constexpr char kPosFolder[] = "c:\\POS";
constexpr char kInstalled[] = "c:\\POS\\TALLYRA4.EXE";
constexpr char kBackupRoot[] = "c:\\POS\\Backup";
constexpr char kNewerSource[] = "c:\\share\\terminal";
constexpr char kOlderSource[] = "c:\\share\\older";
constexpr char kEmptySource[] = "c:\\share\\empty";
constexpr char kFileName[] = "\\TALLYRA4.EXE";
constexpr char kAutomatedArguments[] = " -SHELL c:\\pos\\tallyra4.exe -PARAM hostname 69 -DELAY 30";
// The clip's frame the notice screen shows (it has two).
constexpr WPARAM kShownFrame = 1;

std::string g_output;

// Noon, UTC, on the given day.
FILETIME Day(WORD year, WORD month, WORD day) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = 12;
    FILETIME result = {};
    SystemTimeToFileTime(&time, &result);
    return result;
}

bool MakeFolders(const std::string& path) {
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    const HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string inner = path + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(inner);
            else
                DeleteFileA(inner.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

bool WriteFileWithTime(const std::string& path, const std::string& bytes, FILETIME lastWrite) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && SetFileTime(file, nullptr, nullptr, &lastWrite);
    CloseHandle(file);
    return ok;
}

// The same terminal before every screen, whatever the screen before did.
bool PrepareTerminal() {
    RemoveTree(kBackupRoot);
    RemoveTree("c:\\share");
    return MakeFolders(kPosFolder) && MakeFolders(kNewerSource) && MakeFolders(kOlderSource) &&
           MakeFolders(kEmptySource) &&
           WriteFileWithTime(kInstalled, "installed point-of-sale program", Day(2024, 3, 14)) &&
           WriteFileWithTime(std::string(kNewerSource) + kFileName, "newer point-of-sale program",
                             Day(2024, 5, 2)) &&
           WriteFileWithTime(std::string(kOlderSource) + kFileName, "older point-of-sale program",
                             Day(2023, 11, 20));
}

// Writes the screen area `area` as a 24-bit bottom-up .bmp.
bool CaptureArea(const RECT& area, const std::string& path) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    info.bmiHeader.biSizeImage = stride * static_cast<DWORD>(height);

    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (picture && bits) {
        const HGDIOBJ old = SelectObject(memory, picture);
        ok = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
    }
    if (ok) {
        BITMAPFILEHEADER header = {};
        header.bfType = 0x4D42; // "BM"
        header.bfOffBits = sizeof header + sizeof info.bmiHeader;
        header.bfSize = header.bfOffBits + info.bmiHeader.biSizeImage;
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        ok = file != INVALID_HANDLE_VALUE &&
             WriteFile(file, &header, sizeof header, &written, nullptr) &&
             WriteFile(file, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
             WriteFile(file, bits, info.bmiHeader.biSizeImage, &written, nullptr) &&
             written == info.bmiHeader.biSizeImage;
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    if (picture)
        DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

// Pictures the program's visible windows, with some desktop around them.
bool Capture(const ProgramUnderTest& program, const std::string& name) {
    Sleep(kSettleMs);
    RECT area = {};
    for (HWND window : program.VisibleWindows()) {
        RECT rect;
        if (GetWindowRect(window, &rect))
            UnionRect(&area, &area, &rect);
    }
    if (IsRectEmpty(&area))
        return false;
    InflateRect(&area, kMargin, kMargin);
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&area, &area, &screen);
    return CaptureArea(area, g_output + "\\" + name + ".bmp");
}

// Starts the program with `arguments`, waits for its main window and lets
// `show` bring the screen up and picture it.
bool Screen(const std::string& name, const std::string& arguments,
            const std::function<bool(ProgramUnderTest&, HWND)>& show) {
    if (!PrepareTerminal()) {
        std::printf("%s: could not lay out the demo terminal\n", name.c_str());
        return false;
    }
    ProgramUnderTest program(kProgram, arguments);
    const HWND window = program.Started() ? program.WaitForWindow(kTitle, kWaitMs) : nullptr;
    if (!window) {
        std::printf("%s: the program showed no window\n", name.c_str());
        return false;
    }
    // The window is the active one, but under Wine's virtual desktop with no
    // window manager its caption first shows inactive; the message the system
    // sends on activation draws it as a person at the terminal sees it.
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    const bool ok = show(program, window);
    std::printf("%s: %s\n", name.c_str(), ok ? "written" : "FAILED");
    std::fflush(stdout);
    return ok; // and `program`, going out of scope, ends the program
}

// Presses UpDate Now and pictures the box that follows if it says `expected`.
bool BoxAfterUpdate(ProgramUnderTest& program, HWND window, const std::string& name,
                    const std::string& expected) {
    PressButton(window, IDC_UPDATE_NOW);
    const HWND box = program.WaitForMessageBox(kWaitMs);
    if (!box)
        return false;
    if (MessageBoxText(box).find(expected) == std::string::npos) {
        std::printf("%s: unexpected box: %s\n", name.c_str(), MessageBoxText(box).c_str());
        return false;
    }
    return Capture(program, name);
}

// A window of the program owned by `owner`. (The about box holds controls
// without identifier, which the driver takes for a message box's text, so it
// is looked for by its owner alone.)
HWND WaitForOwnedWindow(const ProgramUnderTest& program, HWND owner) {
    const DWORD start = GetTickCount();
    do {
        for (HWND window : program.VisibleWindows())
            if (GetWindow(window, GW_OWNER) == owner)
                return window;
        Sleep(20);
    } while (GetTickCount() - start < kWaitMs);
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    g_output = argv[1];
    if (!MakeFolders(g_output)) {
        std::fprintf(stderr, "cannot make %s\n", g_output.c_str());
        return 1;
    }
    const std::string newer = std::string("-SRC ") + kNewerSource;
    bool ok = true;

    ok &= Screen("help", "",
                 [](ProgramUnderTest& program, HWND) { return Capture(program, "help"); });
    ok &= Screen("interactive", newer,
                 [](ProgramUnderTest& program, HWND) { return Capture(program, "interactive"); });
    ok &= Screen("question", std::string("-SRC ") + kOlderSource,
                 [](ProgramUnderTest& program, HWND window) {
                     return BoxAfterUpdate(program, window, "question",
                                           "The New File Is Older Than The Current File!");
                 });
    ok &= Screen("report", newer, [](ProgramUnderTest& program, HWND window) {
        return BoxAfterUpdate(program, window, "report", "Was Successfully Updated!");
    });
    ok &= Screen("error", std::string("-SRC ") + kEmptySource,
                 [](ProgramUnderTest& program, HWND window) {
                     return BoxAfterUpdate(program, window, "error", "No Update File Was Found!");
                 });
    ok &= Screen(
        "automated", newer + kAutomatedArguments, [](ProgramUnderTest& program, HWND window) {
            if (!ControlVisible(window, IDC_NOTICE) || !ControlVisible(window, IDC_ANIMATE))
                return false;
            // The clip plays on; one chosen frame keeps the picture
            // the same from run to run.
            SendMessageA(GetDlgItem(window, IDC_ANIMATE), ACM_PLAY, 1,
                         MAKELPARAM(kShownFrame, kShownFrame));
            return Capture(program, "automated");
        });
    ok &= Screen("about", newer, [](ProgramUnderTest& program, HWND window) {
        PostMessageA(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        if (!WaitForOwnedWindow(program, window))
            return false;
        return Capture(program, "about");
    });
    return ok ? 0 : 1;
}
