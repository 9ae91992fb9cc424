#include "page/text_unicode.h"

#include <algorithm>
#include <cstring>
#include <iterator>

// The Unicode characters of bytes 0x80 to 0x9F.
static const char16_t latinHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Characters that drawings and notes made elsewhere are full of, each range
// with its look-alike; sorted. These come before the Latin-1 bytes, so that
// typographic quotes and dashes arrive as plain ones whatever the settings.
struct FoldRange {
    char16_t first, last;
    const char *ascii;
};

static const FoldRange foldRanges[] = {
    {0x00A0, 0x00A0, " "},    // no-break space
    {0x1680, 0x1680, " "},    // Ogham space
    {0x2000, 0x200A, " "},    // en quad to hair space
    {0x200B, 0x200D, ""},     // zero-width space and joiners
    {0x2010, 0x2015, "-"},    // hyphens and dashes
    {0x2018, 0x201B, "'"},    // single quotes
    {0x201C, 0x201F, "\""},   // double quotes
    {0x2022, 0x2022, "*"},    // bullet
    {0x2023, 0x2023, ">"},    // triangular bullet
    {0x2024, 0x2024, "."},    // leaders
    {0x2025, 0x2025, ".."},
    {0x2026, 0x2026, "..."},  // ellipsis
    {0x2028, 0x2029, "\r\n"}, // line and paragraph separators
    {0x202F, 0x202F, " "},    // narrow no-break space
    {0x2032, 0x2032, "'"},    // primes
    {0x2033, 0x2033, "\""},
    {0x2039, 0x2039, "<"},    // single angle quotes
    {0x203A, 0x203A, ">"},
    {0x2043, 0x2043, "-"},    // hyphen bullet
    {0x205F, 0x205F, " "},    // medium mathematical space
    {0x2060, 0x2060, ""},     // word joiner
    {0x2190, 0x2190, "<-"},   // arrows
    {0x2191, 0x2191, "^"},
    {0x2192, 0x2192, "->"},
    {0x2193, 0x2193, "v"},
    {0x2194, 0x2194, "<->"},
    {0x2195, 0x2195, "|"},
    {0x2196, 0x2196, "\\"},
    {0x2197, 0x2197, "/"},
    {0x2198, 0x2198, "\\"},
    {0x2199, 0x2199, "/"},
    {0x21D0, 0x21D0, "<="},   // double arrows
    {0x21D1, 0x21D1, "^"},
    {0x21D2, 0x21D2, "=>"},
    {0x21D3, 0x21D3, "v"},
    {0x21D4, 0x21D4, "<=>"},
    {0x21E6, 0x21E6, "<-"},   // white arrows
    {0x21E7, 0x21E7, "^"},
    {0x21E8, 0x21E8, "->"},
    {0x21E9, 0x21E9, "v"},
    {0x2212, 0x2212, "-"},    // minus sign
    {0x2500, 0x2501, "-"},    // box drawing: lines, light and heavy
    {0x2502, 0x2503, "|"},
    {0x2504, 0x2505, "-"},    // dashed lines
    {0x2506, 0x2507, "|"},
    {0x2508, 0x2509, "-"},
    {0x250A, 0x250B, "|"},
    {0x250C, 0x254B, "+"},    // corners, joints and crossings
    {0x254C, 0x254D, "-"},
    {0x254E, 0x254F, "|"},
    {0x2550, 0x2550, "="},    // double lines
    {0x2551, 0x2551, "|"},
    {0x2552, 0x2570, "+"},    // double and rounded corners and joints
    {0x2571, 0x2571, "/"},    // diagonals
    {0x2572, 0x2572, "\\"},
    {0x2573, 0x2573, "X"},
    {0x2574, 0x2574, "-"},    // half lines, left, up, right, down
    {0x2575, 0x2575, "|"},
    {0x2576, 0x2576, "-"},
    {0x2577, 0x2577, "|"},
    {0x2578, 0x2578, "-"},
    {0x2579, 0x2579, "|"},
    {0x257A, 0x257A, "-"},
    {0x257B, 0x257B, "|"},
    {0x257C, 0x257C, "-"},
    {0x257D, 0x257D, "|"},
    {0x257E, 0x257E, "-"},
    {0x257F, 0x257F, "|"},
    {0x2580, 0x259F, "#"},    // full, partial and shaded blocks
    {0x25A0, 0x25A0, "#"},    // black square
    {0x25B2, 0x25B2, "^"},    // pointers
    {0x25B6, 0x25B6, ">"},
    {0x25BA, 0x25BA, ">"},
    {0x25BC, 0x25BC, "v"},
    {0x25C0, 0x25C0, "<"},
    {0x25C4, 0x25C4, "<"},
    {0x25CB, 0x25CB, "o"},    // circles as bullets
    {0x25CF, 0x25CF, "o"},
    {0x25E6, 0x25E6, "o"},
    {0x2610, 0x2610, "[ ]"},  // ballot boxes
    {0x2611, 0x2612, "[x]"},
    {0x2713, 0x2714, "v"},    // check marks
    {0x2715, 0x2718, "x"},    // crosses
    {0x2794, 0x2794, "->"},   // heavy arrows
    {0x279C, 0x279C, "->"},
    {0x27A1, 0x27A1, "->"},
    {0x27F5, 0x27F5, "<--"},  // long arrows
    {0x27F6, 0x27F6, "-->"},
    {0x27F7, 0x27F7, "<-->"},
    {0x27F8, 0x27F8, "<=="},
    {0x27F9, 0x27F9, "==>"},
    {0x27FA, 0x27FA, "<==>"},
    {0x2B05, 0x2B05, "<-"},
    {0x2B06, 0x2B06, "^"},
    {0x2B07, 0x2B07, "v"},
    {0x3000, 0x3000, " "},    // ideographic space
    {0xFEFF, 0xFEFF, ""},     // byte order mark
};

