// Text into pages and pages into text.
#pragma once

#include <cstddef>
#include <cstdint>

#include "page/page.h"

enum Justification : std::int16_t {
    justLeft = 0,
    justCentre = 1,
    justRight = 2,
    justJustify = 3,
};

// Folds every byte to its nearest plain ASCII look-alike, in place.
void TextTranslate(unsigned char *textPtr, std::size_t textSize);
// Measures text wrapped at `width`: returns the widest line in `width` and
// the number of lines in `height`.
void PagePointerDims(const unsigned char *textPointer, std::size_t dataSize, int &width, int &height);
// Records in `ends` where each line of the text wrapped at `width` ends (the
// next line's start), at most `limit` of them; returns how many. Each byte is
// as wide as `advance` says, or 1 wide without it. `limit` = `size` + 1 always
// has room for every line.
std::size_t TextLineEnds(const unsigned char *text, std::size_t size, int width, const std::int32_t *advance,
                         std::size_t *ends, std::size_t limit);
// The length of a line without its trailing spaces, CRs and LFs; `lineEnd`
// tells whether a CR or LF was among them.
std::size_t TextLineTrim(const unsigned char *line, std::size_t length, bool &lineEnd);
// The first column of a line `length` wide justified in `width` (justified
// lines start at 0); negative when the line is the wider.
int TextLineStart(Justification justify, int width, int length);
// Creates `page`, `width` columns wide, holding the text wrapped and
// justified; `height` is the most rows to make, 0 for no limit.
ErrorCode TextToPage(Page &page, int width, int height, Justification justify, const unsigned char *textPtr,
                     std::size_t textSize);
// Wraps and justifies the text into the `width` cells from column `col` of
// `page`, from `row` down, writing only the cells its characters fall on and
// making the page taller when the text reaches below it; `lines` is how many
// rows the text took (at least one).
ErrorCode TextOntoPage(Page &page, int col, int row, int width, Justification justify, const unsigned char *text,
                       std::size_t size, int &lines);
// Writes `page` as CR LF lines into a new block (one 0 byte after the text,
// not counted in `dataSize`) that the caller destroys. Without `filing` the
// page is trimmed and the centred message prefix goes first.
ErrorCode PageToText(unsigned char *&textPointer, std::size_t &dataSize, const Page &page, bool filing);
