#include "page/table_conversion.h"

#include <algorithm>
#include <cstring>

#include "base/memory.h"
#include "page/line_characters.h"
#include "page/text_conversion.h"

static_assert(sizeof(TableRecord) % alignof(TableColumn) == 0, "column entries follow the header aligned");

const unsigned char tab = 0x09;
const unsigned char cr = 0x0D;
const unsigned char lf = 0x0A;

TableColumn *TableColumns(TableRecord *table)
{
    return reinterpret_cast<TableColumn *>(table + 1);
}

const TableColumn *TableColumns(const TableRecord *table)
{
    return reinterpret_cast<const TableColumn *>(table + 1);
}

const unsigned char *TableText(const TableRecord *table)
{
    return reinterpret_cast<const unsigned char *>(TableColumns(table) + table->columns);
}

// Records count in 16 bits, so a table too big for them is refused. It is
// reported as the shortage of memory it amounts to, as pages report a size
// too big for them, so callers need no other case.
static ErrorCode TableTooBig()
{
    TestError(errorNoMemory);
    return errorNoMemory;
}

// Calls visit(column, cell, length, endsRow) for each cell of the table in
// order, stopping at the first error. A TAB ends a cell, a CR (and an LF just
// after it) a cell and its row; a last line without a TAB is not a row.
template <class Visit> static ErrorCode TableEachCell(const unsigned char *text, std::size_t size, Visit visit)
{
    std::size_t pos = 0;
    std::size_t column = 0;
    for (;;) {
        std::size_t start = pos;
        while (pos < size && text[pos] != tab && text[pos] != cr)
            ++pos;
        bool atEnd = pos == size;
        if (atEnd && !column)
            return 0;
        bool endsRow = atEnd || text[pos] == cr;
        ErrorCode error = visit(column, text + start, pos - start, endsRow);
        if (error || atEnd)
            return error;
        ++pos;
        if (endsRow && pos < size && text[pos] == lf)
            ++pos;
        column = endsRow ? 0 : column + 1;
    }
}

struct TableShape {
    std::size_t columns, rows;
};

static TableShape TableCount(const unsigned char *text, std::size_t size)
{
    TableShape shape = {0, 0};
    TableEachCell(text, size, [&](std::size_t column, const unsigned char *, std::size_t, bool endsRow) {
        shape.columns = std::max(shape.columns, column + 1);
        shape.rows += endsRow;
        return ErrorCode(0);
    });
    return shape;
}

// Each column becomes as wide as its longest cell plus one, centred.
static void TableMeasure(TableRecord *table, const unsigned char *text)
{
    TableColumn *columns = TableColumns(table);
    for (int c = 0; c < table->columns; ++c)
        columns[c] = TableColumn{0, 0, justCentre};
    TableEachCell(text, table->textSize, [&](std::size_t column, const unsigned char *, std::size_t length, bool) {
        // A longer cell simply wraps within the widest column 16 bits can hold.
        auto width = static_cast<std::int16_t>(std::min<std::size_t>(length + 1, INT16_MAX));
        columns[column].width = std::max(columns[column].width, width);
        return ErrorCode(0);
    });
}

// Cells that each rule mode adds to the columns' widths: perColumn for each
// column and extra once. They agree with the layout that TableToPage builds.
struct RuleCells {
    int perColumn, extra;
};

static const RuleCells ruleCells[] = {
    {1, -1}, // noRules: a gap after every column but the last
    {1, 3},  // endRules: and a gap and a rule at each edge
    {1, 5},  // endTitleRules: and a rule and a gap after the first column
    {3, 1},  // allRules: a gap, a rule and a gap after every column
};

// Narrows the columns in proportion when the ruled table is wider than
// `maxWidth`: each column's end moves to the same share of the room as it had
// of the total. 64 bits keep the products exact.
static void TableFit(TableRecord *table, int maxWidth, RuleMode ruleMode)
{
    TableColumn *columns = TableColumns(table);
    const RuleCells &added = ruleCells[ruleMode];
    std::int64_t room = maxWidth - (std::int64_t{added.perColumn} * table->columns + added.extra);
    std::int64_t total = 0;
    for (int c = 0; c < table->columns; ++c)
        total += columns[c].width;
    if (total <= room)
        return;
    std::int64_t end = 0;
    std::int64_t fittedBefore = 0;
    for (int c = 0; c < table->columns; ++c) {
        end += columns[c].width;
        std::int64_t fitted = end * room / total;
        columns[c].width = static_cast<std::int16_t>(std::max<std::int64_t>(fitted - fittedBefore, 1));
        fittedBefore = fitted;
    }
}

TableRecord *TextToTable(ErrorCode &error, const unsigned char *theText, std::size_t dataSize, int maxWidth,
                         RuleMode ruleMode)
{
    TableShape shape = TableCount(theText, dataSize);
    std::uint64_t blockSize = sizeof(TableRecord) + std::uint64_t{shape.columns} * sizeof(TableColumn) + dataSize;
    if (shape.columns > INT16_MAX || shape.rows > INT16_MAX || dataSize > UINT32_MAX || blockSize > SIZE_MAX) {
        error = TableTooBig();
        return nullptr;
    }
    auto *table = static_cast<TableRecord *>(Allocate(error, static_cast<std::size_t>(blockSize)));
    if (error)
        return nullptr;
    table->columns = static_cast<std::int16_t>(shape.columns);
    table->rows = static_cast<std::int16_t>(shape.rows);
    table->textSize = static_cast<std::uint32_t>(dataSize);
    TableMeasure(table, theText);
    TableFit(table, maxWidth, ruleMode);
    std::memcpy(const_cast<unsigned char *>(TableText(table)), theText, dataSize);
    return table;
}

