// Start to first paint: the program is started and timed until its main
// window is shown with nothing left to paint, and, for a second figure,
// until its message loop first waits for input (the About window then
// stands over the document too). Also with a 2 MB document file to open, and
// a bare window for comparison. Run with the
// Wine server already up. The machine's noise is large against these times,
// so each is the median of many single starts.
#include <windows.h>

#include <cstdio>
#include <string>

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

// 2 MB that open whole: a document file, whose lines are not wrapped at the
// default width, with as many rows as a page may have.
static const char *BigFile()
{
    static char path[MAX_PATH];
    if (!path[0]) {
        GetTempPathA(MAX_PATH, path);
        lstrcatA(path, "glyphwright-bench.glw");
        FILE *file = std::fopen(path, "wb");
        for (int row = 0; row < 15999; ++row)
            std::fprintf(file, "%05d %-125.125s\r\n", row, "a line of a large text file, padded to 131 characters");
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

static double Seconds(const LARGE_INTEGER &start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

static void StartToFirstPaint(benchmark::State &state, const char *programPath, const char *windowClass,
                              const std::string &arguments)
{
    std::string program = ProgramPath(programPath);
    AssociateDocuments(program.c_str()); // so that no question stops the start
    for (auto _ : state) {
        std::string command = "\"" + program + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process;
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            state.SkipWithError("cannot start glyphwright.exe");
            return;
        }
        while (!Painted(windowClass, process.dwProcessId) && Seconds(start) < 10)
            Sleep(1);
        state.SetIterationTime(Seconds(start));
        WaitForInputIdle(process.hProcess, 10000);
        state.counters["idle_ms"] = Seconds(start) * 1000;
        EnumWindows(CloseWindowOf, process.dwProcessId);
        if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

static const char glyphwright[] = "app\\glyphwright.exe";

static void Repeated(benchmark::internal::Benchmark *benchmark)
{
    benchmark->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(21);
    benchmark->ReportAggregatesOnly(true);
}

static void BM_StartBareWindow(benchmark::State &state)
{
    StartToFirstPaint(state, "tests\\bench\\bare_window.exe", "BareWindow", "");
}
BENCHMARK(BM_StartBareWindow)->Apply(Repeated);

static void BM_StartNewDocument(benchmark::State &state)
{
    StartToFirstPaint(state, glyphwright, "Document", "");
}
BENCHMARK(BM_StartNewDocument)->Apply(Repeated);

static void BM_StartWith2MBFile(benchmark::State &state)
{
    StartToFirstPaint(state, glyphwright, "Document", BigFile());
}
BENCHMARK(BM_StartWith2MBFile)->Apply(Repeated);
