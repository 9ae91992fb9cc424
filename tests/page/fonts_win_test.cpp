#include "page/fonts_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/preferences.h"
#include "page/offscreen_win.h"
#include "page/page.h"
#include "tests/page/picture_test_support.h"
#include "tests/support/reports.h"

namespace {

// Black pixels of `c` drawn in the display font, counted one pixel at a time.
int PixelsByHand(unsigned char c)
{
    Offscreen cell;
    EXPECT_EQ(0u, MyCreateOffscreen(cell, fontWidth, fontHeight, 1));
    HFONT font = CreateFontA(-MulDiv(preferences.displaySize, GetDeviceCaps(cell.context, LOGPIXELSY), 72), 0, 0,
                             0, 0, 0, 0, 0, 0, 0, 0, 0, 0, preferences.displayFont);
    SelectObject(cell.context, font);
    OffscreenClear(cell, fontWidth, fontHeight);
    TextOutA(cell.context, 0, 0, reinterpret_cast<const char *>(&c), 1);
    int count = 0;
    for (int y = 0; y < fontHeight; ++y)
        for (int x = 0; x < fontWidth; ++x)
            count += GetPixel(cell.context, x, y) == RGB(0, 0, 0);
    MyDisposeOffscreen(cell);
    DeleteObject(font);
    return count;
}

} // namespace

TEST(Fonts, InstalledFamiliesListedInOrder)
{
    ASSERT_EQ(0u, CalculateFontNames());
    ASSERT_GT(numFonts, 2);
    for (int i = 1; i < numFonts; ++i) // in order, each family once
        EXPECT_LT(FontNameCompare(fontData[i - 1].name, fontData[i].name), 0) << fontData[i].name;
    auto fixed = [](const std::string &name) {
        auto *entry = std::find_if(fontData, fontData + numFonts, [&](auto &font) { return font.name == name; });
        return entry == fontData + numFonts ? -1 : entry->fixed;
    };
    EXPECT_TRUE(fixed("Liberation Mono") == 1 && fixed("Liberation Sans") == 0);
    FailEachAllocation([] {
        FontEntry *before = fontData;
        std::int16_t count = numFonts;
        ErrorCode error = CalculateFontNames();
        EXPECT_TRUE(!error || (before == fontData && count == numFonts));
        return error;
    });
}

TEST(Fonts, DisplayFontDarkness)
{
    SavedTables saved;
    Restore kept(fontWidth, fontHeight, preferences);
    preferences = PreferencesDefaults();
    ASSERT_EQ(0u, CalculateFontGrays());
    EXPECT_TRUE(fontWidth > 3 && fontHeight > fontWidth);
    for (unsigned char c : {' ', 'M', '.', '@', 'j'})
        EXPECT_EQ(PixelsByHand(c), charPixels[c]) << c;
    EXPECT_TRUE(*std::min_element(charGrays, charGrays + 256) == 0 && *std::max_element(charGrays, charGrays + 256) == 255);

    CalculateGrayChars();
    const unsigned char *set = preferences.grayscaleCharacters;
    unsigned char darkest = set[0];
    for (; *set; ++set)
        darkest = charPixels[*set] > charPixels[darkest] ? *set : darkest;
    EXPECT_TRUE(grayChars[0] == ' ' && grayChars[255] == darkest);
}
