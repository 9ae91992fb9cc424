// The installed font families, sorted by name.
#pragma once

#include <cstdint>

struct FontEntry {
    char name[32];      // face name, 0-terminated
    std::uint8_t fixed; // 1 when every character measured as wide as the space
};

extern FontEntry *fontData; // numFonts entries, owned for the program's life
extern std::int16_t numFonts;

// Compares two names as ASCII without regard to case: below, at or above 0.
int FontNameCompare(const char *a, const char *b);
// Sorts by name without regard to case, by selection: each place in turn
// takes the first of the smallest names left.
void FontListSort(FontEntry *entries, int count);
