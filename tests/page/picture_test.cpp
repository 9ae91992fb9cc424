#include "page/picture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <set>
#include <tuple>

#include "page/font_list.h"
#include "page/picture_chars.h"
#include "page/picture_dib.h"
#include "page/picture_levels.h"
#include "tests/page/page_test_support.h"
#include "tests/page/picture_test_support.h"
#include "tests/support/font_cell.h"
#include "tests/support/reports.h"

namespace {

// An 8-bit picture `count` pixels long (a row, or a column with `down`)
// whose darkness is each pixel's position, stretched to `length`; gives the
// position each pixel was taken from.
Bytes Picks(int count, int length, bool down)
{
    std::vector<std::uint32_t> greys, positions;
    for (int i = 0; i < count; ++i) {
        greys.push_back(0x010101u * (255 - i));
        positions.push_back(i);
    }
    Bytes block = DibBlock({down ? 1 : count, down ? count : 1, 8, greys}, positions);
    return Stretched(block, down ? 1 : length, down ? length : 1);
}

// The block cut to `size` bytes in a block of its own, so that the sanitizer
// sees any read past it.
std::unique_ptr<unsigned char[]> Exact(const Bytes &block, std::size_t size)
{
    std::unique_ptr<unsigned char[]> copy(new unsigned char[size]);
    std::copy(block.begin(), block.begin() + size, copy.get());
    return copy;
}

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

} // namespace

TEST(PictureDib, EachFormatMatchesTheNearestGrey)
{
    // White, black, red, a mid grey, a dark blue-green and green, as darkness.
    std::vector<std::uint32_t> rgb = {0xFFFFFF, 0x000000, 0xFF0000, 0x646464, 0x102030, 0x00FF00};
    Bytes dark = {0, 255, 170, 155, 223, 170};
    std::vector<std::uint32_t> alpha, indices = {0, 1, 2, 3, 4, 5};
    for (std::uint32_t colour : rgb)
        alpha.push_back(colour | 0xAA000000); // the unused byte is not a colour
    for (int height : {2, -2}) {
        EXPECT_EQ(dark, Stretched(DibBlock({3, height, 24}, rgb), 3, 2));
        EXPECT_EQ(dark, Stretched(DibBlock({3, height, 32}, alpha), 3, 2));
        EXPECT_EQ(dark, Stretched(DibBlock({3, height, 8, rgb}, indices), 3, 2));
        EXPECT_EQ(dark, Stretched(DibBlock({3, height, 4, rgb}, indices), 3, 2));
    }
    EXPECT_EQ((Bytes{0, 155, 0, 0, 0, 0, 0, 0, 155}),
              Stretched(DibBlock({9, 1, 1, {0xFFFFFF, 0x646464}}, {0, 1, 0, 0, 0, 0, 0, 0, 1}), 9, 1));
    // An index past the colour table shows black.
    EXPECT_EQ((Bytes{0, 255}), Stretched(DibBlock({2, 1, 8, {0xFFFFFF}}, {0, 7}), 2, 1));
    EXPECT_EQ((Bytes{0, 255, 170, 123}), Stretched(DibBlock({4, 1, 16}, {0x7FFF, 0, 0x7C00, 0x4210}), 4, 1));
    DibShape sixFiveSix = {4, 1, 16, {}, {0xF800, 0x07E0, 0x001F}};
    EXPECT_EQ((Bytes{0, 170, 170, 124}), Stretched(DibBlock(sixFiveSix, {0xFFFF, 0xF800, 0x07E0, 0x8410}), 4, 1));
    // Ten bits a colour, the masks inside a long header.
    DibShape tenBits = {4, 1, 32, {}, {0x3FF00000, 0x000FFC00, 0x000003FF}, 124};
    EXPECT_EQ((Bytes{0, 170, 127, 255}),
              Stretched(DibBlock(tenBits, {0x3FFFFFFF, 0x3FF00000, 0x20080200, 0xC0000000}), 4, 1));
}

TEST(PictureDib, StretchTakesThePixelUnderEachCell)
{
    for (bool down : {false, true})
        for (int count = 1; count <= 12; ++count)
            for (int length = 1; length <= 30; ++length) {
                Bytes picks = Picks(count, length, down);
                for (int i = 0; i < length; ++i) {
                    SCOPED_TRACE(testing::Message() << count << " onto " << length << " at " << i);
                    // Source pixel picks[i] overlaps the cell's share of the picture.
                    EXPECT_LT(picks[i] * length, (i + 1) * count);
                    EXPECT_GT((picks[i] + 1) * length, i * count);
                    EXPECT_LE(picks[i ? i - 1 : 0], picks[i]);
                }
                // Nothing is lost when enlarging, nothing taken twice when shrinking.
                std::set<int> seen(picks.begin(), picks.end());
                EXPECT_EQ(std::min(count, length), static_cast<int>(seen.size()));
            }
}

