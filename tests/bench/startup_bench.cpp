// Start to first paint: the program is started and timed until its main
// window is shown with nothing left to paint, and, for a second figure,
// until its message loop first waits for input. With a new document and with
// a 2 MB document file to open, beside a bare window that measures 256 glyphs
// (Wine's own share of the time), the yardstick every figure is a ratio to.
// The machine's noise is large against these times, and changes while they
// are taken: so the starts are interleaved, each round starting every program
// once, and each figure is the median of many rounds. Run with the Wine
// server already up.
//
// Then the memory a start with the largest page takes at its peak, against
// the cells of the page that the program must hold.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "tests/support/association_win.h"

// `program` is a path from the build folder.
static std::string ProgramPath(const char *program)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\'));
    GetFullPathNameA((folder + "\\..\\..\\" + program).c_str(), MAX_PATH, path, nullptr);
    return path;
}

// A document file in the temporary folder, made once: `rows` rows of
// `width` characters, numbered, every line ended but the last, so that it
// opens whole as a page of exactly that size.
static std::string DocumentFile(const char *name, int width, int rows)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        FILE *file = std::fopen(path.c_str(), "wb");
        for (int row = 0; row < rows; ++row)
            std::fprintf(file, "%05d %-*.*s%s", row, width - 6, width - 6,
                         "a line of a large text file, padded to the width of the page", row + 1 < rows ? "\r\n" : "");
        std::fclose(file);
    }
    return path;
}

// Closes every window of the process, then waits for it to end.
static BOOL CALLBACK CloseWindowOf(HWND window, LPARAM process)
{
    DWORD owner;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(process))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// The process's visible window of `windowClass`, once it has been painted.
static bool Painted(const char *windowClass, DWORD process)
{
    for (HWND window = FindWindowA(windowClass, nullptr); window; window = FindWindowExA(nullptr, window, windowClass, nullptr)) {
        DWORD owner;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE))
            return true;
    }
    return false;
}

static double Milliseconds(const LARGE_INTEGER &start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart;
}

// One kind of start: a program, its main window's class and its arguments.
struct Start {
    std::string program;
    const char *windowClass;
    std::string arguments;
};

struct StartTimes {
    double paint, idle; // milliseconds from the start
    SIZE_T peakMemory;  // bytes of the working set at its largest
};

// Starts the program, times it and closes it; false when it would not start.
static bool StartOnce(const Start &start, StartTimes &times)
{
    std::string command = "\"" + start.program + "\" " + start.arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    LARGE_INTEGER begun;
    QueryPerformanceCounter(&begun);
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    while (!Painted(start.windowClass, process.dwProcessId) && Milliseconds(begun) < 10000)
        Sleep(1);
    times.paint = Milliseconds(begun);
    WaitForInputIdle(process.hProcess, 10000);
    times.idle = Milliseconds(begun);
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    times.peakMemory = memory.PeakWorkingSetSize;
    EnumWindows(CloseWindowOf, process.dwProcessId);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

static double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The one-minute load average of the machine, which says how far to trust
// the figures (Wine shows the Linux root as drive Z:).
static double LoadAverage()
{
    double load = -1;
    if (FILE *file = std::fopen("Z:\\proc\\loadavg", "r")) {
        if (std::fscanf(file, "%lf", &load) != 1)
            load = -1;
        std::fclose(file);
    }
    return load;
}

static const char glyphwright[] = "app\\glyphwright.exe";
enum { bare, newDocument, twoMegabytes, startKinds };
static const int rounds = 21;

static void BM_StartUp(benchmark::State &state)
{
    const Start starts[startKinds] = {
        {ProgramPath("tests\\bench\\bare_window.exe"), "BareWindow", ""},
        {ProgramPath(glyphwright), "Document", ""},
        {ProgramPath(glyphwright), "Document", DocumentFile("glyphwright-bench-2mb.glw", 131, 16000)},
    };
    AssociateDocuments(starts[newDocument].program.c_str()); // so that no question stops the start
    for (auto _ : state) {
        std::vector<double> paint[startKinds], idle[startKinds];
        LARGE_INTEGER begun;
        QueryPerformanceCounter(&begun);
        for (int round = 0; round < rounds; ++round)
            for (int turn = 0; turn < startKinds; ++turn) {
                int kind = (round + turn) % startKinds; // each kind takes each place in a round in turn
                StartTimes times;
                if (!StartOnce(starts[kind], times)) {
                    state.SkipWithError("a program would not start");
                    return;
                }
                paint[kind].push_back(times.paint);
                idle[kind].push_back(times.idle);
            }
        state.SetIterationTime(Milliseconds(begun) / 1000);
        double yardstick = Median(paint[bare]);
        state.counters["bare_ms"] = yardstick;
        state.counters["new_paint_x"] = Median(paint[newDocument]) / yardstick;
        state.counters["new_idle_x"] = Median(idle[newDocument]) / yardstick;
        state.counters["file_paint_x"] = Median(paint[twoMegabytes]) / yardstick;
        state.counters["file_idle_x"] = Median(idle[twoMegabytes]) / yardstick;
        state.counters["load"] = LoadAverage();
    }
}
BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// The working set at its peak with the largest page open, beside four pages'
// worth of cells and in pages beyond that of a new document: what the program
// holds for them is the file's text while it is read, the page and the undo
// state's copy of it.
static void BM_PeakMemoryLargestPage(benchmark::State &state)
{
    const int width = 500, height = 16000;
    const Start starts[] = {
        {ProgramPath(glyphwright), "Document", ""},
        {ProgramPath(glyphwright), "Document", DocumentFile("glyphwright-largest.glw", width, height)},
    };
    AssociateDocuments(starts[0].program.c_str());
    for (auto _ : state) {
        StartTimes empty, largest;
        if (!StartOnce(starts[0], empty) || !StartOnce(starts[1], largest)) {
            state.SkipWithError("a program would not start");
            return;
        }
        const double megabyte = 1 << 20, page = double(width) * height;
        state.counters["new_peak_MB"] = empty.peakMemory / megabyte;
        state.counters["largest_peak_MB"] = largest.peakMemory / megabyte;
        state.counters["four_pages_MB"] = 4 * page / megabyte;
        state.counters["beyond_new_pages"] = (double(largest.peakMemory) - double(empty.peakMemory)) / page;
    }
}
BENCHMARK(BM_PeakMemoryLargestPage)->Unit(benchmark::kSecond)->Iterations(1);
