#include "page/table_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/memory.h"
#include "page/text_conversion.h"
#include "tests/support/reports.h"

using TableHolder = std::unique_ptr<TableRecord, void (*)(void *)>;
using Rows = std::vector<std::string>;
using Ints = std::vector<int>;

static const unsigned char *Bytes(const std::string &text)
{
    return reinterpret_cast<const unsigned char *>(text.data());
}

static TableHolder Table(const std::string &text, int maxWidth = 500, RuleMode ruleMode = noRules)
{
    ErrorCode error;
    TableHolder table(TextToTable(error, Bytes(text), text.size(), maxWidth, ruleMode), Destroy);
    EXPECT_EQ(0u, error);
    return table;
}

// One field of every column entry, in order.
static Ints Columns(const TableHolder &table, std::int16_t TableColumn::*field)
{
    Ints values;
    for (int c = 0; c < table->columns; ++c)
        values.push_back(TableColumns(table.get())[c].*field);
    return values;
}

// The table's page, one string a row, empty cells shown as dots.
static Rows Built(const TableHolder &table, RuleMode horiMode, RuleMode vertMode)
{
    Page page;
    EXPECT_EQ(0u, TableToPage(page, table.get(), horiMode, vertMode));
    Rows rows(page.height);
    for (int row = 0; row < page.height; ++row) {
        for (int col = 0; col < page.width; ++col)
            rows[row] += GetCharPage(page, col, row) ? static_cast<char>(GetCharPage(page, col, row)) : '.';
    }
    PageKill(page);
    return rows;
}

const std::string nameAge = "Name\tAge\r\nBob\t42\r\n";

TEST(TableConversion, NameAndAge)
{
    TableHolder table = Table(nameAge);
    EXPECT_EQ(2, table->columns);
    EXPECT_EQ(2, table->rows);
    EXPECT_EQ(nameAge, std::string(reinterpret_cast<const char *>(TableText(table.get())), table->textSize));
    EXPECT_EQ((Ints{5, 4}), Columns(table, &TableColumn::width));
    EXPECT_EQ(justCentre, TableColumns(table.get())[1].justification);

    EXPECT_EQ((Rows{"Name..Age.", ".Bob...42."}), Built(table, noRules, noRules));
    EXPECT_EQ((Ints{0, 6}), Columns(table, &TableColumn::position));
    EXPECT_EQ((Rows{"+-------+------+", "|.Name..|.Age..|", "+-------+------+", "|..Bob..|..42..|",
                    "+-------+------+"}),
              Built(table, allRules, allRules));
    EXPECT_EQ((Ints{2, 10}), Columns(table, &TableColumn::position));
}

TEST(TableConversion, RuleModes)
{
    TableHolder table = Table("a\tb\tc\r\n1\t2\t3\r\n4\t5\t6\r\n");
    EXPECT_EQ((Rows{"+----------+", "|.a..b..c..|", "|.1..2..3..|", "|.4..5..6..|", "+----------+"}),
              Built(table, endRules, endRules));
    EXPECT_EQ((Rows{"+----+-------+", "|.a..|.b..c..|", "+----+-------+", "|.1..|.2..3..|", "|.4..|.5..6..|",
                    "+----+-------+"}),
              Built(table, endTitleRules, endTitleRules));
    EXPECT_EQ((Ints{2, 7, 10}), Columns(table, &TableColumn::position));
    // The first mode rules beside the columns, the second between the rows.
    EXPECT_EQ((Rows{"--------", "a..b..c.", "--------", "1..2..3.", "4..5..6.", "--------"}),
              Built(table, noRules, endTitleRules));
    // One column takes its title rule and its end rule once.
    EXPECT_EQ((Rows{"+-----+", "|.ab..|", "+-----+"}), Built(Table("ab\r\n"), endTitleRules, endTitleRules));
}

TEST(TableConversion, NarrowsColumnsToFit)
{
    EXPECT_EQ((Ints{5, 10}), Columns(Table("aaaaaaaaa\tbbbbbbbbbbbbbbbbbbb\r\n", 16), &TableColumn::width));
    // A column narrowed to nothing keeps one cell.
    EXPECT_EQ((Ints{1, 10}), Columns(Table("a\t" + std::string(39, 'b') + "\r\n", 11), &TableColumn::width));
    EXPECT_EQ((Ints{5, 4}), Columns(Table(nameAge, 10), &TableColumn::width));

    // The narrowed table fills the room exactly under each rule mode.
    const std::string wide = "aaaaaaaaaaaa\tbbbbbbbbbbbbbbbbbbbbbbb\tccccccccccccccccc\r\n";
    for (RuleMode mode : {noRules, endRules, endTitleRules, allRules})
        EXPECT_EQ(40u, Built(Table(wide, 40, mode), mode, mode)[0].size()) << "rule mode " << mode;
}

