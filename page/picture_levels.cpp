#include "page/picture_levels.h"

#include "page/picture_chars.h"

std::int64_t PictureCut(std::int32_t width, std::int32_t height)
{
    return static_cast<std::int64_t>(width) * height / 30;
}

// The first level, walking from `from` by `step`, at which the pixels seen
// use up `cut`; the last level of the walk at the latest.
static int PictureLevelPoint(const std::uint32_t tally[256], std::int64_t cut, int from, int step)
{
    int level = from;
    for (int walked = 0; walked < 255; ++walked, level += step) {
        cut -= tally[level];
        if (cut <= 0)
            break;
    }
    return level;
}

void PictureLevelPoints(const std::uint32_t tally[256], std::int64_t cut, int &low, int &high)
{
    low = PictureLevelPoint(tally, cut, 0, 1);
    high = PictureLevelPoint(tally, cut, 255, -1);
}

void PictureLevelMap(int low, int high, unsigned char map[256])
{
    // Testing `high` before the stretch keeps low = high (one grey level)
    // from dividing by zero: that level and all above it are black.
    for (int level = 0; level < 256; ++level)
        map[level] = level < low ? 0 : level >= high ? 255 : (level - low) * 255 / (high - low);
}

void PictureTally(const GrayImage &image, std::uint32_t tally[256])
{
    for (int level = 0; level < 256; ++level)
        tally[level] = 0;
    const unsigned char *row = image.top;
    for (std::int32_t y = 0; y < image.height; ++y, row += image.rowStep)
        for (std::int32_t x = 0; x < image.width; ++x)
            ++tally[row[x]];
}

void PictureGrayOnPage(Page &page, const GrayImage &image, int atCol, int atRow)
{
    std::uint32_t tally[256];
    PictureTally(image, tally);
    int low, high;
    PictureLevelPoints(tally, PictureCut(image.width, image.height), low, high);
    unsigned char map[256];
    PictureLevelMap(low, high, map);
    unsigned char chars[256];
    for (int level = 0; level < 256; ++level)
        chars[level] = grayChars[map[level]];
    const unsigned char *row = image.top;
    for (std::int32_t y = 0; y < image.height; ++y, row += image.rowStep) {
        unsigned char *cells = page.data + static_cast<std::int32_t>(atRow + y) * page.width + atCol;
        for (std::int32_t x = 0; x < image.width; ++x)
            cells[x] = chars[row[x]];
    }
}
