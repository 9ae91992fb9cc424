// Big text: text drawn in a large font and laid onto a page one cell per
// pixel, every black pixel of a letter becoming a character. This is the
// layout; measuring and drawing the letters is the font machinery's.
#pragma once

#include <cstddef>
#include <cstdint>

#include "page/page.h"
#include "page/text_conversion.h"

// A 1-bit bitmap as the off-screen bitmaps keep it: set bits are black, the
// leftmost pixel in the top bit, rows bottom first.
struct BitRows {
    const unsigned char *bits;
    std::int32_t widthBytes; // bytes per row
    std::int32_t width;      // pixels
    std::int32_t height;
};

// What the layout needs of a font.
struct BigTextGlyphs {
    std::int32_t advance[256]; // pixels each character moves the pen on by
    std::int32_t lineHeight;   // pixel rows of a line of text
    // Draws `length` characters from the top-left corner of a bitmap as wide
    // as the page and `lineHeight` high, black on opaque white, and gives
    // back its pixels.
    BitRows (*drawLine)(void *data, const unsigned char *line, std::size_t length);
    void *data; // what drawLine draws with
};

// Creates `page`, `width` columns wide and `lineHeight` rows for each line of
// the text wrapped at `width` pixels and justified (justJustify is not
// offered). Each black pixel within a character's advance becomes
// `character`, or the character itself when that is 0, folded to ASCII unless
// non-ASCII characters are allowed.
ErrorCode BigTextLayout(Page &page, int width, Justification justify, const unsigned char *text, std::size_t size,
                        unsigned char character, const BigTextGlyphs &font);
