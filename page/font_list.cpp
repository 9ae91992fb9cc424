#include "page/font_list.h"

#include <utility>

FontEntry *fontData;
std::int16_t numFonts;

static int FontFold(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

int FontNameCompare(const char *a, const char *b)
{
    const auto *left = reinterpret_cast<const unsigned char *>(a);
    const auto *right = reinterpret_cast<const unsigned char *>(b);
    while (*left && FontFold(*left) == FontFold(*right))
        ++left, ++right;
    return FontFold(*left) - FontFold(*right);
}

void FontListSort(FontEntry *entries, int count)
{
    for (int place = 0; place < count; ++place) {
        int smallest = place;
        for (int i = place + 1; i < count; ++i)
            if (FontNameCompare(entries[i].name, entries[smallest].name) < 0)
                smallest = i;
        std::swap(entries[place], entries[smallest]);
    }
}
