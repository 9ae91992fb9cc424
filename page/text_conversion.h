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
