#include "page/table_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/memory.h"
#include "page/text_conversion.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"

using TableHolder = std::unique_ptr<TableRecord, void (*)(void *)>;
using Ints = std::vector<int>;

static TableHolder Table(const std::string &text, int maxWidth = 500, RuleMode ruleMode = noRules)
{
    ErrorCode error;
    TableHolder table(TextToTable(error, TextBytes(text), text.size(), maxWidth, ruleMode), Destroy);
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

static Rows Built(const TableHolder &table, RuleMode horiMode, RuleMode vertMode)
{
    Page page;
    EXPECT_EQ(0u, TableToPage(page, table.get(), horiMode, vertMode));
    Rows rows = PageRows(page);
    PageKill(page);
    return rows;
}

const std::string nameAge = "Name\tAge\r\nBob\t42\r\n";

TEST(TableConversion, ColumnsRulesAndJustification)
{
    TableHolder table = Table(nameAge);
    EXPECT_TRUE(table->columns == 2 && table->rows == 2);
    EXPECT_EQ(nameAge, std::string(reinterpret_cast<const char *>(TableText(table.get())), table->textSize));
    EXPECT_EQ((Ints{5, 4}), Columns(table, &TableColumn::width));
    EXPECT_EQ((Rows{"Name..Age.", ".Bob...42."}), Built(table, noRules, noRules)); // numbers are centred
    EXPECT_EQ((Ints{0, 6}), Columns(table, &TableColumn::position));
    Built(table, allRules, allRules); // drawn whole by the end-to-end table scenario
    EXPECT_EQ((Ints{2, 10}), Columns(table, &TableColumn::position));
    TableHolder grid = Table("a\tb\tc\r\n1\t2\t3\r\n4\t5\t6\r\n");
    EXPECT_EQ((Rows{"+----------+", "|.a..b..c..|", "|.1..2..3..|", "|.4..5..6..|", "+----------+"}),
              Built(grid, endRules, endRules));
    EXPECT_EQ((Rows{"+----+-------+", "|.a..|.b..c..|", "+----+-------+", "|.1..|.2..3..|", "|.4..|.5..6..|",
                    "+----+-------+"}),
              Built(grid, endTitleRules, endTitleRules));
    // The first mode rules beside the columns, the second between the rows.
    EXPECT_EQ((Rows{"--------", "a..b..c.", "--------", "1..2..3.", "4..5..6.", "--------"}),
              Built(grid, noRules, endTitleRules));
}

TEST(TableConversion, NarrowedAndWrappedToFit)
{
    EXPECT_EQ((Ints{5, 10}), Columns(Table("aaaaaaaaa\tbbbbbbbbbbbbbbbbbbb\r\n", 16), &TableColumn::width));
    EXPECT_EQ((Ints{1, 10}), Columns(Table("a\t" + std::string(39, 'b') + "\r\n", 11), &TableColumn::width))
        << "a column narrowed to nothing keeps one cell";
    const std::string wide = "aaaaaaaaaaaa\tbbbbbbbbbbbbbbbbbbbbbbb\tccccccccccccccccc\r\n";
    for (RuleMode mode : {noRules, endRules, endTitleRules, allRules})
        EXPECT_EQ(40u, Built(Table(wide, 40, mode), mode, mode)[0].size()) << "fills the room exactly, mode " << mode;
    TableHolder table = Table("aaaa bbbb cccc\tx\r\nd\te\r\n", 9);
    EXPECT_EQ((Rows{".aaaa...x", ".bbbb....", ".cccc....", "...d....e"}), Built(table, noRules, noRules));
    TableColumns(table.get())[0].justification = justLeft; // a new justification or width takes effect on the next build
    TableColumns(table.get())[0].width = 9;
    EXPECT_EQ((Rows{"aaaa bbbb.x", "cccc.......", "d.........e"}), Built(table, noRules, noRules));
}

TEST(TableConversion, RaggedText)
{
    EXPECT_EQ((Rows{"a..b..c.", "d......."}), Built(Table("a\tb\tc\r\nd\r\n"), noRules, noRules));
    // Without a final line end, a last line with a TAB is a row and one
    // without is left out; a lone CR ends a row as CR LF does.
    EXPECT_EQ((Rows{"a..b.", "c..d."}), Built(Table("a\tb\r\nc\td"), noRules, noRules));
    EXPECT_EQ((Rows{"a..b."}), Built(Table("a\tb\r\ntrailing"), noRules, noRules));
    EXPECT_EQ((Rows{"a..b.", "c..d."}), Built(Table("a\tb\rc\td\r"), noRules, noRules));
    for (const char *empty : {"", "no tabs"}) {
        TableHolder table = Table(empty);
        EXPECT_TRUE(table->rows == 0 && Built(table, allRules, allRules).empty());
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

TEST(TableConversion, RefusesTablesTooBigToHoldAndFailsWhole)
{
    for (const std::string &text : {std::string(40000, '\t'), std::string(40000, '\r')}) {
        ReportCatcher reports;
        ErrorCode error = 0;
        EXPECT_EQ(nullptr, TextToTable(error, TextBytes(text), text.size(), 80, allRules));
        EXPECT_TRUE(error == errorNoMemory && reports.errors == 1);
    }
    // One-cell-wide columns of cells k letters long make rows k high, each
    // followed by a rule: 258 rows of 126 fill the tallest page exactly, and
    // 217 rows of 150 would put the last rule one row beyond it.
    Page page;
    ASSERT_EQ(0u, TableToPage(page, Tall(258, 126).get(), noRules, allRules));
    EXPECT_TRUE(page.height == 32767 && GetCharPage(page, 0, 32766) == '-');
    PageKill(page);
    for (const TableHolder &table : {Table(std::string(19999, '\t') + "\r", 80), Tall(217, 150)}) {
        ReportCatcher reports;
        page = {0, 0, nullptr};
        EXPECT_EQ(errorNoMemory, TableToPage(page, table.get(), noRules, allRules));
        Ints starts = Columns(table, &TableColumn::position);
        EXPECT_TRUE(!page.data && reports.errors == 1 && *std::min_element(starts.begin(), starts.end()) >= 0);
    }
    EXPECT_EQ(2, FailEachAllocation([] {
        ErrorCode error;
        TableRecord *table = TextToTable(error, TextBytes(nameAge), nameAge.size(), 80, allRules);
        EXPECT_EQ(error != 0, table == nullptr);
        Destroy(table);
        return error;
    }));
    TableHolder table = Table("Name\tAge\r\nBob the builder\t42\r\n", 20, allRules);
    EXPECT_EQ(6, FailEachAllocation([&] {
        page = {0, 0, nullptr};
        ErrorCode error = TableToPage(page, table.get(), allRules, allRules);
        EXPECT_TRUE(!error || !page.data);
        PageKill(page);
        return error;
    })) << "the page, its growth where a cell wraps and its cut to the rows used";
}
