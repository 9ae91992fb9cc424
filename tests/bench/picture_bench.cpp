// The largest pictures people paste: a camera photograph onto a full-width page.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "page/picture.h"
#include "page/picture_win.h"

static void PictureOnPagePhotograph(benchmark::State &state)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = 8000;
    header.biHeight = 6000;
    header.biPlanes = 1;
    header.biBitCount = 24;
    std::vector<unsigned char> block(sizeof header + std::size_t(header.biWidth) * 3 * header.biHeight);
    std::memcpy(block.data(), &header, sizeof header);
    for (std::size_t i = sizeof header; i < block.size(); ++i)
        block[i] = static_cast<unsigned char>(i * 7 / 3);
    Page page;
    PageNew(page, 500, 188);
    for (auto _ : state)
        PictureOnPage(page, block.data(), static_cast<std::uint32_t>(block.size()), false, squishFree);
    PageKill(page);
}
BENCHMARK(PictureOnPagePhotograph)->Unit(benchmark::kMillisecond);
