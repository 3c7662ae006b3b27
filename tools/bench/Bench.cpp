// make bench: measures Kestrup2 under Wine, side by side in one run on the
// same prefix and files. A benchmark, not a test: it prints figures and only
// fails when a run itself goes wrong (a wrong file installed, no launch).
//
//  1. What an unattended update costs beyond the two copies it must make:
//     (start-to-launch less the 3000 ms pause, large file) minus (the same,
//     tiny file), divided by the time of two plain CopyFileA calls of the
//     large file.
//  2. The time from process start to the main window shown, beside a minimal
//     dialog program built by the same toolchain.
//  3. The program's peak working set.
//
// The launched program is LaunchProbe.exe, copied (and, for the large case,
// padded) into the update's files: it writes the moment its process was
// created, which is the launch moment. tools/bench.sh gives this driver a
// prefix and a display of its own.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char kInstalled[] = "c:\\POS\\TALLYRA4.EXE";
constexpr char kPosFolder[] = "c:\\POS";
constexpr char kBackupRoot[] = "C:\\pos\\Backup";
constexpr char kWorkFolder[] = "c:\\kestrup-bench";
constexpr char kProbeVariable[] = "KESTRUP_BENCH_PROBE";
// The start-up script's line, with no wait before the update: the wait is
// the same for both file sizes, so it would only add to the noise.
constexpr char kUnattendedOptions[] = " -SHELL c:\\pos\\tallyra4.exe -PARAM hostname 69 -DELAY 0";
constexpr char kDialogClass[] = "#32770";
constexpr double kPauseBeforeLaunchMs = 3000;
constexpr DWORD kAutomatedExitStatus = 2;
constexpr DWORD kRunTimeoutMs = 10 * 60 * 1000;
constexpr DWORD kReportTimeoutMs = 10000;
constexpr DWORD kWindowTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr DWORD kMemoryPollMs = 20;
constexpr DWORD kChunk = 1 << 20;
constexpr double kTicksPerMs = 10000;
constexpr double kGoal = 1.2;
constexpr uint64_t kMb = 1 << 20;
constexpr size_t kTinyPadding = 16;
// Window starts are short and vary more than the updates: several a round.
constexpr int kWindowStartsPerRound = 3;

// ---------------------------------------------------------------- clocks

int64_t Ticks(const FILETIME& time) {
    return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) |
                                time.dwLowDateTime);
}

// The system time, on the clock that process creation times are read from.
int64_t NowTicks() {
    using PreciseTime = VOID(WINAPI*)(LPFILETIME);
    static const PreciseTime precise = reinterpret_cast<PreciseTime>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME now;
    if (precise)
        precise(&now);
    else
        ::GetSystemTimeAsFileTime(&now);
    return Ticks(now);
}

class Stopwatch {
public:
    Stopwatch() {
        ::QueryPerformanceFrequency(&m_frequency);
        ::QueryPerformanceCounter(&m_start);
    }
    double Ms() const {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) /
               static_cast<double>(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency, m_start;
};

int64_t UtcTicks(WORD year, WORD month, WORD day) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = 10;
    FILETIME file;
    ::SystemTimeToFileTime(&time, &file);
    return Ticks(file);
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// ---------------------------------------------------------------- files

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bytes.clear();
    std::vector<char> buffer(kChunk);
    DWORD got = 0;
    bool ok;
    while ((ok = ::ReadFile(file, buffer.data(), kChunk, &got, nullptr)) && got > 0)
        bytes.append(buffer.data(), got);
    ::CloseHandle(file);
    return ok;
}

bool Flush(const std::string& path) {
    const HANDLE file =
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool flushed = ::FlushFileBuffers(file);
    ::CloseHandle(file);
    return flushed;
}

