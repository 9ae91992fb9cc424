// Tab-separated text into a table record and the record into a page, ruled
// and narrowed as the input chooses; then one column dragged wider or
// narrower, or to another justification, and the page built again.
#include "base/memory.h"
#include "page/table_conversion.h"
#include "page/text_conversion.h"
#include "selection/select_table.h"
#include "tests/fuzz/fuzz_support.h"

// Columns at least a cell wide, each starting past the one before with its
// gap (and its rule with a gap after it, when one follows), and the page
// ending one cell past the last column's gap.
static void FuzzLayout(const TableRecord *table, RuleMode horiMode, const Page &page)
{
    const TableColumn *columns = TableColumns(table);
    int start = TableFirstCell(horiMode);
    for (int c = 0; c < table->columns; ++c) {
        FuzzCheck(columns[c].width >= 1, "columns at least a cell wide");
        FuzzCheck(columns[c].justification <= justJustify, "a justification");
        FuzzCheck(columns[c].position == start, "each column starts past the one before");
        start += columns[c].width + 1 + (TableRuleAfter(horiMode, c, table->columns) ? 2 : 0);
    }
    FuzzCheck(page.width == (table->columns ? start - 1 : 0), "the page ends after the last column");
    FuzzCheck(page.height >= (table->columns ? table->rows : 0), "a row of cells for each row");
}

// Every cell of the page's width is a handle of a column the table has, or none.
static void FuzzHandles(const TableRecord *table, RuleMode horiMode, const Page &page)
{
    for (int col = -1; col <= page.width; ++col) {
        std::int16_t column = -1;
        if (SelectTableHandleAt(table, horiMode, col, column) != handleNone)
            FuzzCheck(column >= 0 && column < table->columns, "a handle belongs to a column");
    }
}

static void FuzzBuild(FuzzRun &run, TableRecord *table, RuleMode horiMode, RuleMode vertMode)
{
    Page page;
    ErrorCode error = TableToPage(page, table, horiMode, vertMode);
    run.Reported(error, "TableToPage");
    if (error)
        return;
    FuzzLayout(table, horiMode, page);
    FuzzHandles(table, horiMode, page);
    PageKill(page);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzRun run;
    FuzzedDataProvider input(data, size);
    int maxWidth = input.ConsumeIntegralInRange(0, 600);
    auto fitMode = static_cast<RuleMode>(input.ConsumeIntegralInRange(0, 3));
    auto horiMode = static_cast<RuleMode>(input.ConsumeIntegralInRange(0, 3));
    auto vertMode = static_cast<RuleMode>(input.ConsumeIntegralInRange(0, 3));
    bool translate = input.ConsumeBool();
    int dragged = input.ConsumeIntegral<std::uint8_t>();
    bool widthDrag = input.ConsumeBool();
    int moved = input.ConsumeIntegralInRange(-3000, 3000);
    int cellWidth = input.ConsumeIntegralInRange(1, 32);
    int scrolled = input.ConsumeIntegralInRange(-100, 100);
    FuzzBytes text = FuzzRest(input);
    if (translate) // as pasted when only ASCII is allowed
        TextTranslate(text.bytes.data(), text.size());

    ErrorCode error;
    TableRecord *table = TextToTable(error, text.data(), text.size(), maxWidth, fitMode);
    run.Reported(error, "TextToTable");
    if (error)
        return 0;
    FuzzBuild(run, table, horiMode, vertMode);
    if (table->columns) {
        TableColumn &column = TableColumns(table)[dragged % table->columns];
        if (widthDrag)
            column.width = SelectTableWidth(column.width, moved, cellWidth, scrolled);
        else
            column.justification = SelectTableJustify(column.justification, moved);
        FuzzBuild(run, table, horiMode, vertMode);
    }
    Destroy(table);
    return 0;
}
