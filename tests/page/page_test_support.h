// Pages written as rows of text for tests: '.' stands for an empty cell.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page/page.h"
#include "page/text_conversion.h"

typedef std::vector<std::string> Rows;

// A text laid out `width` columns wide, justified, and the rows it makes.
struct LayoutCase {
    const char *text;
    int width;
    Justification justify;
    Rows rows;
};

// Creates `page` holding `rows` (all as wide as the first).
inline ErrorCode PageFromRows(Page &page, const Rows &rows)
{
    int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    ErrorCode error = PageNew(page, width, static_cast<int>(rows.size()));
    for (std::size_t row = 0; !error && row < rows.size(); ++row)
        for (int col = 0; col < width; ++col)
            page.data[row * width + col] = rows[row][col] == '.' ? 0 : rows[row][col];
    return error;
}

inline Rows PageRows(const Page &page)
{
    Rows rows;
    for (int row = 0; row < page.height; ++row) {
        std::string text;
        for (int col = 0; col < page.width; ++col)
            text += GetCharPage(page, col, row) ? static_cast<char>(GetCharPage(page, col, row)) : '.';
        rows.push_back(text);
    }
    return rows;
}

// The raw cells, for byte-for-byte comparisons.
inline std::string PageBytes(const Page &page)
{
    return std::string(reinterpret_cast<const char *>(page.data), std::size_t(page.width) * page.height);
}

// A string's bytes as the program's text procedures take them.
inline const unsigned char *TextBytes(const std::string &text)
{
    return reinterpret_cast<const unsigned char *>(text.data());
}

// What every live page promises.
inline void PageCheck(const Page &page)
{
    EXPECT_GE(page.width, 0);
    EXPECT_GE(page.height, 0);
    EXPECT_NE(nullptr, page.data);
}
