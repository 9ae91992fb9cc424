#include "page/picture_win.h"

#include <gtest/gtest.h>

#include <random>

#include "page/offscreen_win.h"
#include "page/picture.h"
#include "page/picture_dib.h"
#include "tests/page/page_test_support.h"
#include "tests/page/picture_test_support.h"
#include "tests/support/reports.h"

namespace {

// Pixel (x, y) of an off-screen bitmap `height` rows high, 8 bits deep.
unsigned char &OffscreenPixel(const Offscreen &offscreen, int height, int x, int y)
{
    return offscreen.bits[(height - 1 - y) * offscreen.widthBytes + x];
}

// The bitmap stretched by the platform into a grey off-screen bitmap.
Bytes PlatformStretched(const Bytes &block, int width, int height)
{
    const auto *info = reinterpret_cast<const BITMAPINFO *>(block.data());
    int sourceWidth = info->bmiHeader.biWidth, sourceHeight = std::abs(info->bmiHeader.biHeight);
    std::size_t image = (sourceWidth * info->bmiHeader.biBitCount + 31) / 32 * 4 * sourceHeight;
    Offscreen drawn;
    EXPECT_EQ(0u, MyCreateOffscreen(drawn, width, height, 8));
    SetStretchBltMode(drawn.context, COLORONCOLOR);
    StretchDIBits(drawn.context, 0, 0, width, height, 0, 0, sourceWidth, sourceHeight,
                  block.data() + block.size() - image, info, DIB_RGB_COLORS, SRCCOPY);
    GdiFlush();
    Bytes gray;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            gray.push_back(OffscreenPixel(drawn, height, x, y));
    MyDisposeOffscreen(drawn);
    return gray;
}

} // namespace

TEST(Offscreen, PixelsAreReadBackAsDarkness)
{
    Offscreen grey, mono;
    ASSERT_EQ(0u, MyCreateOffscreen(grey, 3, 2, 8));
    ASSERT_EQ(0u, MyCreateOffscreen(mono, 33, 2, 1));
    EXPECT_EQ(4, grey.widthBytes);
    EXPECT_EQ(8, mono.widthBytes);
    RECT all = {0, 0, 3, 2};
    FillRect(grey.context, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    OffscreenClear(grey, 3, 2);
    SetPixel(grey.context, 0, 0, RGB(0, 0, 0));
    SetPixel(grey.context, 2, 1, RGB(100, 100, 100));
    OffscreenClear(mono, 33, 2);
    SetPixel(mono.context, 0, 0, RGB(0, 0, 0));
    SetPixel(mono.context, 32, 0, RGB(0, 0, 0));
    GdiFlush();
    Bytes pixels;
    for (int at = 0; at < 6; ++at)
        pixels.push_back(OffscreenPixel(grey, 2, at % 3, at / 3));
    EXPECT_EQ((Bytes{255, 0, 0, 0, 0, 155}), pixels);
    // The top row is stored last; its leftmost pixel is the top bit.
    const unsigned char *top = mono.bits + mono.widthBytes;
    EXPECT_EQ((Bytes{0x80, 0, 0, 0, 0x80, 0}), Bytes(top, top + 6));
    EXPECT_EQ(0, mono.bits[0]);
    MyDisposeOffscreen(grey);
    MyDisposeOffscreen(mono);

    ReportCatcher reports;
    Offscreen none;
    EXPECT_NE(0u, MyCreateOffscreen(none, 0, 0, 8));
    EXPECT_EQ(1, reports.errors);
}

TEST(PictureWin, OwnStretchMatchesThePlatforms)
{
    std::mt19937 scramble(3);
    std::vector<std::uint32_t> colours, indices;
    for (int i = 0; i < 35; ++i) {
        colours.push_back(scramble() & 0xFFFFFF);
        indices.push_back(scramble() % 16);
    }
    std::vector<std::uint32_t> shorts;
    for (std::uint32_t colour : colours)
        shorts.push_back(colour & 0xFFFF);
    std::vector<std::uint32_t> palette(colours.begin(), colours.begin() + 16);
    const std::pair<DibShape, const std::vector<std::uint32_t> &> pictures[] = {
        {{7, 5, 24}, colours}, {{7, -5, 32}, colours}, {{7, 5, 8, palette}, indices}, {{7, 5, 4, palette}, indices},
        {{7, 5, 1, {0xFFFFFF, 0x102030}}, shorts}, {{7, 5, 16}, shorts},
        {{7, 5, 16, {}, {0xF800, 0x07E0, 0x001F}}, shorts}};
    for (const auto &[shape, pixels] : pictures) {
        std::vector<std::uint32_t> stored = pixels;
        if (shape.bitCount == 1)
            for (std::uint32_t &pixel : stored)
                pixel &= 1;
        Bytes block = DibBlock(shape, stored);
        for (int times : {1, 3}) {
            SCOPED_TRACE(testing::Message() << shape.bitCount << " bits, " << times << " times");
            int width = 7 * times, height = 5 * times;
            Bytes own = Stretched(block, width, height), platform = PlatformStretched(block, width, height);
            for (std::size_t i = 0; i < own.size(); ++i)
                // The platform rounds colours to 5 bits before matching them.
                EXPECT_NEAR(own[i], platform[i], 4) << i;
        }
    }
}

TEST(PictureWin, MetafilesAndBitmapsOnPages)
{
    GrayLetters letters;
    HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    RECT all = {0, 0, 300, 100}, left = {0, 0, 150, 100};
    FillRect(recorder, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(recorder, &left, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    ASSERT_NE(nullptr, metafile);
    Page page;
    ASSERT_EQ(0u, PageNew(page, 60, 40));
    ASSERT_EQ(0u, PictureOnPage(page, metafile, 0, true, squishDirect));
    Rows rows = PageRows(page);
    for (int row = 0; row < 40; ++row) {
        SCOPED_TRACE(row);
        bool drawn = row >= 10 && row < 30;
        // Black left, white right; the columns at the edge are the platform's to round.
        EXPECT_EQ(std::string(28, drawn ? 'z' : '.'), rows[row].substr(0, 28));
        EXPECT_EQ(std::string(28, drawn ? 'a' : '.'), rows[row].substr(32));
    }
    Bytes block = DibBlock({3, 1, 24}, {0, 0x808080, 0xFFFFFF});
    ASSERT_EQ(0u, PictureOnPage(page, block.data(), block.size(), false, squishFree));
    EXPECT_EQ(Rows(40, std::string(20, 'z') + std::string(20, 'm') + std::string(20, 'a')), PageRows(page));

    ReportCatcher reports;
    EXPECT_EQ(errorInvalidData, PictureOnPage(page, block.data(), 39, false, squishFree));
    EXPECT_NE(0u, PictureOnPage(page, nullptr, 0, true, squishFree));
    EXPECT_EQ(2, reports.errors);
    EXPECT_EQ(Rows(40, std::string(20, 'z') + std::string(20, 'm') + std::string(20, 'a')), PageRows(page));
    PageKill(page);
    DeleteEnhMetaFile(metafile);
}
