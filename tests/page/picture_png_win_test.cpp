#include "page/picture_png_win.h"

#include <gtest/gtest.h>

#include "base/memory.h"
#include "tests/page/picture_test_support.h"
#include "tests/support/reports.h"

namespace {

// Decodes `png` into a bitmap block; empty when it was refused.
Bytes Decoded(const Bytes &png, ErrorCode &error)
{
    unsigned char *dib;
    std::size_t size;
    error = PngToDib(png.data(), png.size(), dib, size);
    if (error)
        return {};
    Bytes block(dib, dib + size);
    Destroy(dib);
    return block;
}

} // namespace

// Each PNG decodes to the darkness of the same pixels given as a bitmap,
// transparent parts counting as white.
TEST(PngToDib, DecodesLikeTheSameBitmap)
{
    struct Case {
        int channels;
        std::vector<unsigned char> samples;
        std::vector<std::uint32_t> colours; // 0xRRGGBB of the same 3 x 2 pixels
    } cases[] = {
        {1, {0, 255, 128, 64, 200, 0}, {0x000000, 0xFFFFFF, 0x808080, 0x404040, 0xC8C8C8, 0x000000}},
        {3, {255, 0, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0, 128, 0, 10, 20, 30},
         {0xFF0000, 0x0000FF, 0x000000, 0xFFFFFF, 0x008000, 0x0A141E}},
        {4, {0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 128, 255, 0, 0, 255, 255, 0, 0, 0, 20, 20, 20, 255},
         {0x000000, 0xFFFFFF, 0x7F7F7F, 0xFF0000, 0xFFFFFF, 0x141414}},
    };
    for (const Case &test : cases) {
        ErrorCode error;
        Bytes dib = Decoded(PngBlock(3, 2, test.channels, test.samples), error);
        ASSERT_EQ(0u, error) << test.channels << " channels";
        EXPECT_EQ(Stretched(DibBlock({3, 2, 24}, test.colours), 3, 2), Stretched(dib, 3, 2))
            << test.channels << " channels";
        EXPECT_EQ(2, FailEachAllocation([&] { return Decoded(PngBlock(3, 2, test.channels, test.samples), error), error; }));
    }
}

TEST(PngToDib, DamagedFilesAreReportedAndRefused)
{
    Bytes whole = PngBlock(2, 2, 1, {0, 255, 255, 0});
    Bytes cut(whole.begin(), whole.end() - 30); // the pixels end early
    Bytes notPng = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
    for (const Bytes &damaged : {cut, notPng, Bytes()}) {
        long live = MemoryLiveBlocks();
        ReportCatcher reports;
        ErrorCode error;
        EXPECT_TRUE(Decoded(damaged, error).empty() && error == errorInvalidData && reports.errors == 1);
        EXPECT_EQ(live, MemoryLiveBlocks());
    }
}
