// The About window's picture area, drawn by the window itself so that a
// display of 256 colours or fewer can be given the picture's own palette.
#include <cstddef>

#include "app/about_win.h"
#include "base/memory.h"
#include "base/module_win.h"

const int truePicture = 127, palettePicture = 128; // bitmap ids

// A palette of every colour of the picture selected in `picture`, kept apart
// from the system's so that none is merged away; null when memory is short
// (reported).
static HPALETTE AboutPicturePalette(HDC picture)
{
    RGBQUAD colours[256];
    UINT count = GetDIBColorTable(picture, 0, 256, colours);
    ErrorCode error;
    auto *logical = static_cast<LOGPALETTE *>(
        Allocate(error, offsetof(LOGPALETTE, palPalEntry) + count * sizeof(PALETTEENTRY)));
    if (!logical)
        return nullptr;
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(count);
    for (UINT n = 0; n < count; ++n)
        logical->palPalEntry[n] = {colours[n].rgbRed, colours[n].rgbGreen, colours[n].rgbBlue, PC_NOCOLLAPSE};
    HPALETTE palette = CreatePalette(logical);
    Destroy(logical);
    return palette;
}

// Copies the picture unscaled from its top left, under its palette if it has one.
static void AboutPictureCopy(const DRAWITEMSTRUCT &item, HDC picture, HPALETTE palette)
{
    HPALETTE oldPalette = palette ? SelectPalette(item.hDC, palette, TRUE) : nullptr;
    if (palette)
        RealizePalette(item.hDC);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
           item.rcItem.bottom - item.rcItem.top, picture, 0, 0, SRCCOPY);
    if (palette)
        SelectPalette(item.hDC, oldPalette, TRUE);
}

void AboutDrawPicture(const DRAWITEMSTRUCT &item)
{
    bool fewColours = GetDeviceCaps(item.hDC, BITSPIXEL) * GetDeviceCaps(item.hDC, PLANES) < 15;
    HGDIOBJ bitmap = LoadImageA(theInstance, MAKEINTRESOURCEA(fewColours ? palettePicture : truePicture),
                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    HDC picture = CreateCompatibleDC(item.hDC);
    HGDIOBJ oldBitmap = SelectObject(picture, bitmap);
    HPALETTE palette = fewColours ? AboutPicturePalette(picture) : nullptr;
    if (palette || !fewColours)
        AboutPictureCopy(item, picture, palette);
    SelectObject(picture, oldBitmap);
    DeleteDC(picture);
    DeleteObject(bitmap);
    if (palette)
        DeleteObject(palette);
}
