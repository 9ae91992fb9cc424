#include "page/picture_win.h"

#include "page/offscreen_win.h"
#include "page/picture.h"
#include "page/picture_levels.h"

// Plays the metafile into a white grey bitmap of the drawn area's size.
static ErrorCode PictureMetafileOnPage(Page &page, HENHMETAFILE metafile, int squishMode)
{
    ENHMETAHEADER header;
    if (!GetEnhMetaFileHeader(metafile, sizeof header, &header))
        return TestZeroError(nullptr);
    const RECTL &bounds = header.rclBounds;
    CellRect area;
    if (!PictureDrawArea(page, static_cast<std::int64_t>(bounds.right) - bounds.left,
                         static_cast<std::int64_t>(bounds.bottom) - bounds.top, squishMode, area))
        return 0;
    int width = area.right - area.left, height = area.bottom - area.top;
    Offscreen drawn;
    ErrorCode error = MyCreateOffscreen(drawn, width, height, 8);
    if (error)
        return error;
    OffscreenClear(drawn, width, height);
    RECT frame = {0, 0, width, height};
    // A record that fails to play leaves the rest of the picture drawn.
    PlayEnhMetaFile(drawn.context, metafile, &frame);
    GdiFlush(); // the pixels are read directly
    const unsigned char *top = drawn.bits + static_cast<std::ptrdiff_t>(height - 1) * drawn.widthBytes;
    PictureGrayOnPage(page, {top, -drawn.widthBytes, width, height}, area.left, area.top);
    MyDisposeOffscreen(drawn);
    return 0;
}

ErrorCode PictureOnPage(Page &page, void *picture, std::uint32_t size, bool enhMetaFile, int squishMode)
{
    if (enhMetaFile)
        return PictureMetafileOnPage(page, static_cast<HENHMETAFILE>(picture), squishMode);
    return PictureBitmapOnPage(page, picture, size, squishMode);
}
