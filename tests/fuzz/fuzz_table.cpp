// Tab-separated text into a table record and the record into a page, ruled
// and narrowed as the input chooses.
#include "base/memory.h"
#include "page/table_conversion.h"
#include "page/text_conversion.h"
#include "tests/fuzz/fuzz_support.h"

// Columns at least a cell wide, each starting past the one before with its
// gap (and its rule with a gap after it, when one follows), and the page
// ending one cell past the last column's gap.
static void FuzzBuild(TableRecord *table, RuleMode horiMode, RuleMode vertMode)
{
    Page page;
    ErrorCode error = TableToPage(page, table, horiMode, vertMode);
    FuzzReported(error, "TableToPage");
    if (error)
        return;
    const TableColumn *columns = TableColumns(table);
    int start = TableFirstCell(horiMode);
    for (int c = 0; c < table->columns; ++c) {
        FuzzCheck(columns[c].width >= 1 && columns[c].justification <= justJustify, "a width and a justification");
        FuzzCheck(columns[c].position == start, "each column starts past the one before");
        start += columns[c].width + 1 + (TableRuleAfter(horiMode, c, table->columns) ? 2 : 0);
    }
    FuzzCheck(page.width == (table->columns ? start - 1 : 0), "the page ends after the last column");
    FuzzCheck(page.height >= (table->columns ? table->rows : 0), "a row of cells for each row");
    PageKill(page);
}

void FuzzOne(FuzzedDataProvider &input)
{
    int maxWidth = input.ConsumeIntegralInRange(0, 600);
    auto fitMode = static_cast<RuleMode>(input.ConsumeIntegralInRange(0, 3));
    auto horiMode = static_cast<RuleMode>(input.ConsumeIntegralInRange(0, 3));
    auto vertMode = static_cast<RuleMode>(input.ConsumeIntegralInRange(0, 3));
    bool translate = input.ConsumeBool();
    FuzzBytes text = FuzzRest(input);
    if (translate) // as pasted when only ASCII is allowed
        TextTranslate(text.bytes.data(), text.size());

    ErrorCode error;
    TableRecord *table = TextToTable(error, text.data(), text.size(), maxWidth, fitMode);
    FuzzReported(error, "TextToTable");
    if (error)
        return;
    FuzzBuild(table, horiMode, vertMode);
    Destroy(table);
}
