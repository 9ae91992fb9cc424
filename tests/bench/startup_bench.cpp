// Start to first paint: the program is started and timed until its message
// loop first waits for input, which is after the first paint. Also with a
// 2 MB text file to open. Run with the Wine server already up.
#include <windows.h>

#include <cstdio>
#include <string>

#include <benchmark/benchmark.h>

#include "tests/support/association_win.h"

static std::string ProgramPath()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\'));
    // build\tests\bench -> build\app
    GetFullPathNameA((folder + "\\..\\..\\app\\glyphwright.exe").c_str(), MAX_PATH, path, nullptr);
    return path;
}

static const char *BigFile()
{
    static char path[MAX_PATH];
    if (!path[0]) {
        GetTempPathA(MAX_PATH, path);
        lstrcatA(path, "glyphwright-bench.txt");
        FILE *file = std::fopen(path, "wb");
        for (int row = 0; row < 2 * 1024 * 1024 / 80; ++row)
            std::fprintf(file, "%-77.77s\r\n", "a line of a large text file, padded to seventy-seven characters");
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

static void StartToFirstPaint(benchmark::State &state, const std::string &arguments)
{
    std::string program = ProgramPath();
    AssociateDocuments(program.c_str()); // so that no question stops the start
    for (auto _ : state) {
        std::string command = "\"" + program + "\" " + arguments;
        STARTUPINFOA startup = {sizeof startup};
        PROCESS_INFORMATION process;
        LARGE_INTEGER start, end, frequency;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            state.SkipWithError("cannot start glyphwright.exe");
            return;
        }
        WaitForInputIdle(process.hProcess, 10000);
        QueryPerformanceCounter(&end);
        state.SetIterationTime(double(end.QuadPart - start.QuadPart) / frequency.QuadPart);
        EnumWindows(CloseWindowOf, process.dwProcessId);
        if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

static void BM_StartNewDocument(benchmark::State &state)
{
    StartToFirstPaint(state, "");
}
BENCHMARK(BM_StartNewDocument)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

static void BM_StartWith2MBFile(benchmark::State &state)
{
    StartToFirstPaint(state, BigFile());
}
BENCHMARK(BM_StartWith2MBFile)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
