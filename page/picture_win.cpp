#include "page/picture_win.h"

#include "page/offscreen_win.h"
#include "page/picture.h"
#include "page/picture_dib.h"
#include "page/picture_levels.h"

ErrorCode PictureMetafileSize(HENHMETAFILE metafile, std::int64_t &width, std::int64_t &height)
{
    ENHMETAHEADER header;
    UINT size = GetEnhMetaFileHeader(metafile, sizeof header, &header);
    if (!size)
        return TestZeroError(nullptr);
    return MetafileBounds(&header, size, width, height);
}

// Plays the metafile into a white grey bitmap of the drawn area's size.
static ErrorCode PictureMetafileOnPage(Page &page, HENHMETAFILE metafile, int squishMode)
{
    std::int64_t pictureWidth, pictureHeight;
    ErrorCode error = PictureMetafileSize(metafile, pictureWidth, pictureHeight);
    if (error)
        return error;
    CellRect area;
    if (!PictureDrawArea(page, pictureWidth, pictureHeight, squishMode, area))
        return 0;
    int width = area.right - area.left, height = area.bottom - area.top;
    Offscreen drawn;
    error = MyCreateOffscreen(drawn, width, height, 8);
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
