#include <benchmark/benchmark.h>

#include "document/document.h"

// Every undoable action snapshots the page; on the largest page the
// dimensions allow it must still feel immediate.
static void DocBeginActionLargestPage(benchmark::State &state)
{
    Document document = {};
    ErrorCode error = PageNew(document.now.back, 500, 16000);
    if (!error)
        error = DocStateCopy(document.now, document.last);
    if (error) {
        PageKill(document.now.back);
        state.SkipWithError("no memory for the page");
        return;
    }
    for (auto _ : state) {
        error = DocBeginAction(document);
        benchmark::DoNotOptimize(error);
        document.now.back.data[0] ^= 1; // an action between snapshots
    }
    DocStateKill(document.last);
    DocStateKill(document.now);
}
BENCHMARK(DocBeginActionLargestPage)->Unit(benchmark::kMillisecond);