TEST(TableConversion, WrappedCellsMakeTallerRows)
{
    TableHolder table = Table("aaaa bbbb cccc\tx\r\nd\te\r\n", 9);
    EXPECT_EQ((Ints{7, 1}), Columns(table, &TableColumn::width));
    EXPECT_EQ((Rows{".aaaa...x", ".bbbb....", ".cccc....", "...d....e"}), Built(table, noRules, noRules));

    // A new justification or width takes effect on the next build.
    TableColumns(table.get())[0].justification = justLeft;
    TableColumns(table.get())[0].width = 9;
    EXPECT_EQ((Rows{"aaaa bbbb.x", "cccc.......", "d.........e"}), Built(table, noRules, noRules));
    EXPECT_EQ((Ints{0, 10}), Columns(table, &TableColumn::position));
}

TEST(TableConversion, RaggedText)
{
    EXPECT_EQ((Rows{"a..b..c.", "d......."}), Built(Table("a\tb\tc\r\nd\r\n"), noRules, noRules));
    // Without a final line end, a last line with a TAB is a row and one
    // without is left out; a lone CR ends a row as CR LF does.
    TableHolder unended = Table("a\tb\r\nc\td");
    EXPECT_EQ((Ints{2, 2}), Columns(unended, &TableColumn::width));
    EXPECT_EQ((Rows{"a..b.", "c..d."}), Built(unended, noRules, noRules));
    EXPECT_EQ((Ints{2, 3, 1}), Columns(Table("a\tbb\t"), &TableColumn::width));
    TableHolder dropped = Table("a\tb\r\ntrailing");
    EXPECT_EQ((Ints{2, 2}), Columns(dropped, &TableColumn::width));
    EXPECT_EQ((Rows{"a..b."}), Built(dropped, noRules, noRules));
    EXPECT_EQ((Rows{"a..b.", "c..d."}), Built(Table("a\tb\rc\td\r"), noRules, noRules));

    for (const char *empty : {"", "no tabs"}) {
        TableHolder table = Table(empty);
        EXPECT_EQ(0, table->rows);
        EXPECT_TRUE(Built(table, allRules, allRules).empty());
    }
}

// A table of one column, narrowed to one cell, of `rows` cells `length` letters long.
static TableHolder Tall(int rows, int length)
{
    std::string text;
    for (int row = 0; row < rows; ++row)
        text += std::string(length, 'a') + "\r";
    return Table(text, 1);
}

TEST(TableConversion, RefusesTablesTooBigToHold)
{
    for (const std::string &text : {std::string(40000, '\t'), std::string(40000, '\r')}) {
        ReportCatcher reports;
        long live = MemoryLiveBlocks();
        ErrorCode error = 0;
        EXPECT_EQ(nullptr, TextToTable(error, Bytes(text), text.size(), 80, allRules));
        EXPECT_EQ(errorNoMemory, error);
        EXPECT_EQ(1, reports.errors);
        EXPECT_EQ(live, MemoryLiveBlocks());
    }

    // One-cell-wide columns of cells k letters long make rows k high, each
    // followed by a rule: 258 rows of 126 fill the tallest page exactly, and
    // 217 rows of 150 would put the last rule one row beyond it.
    Page page;
    ASSERT_EQ(0u, TableToPage(page, Tall(258, 126).get(), noRules, allRules));
    EXPECT_EQ(32767, page.height);
    EXPECT_EQ('-', GetCharPage(page, 0, 32766));
    PageKill(page);
    for (const TableHolder &table : {Table(std::string(19999, '\t') + "\r", 80), Tall(217, 150)}) {
        ReportCatcher reports;
        long live = MemoryLiveBlocks();
        Page page = {0, 0, nullptr};
        EXPECT_EQ(errorNoMemory, TableToPage(page, table.get(), noRules, allRules));
        EXPECT_EQ(nullptr, page.data);
        Ints starts = Columns(table, &TableColumn::position);
        EXPECT_GE(*std::min_element(starts.begin(), starts.end()), 0);
        EXPECT_EQ(1, reports.errors);
        EXPECT_EQ(live, MemoryLiveBlocks());
    }
}

TEST(TableConversion, FailedAllocations)
{
    EXPECT_EQ(2, FailEachAllocation([] {
        ErrorCode error;
        TableRecord *table = TextToTable(error, Bytes(nameAge), nameAge.size(), 80, allRules);
        EXPECT_EQ(error != 0, table == nullptr);
        Destroy(table);
        return error;
    }));

    TableHolder table = Table("Name\tAge\r\nBob the builder\t42\r\n", 20, allRules);
    int failures = FailEachAllocation([&] {
        Page page = {0, 0, nullptr};
        ErrorCode error = TableToPage(page, table.get(), allRules, allRules);
        EXPECT_TRUE(!error || !page.data);
        PageKill(page);
        return error;
    });
    EXPECT_EQ(6, failures) << "the page, its growth where a cell wraps and its cut to the rows used";
}
