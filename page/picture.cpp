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

bool PictureDrawArea(const Page &page, std::int64_t width, std::int64_t height, int squishMode, CellRect &area)
{
    if (width <= 0 || height <= 0)
        return false;
    std::int16_t drawWidth = page.width, drawHeight = page.height;
    // Cells are taller than wide; fewer rows make the picture look as tall as it is.
    if (squishMode == squishProportional && fontHeight > 0)
        height = height * fontWidth / fontHeight;
    if (squishMode == squishDirect || squishMode == squishProportional)
        ScaleSize(drawWidth, drawHeight, PictureClamp(width), PictureClamp(height));
    if (drawWidth <= 0 || drawHeight <= 0)
        return false;
    int left = (page.width - drawWidth) / 2, top = (page.height - drawHeight) / 2;
    area = {left, top, left + drawWidth, top + drawHeight};
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
