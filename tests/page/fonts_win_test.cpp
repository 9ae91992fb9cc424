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

TEST(Fonts, EachFamilyAnalysedOnce)
{
    FontEntry entries[3] = {};
    FontListFill fill = {CreateCompatibleDC(nullptr), entries, 3, 0, 0};
    auto offer = [&](const char *face, BYTE pitch) {
        LOGFONTA description = {};
        lstrcpynA(description.lfFaceName, face, LF_FACESIZE);
        description.lfPitchAndFamily = pitch;
        return FontAnalyseProc(&description, nullptr, TRUETYPE_FONTTYPE, reinterpret_cast<LPARAM>(&fill));
    };
    // A proportional face that claims a fixed pitch is measured and found out.
    EXPECT_EQ(1, offer("Liberation Sans", FIXED_PITCH | FF_SWISS));
    EXPECT_EQ(1, offer("Liberation Mono", FIXED_PITCH | FF_MODERN));
    EXPECT_EQ(1, offer("LIBERATION MONO", VARIABLE_PITCH | FF_MODERN)); // the same family again
    EXPECT_EQ(1, offer("Courier New", VARIABLE_PITCH | FF_MODERN));     // only a declared fixed pitch is measured
    EXPECT_EQ(0, offer("Liberation Serif", VARIABLE_PITCH | FF_ROMAN)); // no room: not written past the block
    DeleteDC(fill.context);
    ASSERT_EQ(3, fill.filled);
    EXPECT_EQ((std::vector<std::string>{"Liberation Sans", "Liberation Mono", "Courier New"}),
              (std::vector<std::string>{entries[0].name, entries[1].name, entries[2].name}));
    EXPECT_EQ((std::vector<int>{0, 1, 0}), (std::vector<int>{entries[0].fixed, entries[1].fixed, entries[2].fixed}));
}

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
    EXPECT_EQ(1, fixed("Liberation Mono"));
    EXPECT_EQ(0, fixed("Liberation Sans"));
    FailEachAllocation([] {
        FontEntry *before = fontData;
        std::int16_t count = numFonts;
        ErrorCode error = CalculateFontNames();
        if (error) {
            EXPECT_EQ(before, fontData);
            EXPECT_EQ(count, numFonts);
        }
        return error;
    });
}

TEST(Fonts, DisplayFontDarkness)
{
    SavedTables saved;
    auto oldWidth = fontWidth, oldHeight = fontHeight;
    preferences = PreferencesDefaults();
    ASSERT_EQ(0u, CalculateFontGrays());
    EXPECT_GT(fontWidth, 3);
    EXPECT_GT(fontHeight, fontWidth);
    EXPECT_EQ(0, charPixels[' ']);
    for (unsigned char c : {'M', '.', '@', 'j'})
        EXPECT_EQ(PixelsByHand(c), charPixels[c]) << c;
    EXPECT_LT(charPixels['.'], charPixels['M']);
    EXPECT_EQ(0, *std::min_element(charGrays, charGrays + 256));
    EXPECT_EQ(255, *std::max_element(charGrays, charGrays + 256));

    CalculateGrayChars();
    const unsigned char *set = preferences.grayscaleCharacters;
    unsigned char darkest = set[0];
    for (; *set; ++set)
        darkest = charPixels[*set] > charPixels[darkest] ? *set : darkest;
    EXPECT_EQ(' ', grayChars[0]);
    EXPECT_EQ(darkest, grayChars[255]);
    EXPECT_TRUE(std::string("@MNH#").find(char(darkest)) != std::string::npos) << darkest;
    fontWidth = oldWidth;
    fontHeight = oldHeight;
}
