#include "page/picture.h"

#include <algorithm>

#include "base/memory.h"
#include "page/picture_dib.h"
#include "page/picture_levels.h"

// Picture sizes come from headers and may be anything; ScaleSize takes ints.
static int PictureClamp(std::int64_t size)
{
    return static_cast<int>(std::min<std::int64_t>(size, INT32_MAX));
}

// Cells are taller than wide; fewer rows make a picture look as tall as it is.
static std::int64_t PictureScreenRows(std::int64_t height)
{
    return fontHeight > 0 ? height * fontWidth / fontHeight : height;
}

bool PictureDrawArea(const Page &page, std::int64_t width, std::int64_t height, int squishMode, CellRect &area)
{
    if (width <= 0 || height <= 0)
        return false;
    std::int16_t drawWidth = page.width, drawHeight = page.height;
    if (squishMode == squishProportional)
        height = PictureScreenRows(height);
    if (squishMode == squishDirect || squishMode == squishProportional)
        ScaleSize(drawWidth, drawHeight, PictureClamp(width), PictureClamp(height));
    if (drawWidth <= 0 || drawHeight <= 0)
        return false;
    int left = (page.width - drawWidth) / 2, top = (page.height - drawHeight) / 2;
    area = {left, top, left + drawWidth, top + drawHeight};
    return true;
}

bool PicturePasteSize(std::int64_t width, std::int64_t height, int squishMode, int roomWidth, int roomHeight,
                      int &pageWidth, int &pageHeight)
{
    if (width <= 0 || height <= 0)
        return false;
    if (squishMode != squishDirect)
        height = PictureScreenRows(height);
    auto fitWidth = static_cast<std::int16_t>(roomWidth), fitHeight = static_cast<std::int16_t>(roomHeight);
    ScaleSize(fitWidth, fitHeight, PictureClamp(width), PictureClamp(height));
    pageWidth = std::max<int>(fitWidth, 1);
    pageHeight = std::max<int>(fitHeight, 1);
    return true;
}

ErrorCode PictureBitmapOnPage(Page &page, const void *block, std::uint32_t size, int squishMode)
{
    DibInfo info;
    ErrorCode error = DibRead(block, size, info);
    if (error)
        return error;
    CellRect area;
    if (!PictureDrawArea(page, info.width, info.height, squishMode, area))
        return 0;
    std::int32_t width = area.right - area.left, height = area.bottom - area.top;
    auto *gray = static_cast<unsigned char *>(Allocate(error, static_cast<std::size_t>(width) * height));
    if (error)
        return error;
    error = DibStretchGray(info, gray, width, height);
    if (!error)
        PictureGrayOnPage(page, {gray, width, width, height}, area.left, area.top);
    Destroy(gray);
    return error;
}
