// Tab-separated text as a ruled character table: parsed once into a record,
// and built into a page from the record as often as its layout changes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "page/page.h"

enum RuleMode : std::uint8_t {
    noRules = 0,       // no lines
    endRules = 1,      // lines at both ends
    endTitleRules = 2, // at both ends and after the first column or row
    allRules = 3,      // at both ends and between all columns or rows
};

struct TableColumn {
    std::int16_t width;         // cells, at least 1
    std::int16_t position;      // page column where its cells start, set by TableToPage
    std::uint8_t justification; // a Justification for its cells
};

// One block: this header, `columns` TableColumn entries, then the text.
struct TableRecord {
    std::int16_t columns;
    std::int16_t rows;
    std::uint32_t textSize; // bytes of text after the column entries
};

TableColumn *TableColumns(TableRecord *table);
const TableColumn *TableColumns(const TableRecord *table);
const unsigned char *TableText(const TableRecord *table);

// Parses text whose cells end at TABs and rows at CRs into a new block (the
// caller destroys it), narrowing the columns so that the table ruled by
// `ruleMode` fits `maxWidth` cells. Null with `error` set on failure.
TableRecord *TextToTable(ErrorCode &error, const unsigned char *theText, std::size_t dataSize, int maxWidth,
                         RuleMode ruleMode);
// Whether a rule follows column or row `index` of `count` under `mode`.
bool TableRuleAfter(RuleMode mode, int index, int count);
// The page column where the first column's cells start: past the left rule
// and its gap when `horiMode` has one.
int TableFirstCell(RuleMode horiMode);

// Creates `page` holding the table, with vertical rules by `horiMode` and
// horizontal ones by `vertMode`; stores each column's start in its position.
// On failure no page is left.
ErrorCode TableToPage(Page &page, TableRecord *table, RuleMode horiMode, RuleMode vertMode);