bool TableRuleAfter(RuleMode mode, int index, int count)
{
    bool last = index == count - 1;
    switch (mode) {
    case allRules:
        return true;
    case endTitleRules:
        return index == 0 || last;
    case endRules:
        return last;
    default:
        return false;
    }
}

int TableFirstCell(RuleMode horiMode)
{
    return horiMode == noRules ? 0 : 2;
}

// Stores where each column's cells start and gives the page's width: each
// column is followed by a gap, and a ruled one by a rule and another gap.
static ErrorCode TableLayOut(TableRecord *table, RuleMode horiMode, int &width)
{
    TableColumn *columns = TableColumns(table);
    int next = TableFirstCell(horiMode);
    for (int c = 0; c < table->columns; ++c) {
        columns[c].position = static_cast<std::int16_t>(next);
        next += columns[c].width + 1 + (TableRuleAfter(horiMode, c, table->columns) ? 2 : 0);
        // `next` is the next column's start or one past the page; keeping it
        // within 16 bits keeps the start fields and the page's width within them.
        if (next > INT16_MAX)
            return TableTooBig();
    }
    width = next - 1;
    return 0;
}

// The rows a table takes when none of its cells wraps: one for each of its
// rows and one for each horizontal rule.
static int TableLeastHeight(const TableRecord *table, RuleMode vertMode)
{
    int height = table->rows + (vertMode != noRules);
    for (int row = 0; row < table->rows; ++row)
        height += TableRuleAfter(vertMode, row, table->rows);
    return height;
}

// Makes the page at least `rows` tall. It grows in doubling steps, so that a
// long table whose cells wrap is not copied again for each of its rows;
// TableToPage cuts it to the rows used at the end. Like every growth of the
// page, it is refused once the page would be too tall for 16 bits.
static ErrorCode TableReserve(Page &page, int rows)
{
    if (rows <= page.height)
        return 0;
    return PageResize(page, page.width, std::max(rows, std::min(2 * page.height, INT16_MAX)));
}

// Draws a full-width rule at `row` and moves below it.
static ErrorCode TableRule(Page &page, int &row)
{
    ErrorCode error = TableReserve(page, row + 1);
    if (!error)
        error = HorizontalLine(page, row);
    if (!error)
        ++row;
    return error;
}

// Wraps one cell within its column at `row`, straight onto the page.
static ErrorCode TableLayCell(Page &page, const TableColumn &column, int row, const unsigned char *cell,
                              std::size_t length, int &tallest)
{
    int lines;
    ErrorCode error = TableReserve(page, row + 1);
    if (!error)
        error = TextOntoPage(page, column.position, row, column.width,
                             static_cast<Justification>(column.justification), cell, length, lines);
    if (!error)
        tallest = std::max(tallest, lines);
    return error;
}

// Lays the cells row by row, each row as tall as its tallest cell, with the
// horizontal rules that `vertMode` puts above, between and below them; `row`
// ends below the last of them.
static ErrorCode TableRows(Page &page, const TableRecord *table, RuleMode vertMode, int &row)
{
    row = 0;
    if (vertMode != noRules) {
        ErrorCode error = TableRule(page, row);
        if (error)
            return error;
    }
    const TableColumn *columns = TableColumns(table);
    int tallest = 1;
    int index = 0;
    auto layCell = [&](std::size_t column, const unsigned char *cell, std::size_t length, bool endsRow) {
        ErrorCode error = TableLayCell(page, columns[column], row, cell, length, tallest);
        if (error || !endsRow)
            return error;
        row += tallest;
        tallest = 1;
        return TableRuleAfter(vertMode, index++, table->rows) ? TableRule(page, row) : ErrorCode(0);
    };
    return TableEachCell(TableText(table), table->textSize, layCell);
}

// Vertical rules go in after the horizontal ones, so that every crossing
// becomes a plus.
static void TableVerticalRules(Page &page, const TableRecord *table, RuleMode horiMode)
{
    if (horiMode == noRules)
        return;
    const TableColumn *columns = TableColumns(table);
    for (int c = 0; c < table->columns; ++c) {
        if (c == 0 || TableRuleAfter(horiMode, c - 1, table->columns))
            VerticalLine(page, columns[c].position - 2);
    }
    VerticalLine(page, page.width - 1);
}

ErrorCode TableToPage(Page &page, TableRecord *table, RuleMode horiMode, RuleMode vertMode)
{
    // A table without cells has nothing to rule round.
    if (!table->columns)
        return PageNew(page, 0, 0);
    int width;
    ErrorCode error = TableLayOut(table, horiMode, width);
    if (error)
        return error;
    Page made;
    // Made as tall as the table is at least, it grows only where cells wrap.
    error = PageNew(made, width, TableLeastHeight(table, vertMode));
    if (error)
        return error;
    int height;
    error = TableRows(made, table, vertMode, height);
    if (!error)
        error = PageResize(made, width, height);
    if (error) {
        PageKill(made);
        return error;
    }
    TableVerticalRules(made, table, horiMode);
    page = made;
    return 0;
}
