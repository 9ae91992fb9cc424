#include "page/picture_dib.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>

#include "page/picture.h"
#include "tests/page/page_test_support.h"
#include "tests/page/picture_test_support.h"
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