TEST(PictureDib, LyingHeadersAreRefused)
{
    Bytes good = DibBlock({5, 4, 8, {0xFFFFFF, 0}}, std::vector<std::uint32_t>(20, 1));
    const std::pair<std::size_t, std::uint32_t> lies[] = {
        {0, 0}, {0, 12}, {0, 39}, {0, 0xFFFFFFFF}, {0, static_cast<std::uint32_t>(good.size() + 1)},
        {4, 0}, {4, 9}, {4, 0xFFFFFFFF}, {4, 0x7FFFFFFF}, {4, 0x20000001}, // the last wraps 32 bits of row bits
        {8, 0}, {8, 5}, {8, 0xFFFFFFFB}, {8, 0x80000000}, {8, 0x7FFFFFFF},
        {12, 2 | 8 << 16}, {12, 1 | 2 << 16}, {12, 1}, {12, 1 | 64 << 16}, // planes, bits per pixel
        {16, 1}, {16, 2}, {16, 3}, {16, 4},                                 // run lengths, masks on 8 bits, JPEG
        {32, 3}, {32, 0x40000000}, {32, 0xFFFFFFFF},                        // the second wraps 32 bits of table
    };
    std::vector<Bytes> blocks;
    for (auto [at, value] : lies) {
        blocks.push_back(good);
        DibPut(blocks.back(), at, value);
    }
    Bytes masked = DibBlock({2, 1, 16, {}, {0xF800, 0x07E0, 0x001F}}, {1, 2});
    for (const Bytes &whole : {good, masked})
        for (std::size_t size = 0; size < whole.size(); ++size)
            blocks.emplace_back(whole.begin(), whole.begin() + size);
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, Rows(4, "xxxxxx")));
    for (const Bytes &block : blocks) {
        ReportCatcher reports;
        auto exact = Exact(block, block.size());
        EXPECT_EQ(errorInvalidData, PictureBitmapOnPage(page, exact.get(), block.size(), squishFree));
        EXPECT_EQ(1, reports.errors);
    }
    EXPECT_EQ(Rows(4, "xxxxxx"), PageRows(page));
    PageKill(page);
}

TEST(PictureDib, ScrambledHeadersNeverReadOutsideTheBlock)
{
    std::mt19937 scramble(7);
    std::vector<Bytes> seeds = {DibBlock({5, 4, 8, {0xFFFFFF, 0}}, std::vector<std::uint32_t>(20, 1)),
                                DibBlock({9, -3, 1, {0xFFFFFF, 0}}, std::vector<std::uint32_t>(27, 1)),
                                DibBlock({3, 3, 24}, std::vector<std::uint32_t>(9, 0x123456)),
                                DibBlock({2, 2, 32, {}, {0xFF, 0xFF00, 0xFF0000}}, {1, 2, 3, 4})};
    Page page;
    ASSERT_EQ(0u, PageNew(page, 7, 5));
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        Bytes block = seeds[round % seeds.size()];
        for (int changes = scramble() % 3 + 1; changes; --changes)
            block[scramble() % 56] = static_cast<unsigned char>(scramble());
        std::size_t size = scramble() % 4 ? block.size() : scramble() % block.size();
        ReportCatcher reports;
        auto exact = Exact(block, size);
        ErrorCode error = PictureBitmapOnPage(page, exact.get(), static_cast<std::uint32_t>(size), round % 3);
        EXPECT_TRUE(error == 0 || error == errorInvalidData);
        accepted += !error;
    }
    EXPECT_GT(accepted, 1000); // the scrambling leaves many pictures readable
    PageKill(page);
}

TEST(PictureLevels, CutPointsAndMap)
{
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
    PictureLevelMap(77, 77, map); // one grey level: it and all above are black
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
    EXPECT_EQ(Rows(40, std::string(30, 'z') + std::string(30, 'a')),
              Drawn(300, 100, [](int x, int) { return x < 150 ? 0u : 0xFFFFFFu; }, 60, 40, squishFree));
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