// Writes `head` followed by a pseudo-random filling up to `size` bytes, with
// the given last-write time, and flushes it: a runnable program of any size
// whose bytes differ from seed to seed.
bool WritePadded(const std::string& path, const std::string& head, uint64_t size, uint64_t seed,
                 int64_t lastWrite) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = ::WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &written, nullptr);
    std::vector<uint64_t> buffer(kChunk / sizeof(uint64_t));
    uint64_t state = seed * 0x9E3779B97F4A7C15ull + 1;
    for (uint64_t left = size > head.size() ? size - head.size() : 0; ok && left > 0;) {
        for (uint64_t& word : buffer) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        const DWORD part = static_cast<DWORD>(std::min<uint64_t>(left, kChunk));
        ok = ::WriteFile(file, buffer.data(), part, &written, nullptr) && written == part;
        left -= part;
    }
    FILETIME time = {static_cast<DWORD>(lastWrite), static_cast<DWORD>(lastWrite >> 32)};
    ok = ok && ::SetFileTime(file, nullptr, nullptr, &time) && ::FlushFileBuffers(file);
    ::CloseHandle(file);
    return ok;
}

bool SameBytes(const std::string& a, const std::string& b) {
    const HANDLE fa =
        ::CreateFileA(a.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const HANDLE fb =
        ::CreateFileA(b.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    bool same = fa != INVALID_HANDLE_VALUE && fb != INVALID_HANDLE_VALUE;
    std::vector<char> ba(kChunk), bb(kChunk);
    while (same) {
        DWORD ga = 0, gb = 0;
        same = ::ReadFile(fa, ba.data(), kChunk, &ga, nullptr) &&
               ::ReadFile(fb, bb.data(), kChunk, &gb, nullptr) && ga == gb &&
               std::equal(ba.begin(), ba.begin() + ga, bb.begin());
        if (ga == 0)
            break;
    }
    if (fa != INVALID_HANDLE_VALUE)
        ::CloseHandle(fa);
    if (fb != INVALID_HANDLE_VALUE)
        ::CloseHandle(fb);
    return same;
}

uint64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..")
                RemoveTree(path + "\\" + name);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(path.c_str());
}

// The one backup copy under the backup root, C:\pos\Backup\TY*\TALLYRA4.EXE.
std::string BackupCopy() {
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((std::string(kBackupRoot) + "\\TY*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return "";
    ::FindClose(search);
    return std::string(kBackupRoot) + "\\" + found.cFileName + "\\TALLYRA4.EXE";
}

// ---------------------------------------------------------------- processes

class Process {
public:
    Process(const std::string& exe, const std::string& arguments) {
        std::string line = "\"" + exe + "\"" + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!::CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &m_info))
            m_info = PROCESS_INFORMATION();
    }
    ~Process() {
        if (!m_info.hProcess)
            return;
        if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_info.hProcess, 255);
            ::WaitForSingleObject(m_info.hProcess, kExitTimeoutMs);
        }
        ::CloseHandle(m_info.hThread);
        ::CloseHandle(m_info.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return m_info.hProcess != nullptr; }
    HANDLE Handle() const { return m_info.hProcess; }
    DWORD Id() const { return m_info.dwProcessId; }
    bool Ended(DWORD waitMs) const { return ::WaitForSingleObject(m_info.hProcess, waitMs) == 0; }
    DWORD ExitStatus() const {
        DWORD status = 0;
        ::GetExitCodeProcess(m_info.hProcess, &status);
        return status;
    }
    int64_t CreatedTicks() const {
        FILETIME created, exited, kernel, user;
        if (!::GetProcessTimes(m_info.hProcess, &created, &exited, &kernel, &user))
            return 0;
        return Ticks(created);
    }
    // The largest working set the process has had so far, in bytes.
    SIZE_T PeakWorkingSet() const {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        if (!::GetProcessMemoryInfo(m_info.hProcess, &counters, sizeof counters))
            return 0;
        return counters.PeakWorkingSetSize;
    }

private:
    PROCESS_INFORMATION m_info = {};
};

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM lParam) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char name[sizeof kDialogClass + 1] = {};
    if (processId == search->processId && ::IsWindowVisible(window) &&
        ::GetClassNameA(window, name, sizeof name) && std::string(name) == kDialogClass) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleDialogOf(DWORD processId) {
    WindowSearch search = {processId, nullptr};
    ::EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// ---------------------------------------------------------------- measurements

struct Paths {
    std::string program, minimalDialog, templateDialog, probe, report;
};

// One unattended update, the files it starts from, and what it must leave.
struct UpdateCase {
    const char* name;
    std::string oldFile;      // put in place as the installed program before each run
    std::string sourceFolder; // the SRC folder
    std::string newFile;      // its TALLYRA4.EXE
};

struct UpdateSample {
    double beyondPauseMs = 0; // start to launch, less the 3000 ms pause
    SIZE_T peakWorkingSet = 0;
};

bool Fail(std::string& error, const std::string& why) {
    error = why;
    return false;
}

bool ReadProbeReport(const std::string& path, int64_t& launched) {
    const Stopwatch clock;
    std::string text;
    while (!ReadWhole(path, text)) {
        if (clock.Ms() > kReportTimeoutMs)
            return false;
        ::Sleep(kMemoryPollMs);
    }
    launched = std::strtoll(text.c_str(), nullptr, 10);
    return launched > 0;
}

bool RunUnattended(const Paths& paths, const UpdateCase& run, UpdateSample& sample,
                   std::string& error) {
    RemoveTree(kBackupRoot);
    ::DeleteFileA(paths.report.c_str());
    // The installed program has long been on disk, as on a terminal.
    if (!::CopyFileA(run.oldFile.c_str(), kInstalled, FALSE) || !Flush(kInstalled))
        return Fail(error, "cannot put the installed program in place");

    const Process program(paths.program, " -SRC " + run.sourceFolder + kUnattendedOptions);
    if (!program.Started())
        return Fail(error, "cannot start " + paths.program);
    const Stopwatch clock;
    while (!program.Ended(kMemoryPollMs)) {
        sample.peakWorkingSet = std::max(sample.peakWorkingSet, program.PeakWorkingSet());
        if (clock.Ms() > kRunTimeoutMs)
            return Fail(error, "the unattended run did not end");
    }
    if (program.ExitStatus() != kAutomatedExitStatus)
        return Fail(error, "exit status " + std::to_string(program.ExitStatus()));
    int64_t launched = 0;
    if (!ReadProbeReport(paths.report, launched))
        return Fail(error, "the launched program did not report");
    sample.beyondPauseMs =
        static_cast<double>(launched - program.CreatedTicks()) / kTicksPerMs - kPauseBeforeLaunchMs;

    if (!SameBytes(kInstalled, run.newFile))
        return Fail(error, "the installed program is not the new one");
    const std::string backup = BackupCopy();
    if (backup.empty() || !SameBytes(backup, run.oldFile))
        return Fail(error, "the backup copy is not the old program");
    return true;
}

// The two copies an update makes, done by hand into c:\POS: the installed
// program and the new one. Plain: two CopyFileA calls. Flushed: each copy
// also forced to disk. AsInstalled: flushed, and the second put in place of a
// program file of the same size by one replacing rename, which are all the
// steps of the update's two copies without the update itself.
enum class Copies { Plain, Flushed, AsInstalled };

bool TimeTwoCopies(const UpdateCase& run, Copies how, double& ms, std::string& error) {
    const std::string pos = kPosFolder;
    const std::string copies[] = {pos + "\\plain-copy-1.bin", pos + "\\plain-copy-2.bin"};
    const std::string replaced = pos + "\\plain-installed.bin";
    for (const std::string& copy : copies)
        ::DeleteFileA(copy.c_str());
    const bool flush = how != Copies::Plain;
    bool done = how != Copies::AsInstalled ||
                (::CopyFileA(run.oldFile.c_str(), replaced.c_str(), FALSE) && Flush(replaced));
    const Stopwatch clock;
    done = done && ::CopyFileA(run.oldFile.c_str(), copies[0].c_str(), FALSE) &&
           (!flush || Flush(copies[0])) &&
           ::CopyFileA(run.newFile.c_str(), copies[1].c_str(), FALSE) &&
           (!flush || Flush(copies[1])) &&
           (how != Copies::AsInstalled ||
            ::MoveFileExA(copies[1].c_str(), replaced.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    ms = clock.Ms();
    for (const std::string& copy : copies)
        ::DeleteFileA(copy.c_str());
    ::DeleteFileA(replaced.c_str());
    return done || Fail(error, "a copy by hand failed");
}

struct WindowSample {
    double shownMs = 0; // process created to its dialog visible
    double idleMs = 0;  // process created to waiting for input, after that
    SIZE_T peakWorkingSet = 0;
};

bool TimeWindow(const std::string& exe, const std::string& arguments, WindowSample& sample,
                std::string& error) {
    const Process program(exe, arguments);
    if (!program.Started())
        return Fail(error, "cannot start " + exe);
    HWND window = nullptr;
    const Stopwatch clock;
    // A tight poll: the window's first moment shown is what is measured.
    while (!(window = VisibleDialogOf(program.Id()))) {
        if (program.Ended(0) || clock.Ms() > kWindowTimeoutMs)
            return Fail(error, exe + " showed no window");
        ::Sleep(1);
    }
    const int64_t shown = NowTicks();
    const int64_t created = program.CreatedTicks();
    sample.shownMs = static_cast<double>(shown - created) / kTicksPerMs;
    if (::WaitForInputIdle(program.Handle(), kWindowTimeoutMs) == 0)
        sample.idleMs = static_cast<double>(NowTicks() - created) / kTicksPerMs;
    sample.peakWorkingSet = program.PeakWorkingSet();
    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    if (!program.Ended(kExitTimeoutMs))
        return Fail(error, exe + " did not end on Cancel");
    return true;
}

// ---------------------------------------------------------------- report

std::string Join(const std::vector<double>& values) {
    std::string text;
    char number[32];
    for (double value : values) {
        std::snprintf(number, sizeof number, "%s%.0f", text.empty() ? "" : " ", value);
        text += number;
    }
    return text;
}

double MiB(SIZE_T bytes) {
    return static_cast<double>(bytes) / kMb;
}

const char* Verdict(double ratio) {
    return ratio <= kGoal ? "goal <= 1.2 met" : "goal <= 1.2 MISSED";
}

struct Options {
    int runs = 5;
    uint64_t sizeMb = 200;
};

bool ReadOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const long value = std::strtol(argv[i + 1], nullptr, 10);
        if (value <= 0)
            return false;
        if (name == "--runs")
            options.runs = static_cast<int>(value);
        else if (name == "--size-mb")
            options.sizeMb = static_cast<uint64_t>(value);
        else
            return false;
    }
    return argc % 2 == 1;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: Bench [--runs N] [--size-mb MB]\n");
        return 2;
    }
    const std::string here = ModuleFolder();
    const std::string work = kWorkFolder;
    const Paths paths = {here + "\\..\\Kestrup2.exe", here + "\\MinimalDialog.exe",
                         here + "\\TemplateDialog.exe", here + "\\LaunchProbe.exe",
                         work + "\\launched.txt"};
    ::SetEnvironmentVariableA(kProbeVariable, paths.report.c_str());

    // The files: an older installed program and a newer one on the "share",
    // large and tiny; each a runnable copy of the probe.
    std::string probe;
    if (!ReadWhole(paths.probe, probe)) {
        std::fprintf(stderr, "cannot read %s\n", paths.probe.c_str());
        return 1;
    }
    RemoveTree(work);
    RemoveTree(kPosFolder);
    ::CreateDirectoryA(work.c_str(), nullptr);
    ::CreateDirectoryA(kPosFolder, nullptr);
    const UpdateCase large = {"large", work + "\\large-old.exe", work + "\\large-share",
                              work + "\\large-share\\TALLYRA4.EXE"};
    const UpdateCase tiny = {"tiny", work + "\\tiny-old.exe", work + "\\tiny-share",
                             work + "\\tiny-share\\TALLYRA4.EXE"};
    const int64_t oldDate = UtcTicks(2024, 3, 5), newDate = UtcTicks(2024, 6, 1);
    const uint64_t largeSize = options.sizeMb * kMb;
    ::CreateDirectoryA(large.sourceFolder.c_str(), nullptr);
    ::CreateDirectoryA(tiny.sourceFolder.c_str(), nullptr);
    std::printf("Preparing two %llu MB programs and two tiny ones in %s ...\n",
                static_cast<unsigned long long>(options.sizeMb), kWorkFolder);
    std::fflush(stdout);
    if (!WritePadded(large.oldFile, probe, largeSize, 1, oldDate) ||
        !WritePadded(large.newFile, probe, largeSize, 2, newDate) ||
        !WritePadded(tiny.oldFile, probe, probe.size(), 3, oldDate) ||
        !WritePadded(tiny.newFile, probe, probe.size() + kTinyPadding, 4, newDate)) {
        std::fprintf(stderr, "cannot write the programs under %s\n", kWorkFolder);
        return 1;
    }

    // The programs whose start to window shown is timed, the first two side
    // by side; the others tell where the difference goes.
    struct WindowProgram {
        const char* label;
        std::string exe, arguments;
        std::vector<double> shown, idle;
        SIZE_T peak = 0;
    };
    std::vector<WindowProgram> windows = {
        {"Kestrup2 -SRC ...", paths.program, " -SRC " + tiny.sourceFolder, {}, {}},
        {"minimal dialog program", paths.minimalDialog, "", {}, {}},
        {"minimal dialog, common controls registered", paths.minimalDialog, " -c", {}, {}},
        {"Kestrup2's window template, nothing else", paths.templateDialog, "", {}, {}},
    };

    std::vector<double> largeMs, tinyMs, copyMs, flushedCopyMs, installedCopyMs;
    SIZE_T largePeak = 0, tinyPeak = 0;
    std::string error;
    // Round 0 warms the caches and Wine up and is not counted.
    for (int round = 0; round <= options.runs; ++round) {
        UpdateSample largeRun, tinyRun;
        double copies = 0, flushedCopies = 0, installedCopies = 0;
        if (!TimeTwoCopies(large, Copies::Plain, copies, error) ||
            !RunUnattended(paths, large, largeRun, error) ||
            !RunUnattended(paths, tiny, tinyRun, error) ||
            !TimeTwoCopies(large, Copies::Flushed, flushedCopies, error) ||
            !TimeTwoCopies(large, Copies::AsInstalled, installedCopies, error)) {
            std::fprintf(stderr, "round %d: %s\n", round, error.c_str());
            return 1;
        }
        std::vector<std::vector<WindowSample>> samples(windows.size());
        for (int start = 0; start < kWindowStartsPerRound; ++start) {
            for (size_t i = 0; i < windows.size(); ++i) {
                WindowSample sample;
                if (!TimeWindow(windows[i].exe, windows[i].arguments, sample, error)) {
                    std::fprintf(stderr, "round %d: %s\n", round, error.c_str());
                    return 1;
                }
                samples[i].push_back(sample);
            }
        }
        std::printf("round %d%s: update large %.0f ms, tiny %.0f ms; two copies %.0f ms, "
                    "flushed %.0f ms, as installed %.0f ms; window %.0f ms, minimal dialog "
                    "%.0f ms\n",
                    round, round ? "" : " (warm-up, not counted)", largeRun.beyondPauseMs,
                    tinyRun.beyondPauseMs, copies, flushedCopies, installedCopies,
                    samples[0][0].shownMs, samples[1][0].shownMs);
        std::fflush(stdout);
        if (round == 0)
            continue;
        largeMs.push_back(largeRun.beyondPauseMs);
        tinyMs.push_back(tinyRun.beyondPauseMs);
        copyMs.push_back(copies);
        flushedCopyMs.push_back(flushedCopies);
        installedCopyMs.push_back(installedCopies);
        largePeak = std::max(largePeak, largeRun.peakWorkingSet);
        tinyPeak = std::max(tinyPeak, tinyRun.peakWorkingSet);
        for (size_t i = 0; i < windows.size(); ++i) {
            for (const WindowSample& sample : samples[i]) {
                windows[i].shown.push_back(sample.shownMs);
                windows[i].idle.push_back(sample.idleMs);
                windows[i].peak = std::max(windows[i].peak, sample.peakWorkingSet);
            }
        }
    }
    RemoveTree(work);
    RemoveTree(kPosFolder);

    const double extra = Median(largeMs) - Median(tinyMs);
    const double updateRatio = extra / Median(copyMs);
    const double windowRatio = Median(windows[0].shown) / Median(windows[1].shown);
    std::printf("\nMedians of %d runs (each run's figures in brackets)\n\n", options.runs);
    std::printf("Unattended update, start to launch less the 3000 ms pause:\n");
    std::printf("  %-42s %7.0f ms  [%s]\n",
                (std::to_string(options.sizeMb) + " MB program").c_str(), Median(largeMs),
                Join(largeMs).c_str());
    std::printf("  %-42s %7.0f ms  [%s]\n",
                (std::to_string(probe.size() + kTinyPadding) + " byte program").c_str(),
                Median(tinyMs), Join(tinyMs).c_str());
    std::printf("  %-42s %7.0f ms\n", "difference: cost of the large file", extra);
    std::printf("  %-42s %7.0f ms  [%s]\n", "two plain CopyFileA of the large file", Median(copyMs),
                Join(copyMs).c_str());
    std::printf("  %-42s %7.2f    (%s)\n", "RATIO difference / two plain copies", updateRatio,
                Verdict(updateRatio));
    std::printf("  Where it goes: the two copies by hand, as the update makes them\n");
    std::printf("  %-42s %7.0f ms  [%s]\n", "each copy also flushed to disk", Median(flushedCopyMs),
                Join(flushedCopyMs).c_str());
    std::printf("  %-42s %7.0f ms  [%s]\n", "flushed, and one replacing rename",
                Median(installedCopyMs), Join(installedCopyMs).c_str());
    std::printf("  %-42s %7.2f\n", "difference / the copies as installed",
                extra / Median(installedCopyMs));

    std::printf("\nProcess start to main window shown (%d starts a run; in parentheses: to "
                "waiting for input):\n",
                kWindowStartsPerRound);
    for (size_t i = 0; i < windows.size(); ++i) {
        if (i == 2) {
            std::printf("  %-42s %7.2f    (%s)\n", "RATIO Kestrup2 / minimal dialog", windowRatio,
                        Verdict(windowRatio));
            std::printf("  Where it goes:\n");
        }
        std::printf("  %-42s %7.0f ms  (%.0f ms)  [%s]\n", windows[i].label,
                    Median(windows[i].shown), Median(windows[i].idle),
                    Join(windows[i].shown).c_str());
    }

    std::printf("\nSize and peak working set (largest over the runs):\n");
    std::printf("  %-42s %7.1f KiB\n", "Kestrup2.exe (this build)",
                static_cast<double>(FileSize(paths.program)) / 1024);
    std::printf("  %-42s %7.1f KiB\n", "MinimalDialog.exe",
                static_cast<double>(FileSize(paths.minimalDialog)) / 1024);
    std::printf("  %-42s %7.1f MiB\n", "Kestrup2, unattended update, tiny file", MiB(tinyPeak));
    std::printf(
        "  %-42s %7.1f MiB\n",
        ("Kestrup2, unattended update, " + std::to_string(options.sizeMb) + " MB file").c_str(),
        MiB(largePeak));
    for (const WindowProgram& window : windows)
        std::printf("  %-42s %7.1f MiB\n", window.label, MiB(window.peak));
    return 0;
}
