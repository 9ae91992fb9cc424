#include "page/picture_levels.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "page/font_list.h"
#include "page/picture.h"
#include "page/picture_chars.h"
#include "tests/page/page_test_support.h"
#include "tests/page/picture_test_support.h"
#include "tests/support/font_cell.h"
#include "tests/support/reports.h"

namespace {

typedef std::function<std::uint32_t(int x, int y)> Colour;

// A 24-bit picture of `colour` drawn onto a new page.
Rows Drawn(int width, int height, const Colour &colour, int pageWidth, int pageHeight, int squishMode)
{
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(colour(x, y));
    Bytes block = DibBlock({width, height, 24}, pixels);
    Page page;
    EXPECT_EQ(0u, PageNew(page, pageWidth, pageHeight));
    EXPECT_EQ(0u, PictureBitmapOnPage(page, block.data(), block.size(), squishMode));
    Rows rows = PageRows(page);
    PageKill(page);
    return rows;
}

std::uint32_t LeftHalfBlack(int x, int)
{
    return x < 150 ? 0 : 0xFFFFFF;
}

} // namespace

TEST(PictureLevels, CutPointsAndMap)
{
    EXPECT_TRUE(PictureCut(40, 25) == 33 && PictureCut(29, 1) == 0 && PictureCut(6, 5) == 1);
    std::uint32_t tally[256] = {}, single[256] = {};
    tally[10] = tally[50] = tally[200] = tally[240] = 20;
    tally[128] = 920;
    single[77] = 30;
    for (auto [counts, cut, low, high] : {std::tuple(tally, 33, 50, 200), std::tuple(tally, 0, 0, 255),
                                          std::tuple(single, 1, 77, 77)}) {
        int gotLow, gotHigh;
        PictureLevelPoints(counts, cut, gotLow, gotHigh);
        EXPECT_TRUE(gotLow == low && gotHigh == high) << cut << ": " << gotLow << "-" << gotHigh;
    }
    unsigned char map[256];
    PictureLevelMap(50, 200, map);
    EXPECT_EQ((Bytes{0, 0, 127, 253, 255, 255}), (Bytes{map[49], map[50], map[125], map[199], map[200], map[255]}));
    PictureLevelMap(77, 77, map);
    EXPECT_EQ((Bytes{0, 255, 255}), (Bytes{map[76], map[77], map[255]}));
    GrayLetters letters;
    const unsigned char pixels[] = {255, 128, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}; // bottom row first
    Page page;
    ASSERT_EQ(0u, PageNew(page, 5, 4));
    PictureGrayOnPage(page, {pixels + 8, -8, 3, 2}, 1, 1);
    EXPECT_EQ((Rows{".....", ".aaa.", ".zma.", "....."}), PageRows(page));
    PageKill(page);
}

TEST(Picture, DrawAreaBySquishMode)
{
    Page page = {60, 40, nullptr};
    auto area = [&](std::int64_t width, std::int64_t height, int mode) {
        CellRect rect;
        if (!PictureDrawArea(page, width, height, mode, rect))
            return std::vector<int>{};
        return std::vector<int>{rect.left, rect.top, rect.right, rect.bottom};
    };
    EXPECT_EQ((std::vector<int>{0, 10, 60, 30}), area(300, 100, squishDirect));
    EXPECT_EQ((std::vector<int>{0, 0, 60, 40}), area(300, 100, squishFree));
    EXPECT_EQ((std::vector<int>{0, 0, 60, 40}), area(3, 1, 9));
    EXPECT_EQ((std::vector<int>{25, 17, 35, 23}), area(10, 6, squishDirect));
    {
        FontCell font(8, 16);
        EXPECT_EQ((std::vector<int>{25, 18, 35, 21}), area(10, 6, squishProportional));
        EXPECT_EQ((std::vector<int>{0, 15, 60, 25}), area(300, 100, squishProportional));
        EXPECT_EQ((std::vector<int>{}), area(5, 1, squishProportional));
    }
    EXPECT_EQ((std::vector<int>{}), area(0, 5, squishFree));
    EXPECT_EQ((std::vector<int>{10, 0, 50, 40}), area(INT64_MAX / 2, INT64_MAX / 4, squishDirect));
}