char16_t TextByteUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? latinHigh[byte - 0x80] : byte;
}

static const FoldRange *FoldRangeOf(char16_t unit)
{
    const FoldRange *row = std::lower_bound(std::begin(foldRanges), std::end(foldRanges), unit,
                                            [](const FoldRange &range, char16_t key) { return range.last < key; });
    return row != std::end(foldRanges) && row->first <= unit ? row : nullptr;
}

// The byte of a Windows Latin-1 character, or -1.
static int TextLatinByte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    const char16_t *at = std::find(std::begin(latinHigh), std::end(latinHigh), unit);
    return at == std::end(latinHigh) ? -1 : 0x80 + static_cast<int>(at - latinHigh);
}

static bool TextIsSurrogate(char16_t unit, char16_t low)
{
    return unit >= low && unit <= low + 0x3FF;
}

// Writes the 8-bit text of the character at `at` into `out`, moves `at` past
// it and returns the length. A character beyond 16 bits comes as two units
// and is one "?".
static std::size_t TextFoldOne(const char16_t *&at, const char16_t *end, unsigned char *out)
{
    char16_t unit = *at++;
    if (const FoldRange *row = FoldRangeOf(unit)) {
        std::size_t length = std::strlen(row->ascii);
        std::memcpy(out, row->ascii, length);
        return length;
    }
    int byte = TextLatinByte(unit);
    if (TextIsSurrogate(unit, 0xD800) && at < end && TextIsSurrogate(*at, 0xDC00))
        ++at;
    out[0] = static_cast<unsigned char>(byte < 0 ? '?' : byte);
    return 1;
}

std::size_t TextFoldUnicode(const char16_t *text, std::size_t count, unsigned char *out)
{
    std::size_t size = 0;
    for (const char16_t *at = text, *end = text + count; at < end;) {
        unsigned char folded[maxFoldBytes];
        std::size_t length = TextFoldOne(at, end, folded);
        if (out)
            std::memcpy(out + size, folded, length);
        size += length;
    }
    return size;
}
