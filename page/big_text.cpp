#include "page/big_text.h"

#include <algorithm>

#include "base/memory.h"
#include "base/preferences.h"

namespace {

bool BitRowsBlack(const BitRows &rows, int x, int y)
{
    return rows.bits[(rows.height - 1 - y) * rows.widthBytes + x / 8] & (0x80 >> (x & 7));
}

std::int32_t BigTextLineWidth(const unsigned char *line, std::size_t length, const BigTextGlyphs &glyphs)
{
    std::int32_t width = 0;
    for (std::size_t i = 0; i < length; ++i)
        width += glyphs.advance[line[i]];
    return width;
}

// Lays one drawn line into the page from row `top`, its pixel 0 at column
// `first`. Each character owns the pixel columns of its advance, so what a
// glyph draws beyond them (an italic overhang), and what a longer line left
// further right, is never read. Cells outside the page are not written.
void BigTextLineCells(Page &page, int top, int first, const unsigned char *line, std::size_t length,
                      unsigned char character, const BigTextGlyphs &glyphs, const BitRows &drawn)
{
    std::int32_t start = 0;
    for (std::size_t i = 0; i < length && start < drawn.width; start += glyphs.advance[line[i++]]) {
        unsigned char cell = character ? character : line[i];
        if (!preferences.allowNonASCII)
            TextTranslate(&cell, 1);
        int from = std::max(start, -first);
        int to = std::min({start + glyphs.advance[line[i]], drawn.width, page.width - first});
        for (int y = 0; y < std::min(drawn.height, glyphs.lineHeight); ++y) {
            std::int32_t rowStart = static_cast<std::int32_t>(top + y) * page.width + first;
            for (int x = from; x < to; ++x)
                if (BitRowsBlack(drawn, x, y))
                    page.data[rowStart + x] = cell;
        }
    }
}

} // namespace

ErrorCode BigTextLayout(Page &page, int width, Justification justify, const unsigned char *text, std::size_t size,
                        unsigned char character, const BigTextGlyphs &glyphs)
{
    ErrorCode error;
    auto *ends = static_cast<std::size_t *>(Allocate(error, (size + 1) * sizeof(std::size_t)));
    if (error)
        return error;
    std::size_t lines = TextLineEnds(text, size, width, glyphs.advance, ends, size + 1);
    // A page too tall for 16 bits is refused by PageNew.
    std::int64_t rows = static_cast<std::int64_t>(lines) * glyphs.lineHeight;
    Page made;
    error = PageNew(made, width, static_cast<int>(std::min<std::int64_t>(rows, INT32_MAX)));
    for (std::size_t line = 0, start = 0; !error && line < lines; start = ends[line++]) {
        bool lineEnd;
        std::size_t length = TextLineTrim(text + start, ends[line] - start, lineEnd);
        if (!length)
            continue;
        BitRows drawn = glyphs.drawLine(glyphs.data, text + start, length);
        int first = TextLineStart(justify, width, BigTextLineWidth(text + start, length, glyphs));
        BigTextLineCells(made, static_cast<int>(line) * glyphs.lineHeight, first, text + start, length, character,
                         glyphs, drawn);
    }
    if (!error)
        page = made;
    Destroy(ends);
    return error;
}
