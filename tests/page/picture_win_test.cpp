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

