// Big text is drawn afresh at every keystroke and every step of an edge drag:
// 1,000 characters at 48 pixels to the em across a 500-column rectangle.
#include <windows.h>

#include <string>

#include <benchmark/benchmark.h>

#include "page/big_text_win.h"

static void BigTextThousandCharacters(benchmark::State &state)
{
    std::string text;
    while (text.size() < 1000)
        text += "The quick brown fox jumps over the lazy dog. ";
    text.resize(1000);
    for (auto _ : state) {
        Page page;
        BigTextToPage(page, 500, justLeft, "Arial", 48, false, false,
                      reinterpret_cast<const unsigned char *>(text.data()), text.size(), 0);
        PageKill(page);
    }
}
BENCHMARK(BigTextThousandCharacters)->Unit(benchmark::kMillisecond);
