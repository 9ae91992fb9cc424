// A width drag on a large pasted table: each step rebuilds the table's page
// from its record, so a step must stay well within a frame.
#include <benchmark/benchmark.h>

#include <string>

#include "base/memory.h"
#include "page/table_conversion.h"

// 5,000 rows of 6 spreadsheet cells, the longest of them sentences.
static std::string TableBenchText()
{
    std::string text;
    for (int row = 0; row < 5000; ++row) {
        std::string number = std::to_string(row);
        text += "Customer " + number + "\t2024-03-" + std::to_string(row % 28 + 10) + "\tWidget, large, blue\t" +
                std::to_string(row % 97) + "\t" + number + ".50\tShipped to the north warehouse on time\r\n";
    }
    return text;
}

// Each step narrows or widens the first column by a cell, so that its cells
// wrap anew and the later columns move, as when the handle crosses a cell.
static void TableWidthDragStep(benchmark::State &state)
{
    std::string text = TableBenchText();
    ErrorCode error;
    TableRecord *table = TextToTable(error, reinterpret_cast<const unsigned char *>(text.data()), text.size(), 500,
                                     allRules);
    if (error) {
        state.SkipWithError("no memory for the table");
        return;
    }
    TableColumn &first = TableColumns(table)[0];
    const std::int16_t parsed = first.width;
    Page page = {};
    for (auto _ : state) {
        first.width = first.width == parsed ? parsed - 5 : parsed;
        Page built;
        error = TableToPage(built, table, allRules, endTitleRules);
        benchmark::DoNotOptimize(error);
        PageKill(page);
        page = built;
    }
    state.counters["rows"] = page.height;
    PageKill(page);
    Destroy(table);
}
BENCHMARK(TableWidthDragStep)->Unit(benchmark::kMillisecond);