TEST(Picture, BitmapOnPage)
{
    GrayLetters letters;
    Rows band = Drawn(300, 100, LeftHalfBlack, 60, 40, squishDirect);
    Rows free = Drawn(300, 100, LeftHalfBlack, 60, 40, squishFree);
    std::string blank(60, '.'), halves = std::string(30, 'z') + std::string(30, 'a');
    for (int row = 0; row < 40; ++row) {
        EXPECT_EQ(row >= 10 && row < 30 ? halves : blank, band[row]) << row;
        EXPECT_EQ(halves, free[row]) << row;
    }
    EXPECT_EQ((Rows{"....", ".za.", ".aa.", "...."}),
              Drawn(2, 2, [](int x, int y) { return x || y ? 0xFFFFFFu : 0u; }, 4, 4, squishDirect));
    // Greys from 100 to 150 only are stretched over the whole range.
    EXPECT_EQ(Rows(5, "zzzaaa"), Drawn(6, 5, [](int x, int) { return x < 3 ? 0x646464u : 0x969696u; }, 6, 5, 0));
    // One grey level over 30 pixels or more is all black; under 30 nothing is clipped.
    EXPECT_EQ(Rows(5, "zzzzzz"), Drawn(6, 5, [](int, int) { return 0xFFFFFFu; }, 6, 5, 0));
    EXPECT_EQ(Rows(1, std::string(29, 'a')), Drawn(29, 1, [](int, int) { return 0xFFFFFFu; }, 29, 1, 0));

    Bytes block = DibBlock({300, 100, 24}, std::vector<std::uint32_t>(30000, 0x808080));
    FailEachAllocation([&] {
        Page page;
        ErrorCode error = PageFromRows(page, Rows(40, std::string(60, 'x')));
        if (error)
            return error;
        error = PictureBitmapOnPage(page, block.data(), block.size(), squishFree);
        if (error) {
            EXPECT_EQ(Rows(40, std::string(60, 'x')), PageRows(page));
        }
        PageKill(page);
        return error;
    });
}

TEST(PictureChars, CountsAndChoices)
{
    SavedTables saved;
    const unsigned char bits[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x40, 0xFF, 0xFF};
    EXPECT_EQ(13, BlackPixelsCount(bits, 4, 10, 2)); // the padding past 10 pixels is not counted

    std::fill(charPixels, charPixels + 256, 5);
    charPixels[' '] = 0;
    charPixels['M'] = 25;
    CharGraysFromPixels();
    EXPECT_EQ((Bytes{0, 255, 51}), (Bytes{charGrays[' '], charGrays['M'], charGrays['a']}));
    std::fill(charPixels, charPixels + 256, 5);
    CharGraysFromPixels();
    EXPECT_EQ((Bytes{0, 0}), (Bytes{charGrays[' '], charGrays['M']}));

    auto chosen = [](const char *set, std::vector<int> grays) {
        GrayCharsFromSet(reinterpret_cast<const unsigned char *>(set));
        std::string chars;
        for (int gray : grays)
            chars += static_cast<char>(grayChars[gray]);
        return chars;
    };
    // Equal counts: the set's own order, spread over the range.
    EXPECT_EQ("abbc", chosen("abc", {0, 127, 128, 255}));
    charPixels[' '] = 0;
    charPixels['x'] = 254;
    charPixels['#'] = 255;
    // Darkness 127 lies as near ' ' (0) as 'x' (254): the earlier in the set wins.
    EXPECT_EQ(" x #", chosen(" x#", {0, 128, 127, 255}));
    EXPECT_EQ(" x#", chosen("x #", {0, 127, 255}));
}

TEST(FontList, SortsWithoutRegardToCase)
{
    FontEntry entries[] = {{"courier", 1}, {"Arial", 0}, {"Courier New", 2}, {"b", 3}, {"A", 4}, {"a", 5}};
    FontListSort(entries, 6);
    std::vector<std::string> names;
    std::vector<int> flags;
    for (const FontEntry &entry : entries) {
        names.push_back(entry.name);
        flags.push_back(entry.fixed);
    }
    // Of the equal "A" and "a" the first found is placed first.
    EXPECT_EQ((std::vector<std::string>{"A", "a", "Arial", "b", "courier", "Courier New"}), names);
    EXPECT_EQ((std::vector<int>{4, 5, 0, 3, 1, 2}), flags);
}
