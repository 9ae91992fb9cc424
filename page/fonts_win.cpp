#include "page/fonts_win.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/memory.h"
#include "base/preferences.h"
#include "page/offscreen_win.h"
#include "page/page.h"
#include "page/picture_chars.h"

namespace {

const int fixedTestHeight = 24; // character height at which pitch is measured

// Every character of a fixed font is as wide as its space; these differ
// most in fonts that only claim to be fixed.
bool FontWidthsEqual(HDC context)
{
    INT space = 0;
    GetCharWidth32A(context, ' ', ' ', &space);
    for (char c : {'w', '|', '.', 'a'}) {
        INT width = 0;
        GetCharWidth32A(context, c, c, &width);
        if (width != space)
            return false;
    }
    return true;
}

// A font of face `name`, character height `height` pixels, all else default;
// null when the system cannot make it.
HFONT FontMake(const char *name, int height)
{
    LOGFONTA description = {};
    description.lfHeight = -height; // negative: the character height, not the cell's
    lstrcpynA(description.lfFaceName, name, LF_FACESIZE);
    return CreateFontIndirectA(&description);
}

ErrorCode FontMeasureFixed(HDC context, const char *name, std::uint8_t &fixed)
{
    HFONT font = FontMake(name, fixedTestHeight);
    if (ErrorCode error = TestZeroError(font))
        return error;
    HGDIOBJ old = SelectObject(context, font);
    fixed = FontWidthsEqual(context);
    SelectObject(context, old);
    DeleteObject(font);
    return 0;
}

// The enumeration offers a family once for each of its character sets.
bool FontListHas(const FontListFill &fill, const char *name)
{
    for (int i = 0; i < fill.filled; ++i)
        if (!FontNameCompare(fill.entries[i].name, name))
            return true;
    return false;
}

// Lists the families into a new block; on failure nothing is kept.
ErrorCode FontListMake(HDC context, FontListFill &fill)
{
    int count = 0;
    EnumFontFamiliesA(context, nullptr, FontCountProc, reinterpret_cast<LPARAM>(&count));
    ErrorCode error;
    fill = {context, nullptr, std::min<int>(count, INT16_MAX), 0, 0};
    fill.entries = static_cast<FontEntry *>(Allocate(error, sizeof(FontEntry) * fill.count));
    if (error)
        return error;
    EnumFontFamiliesA(context, nullptr, FontAnalyseProc, reinterpret_cast<LPARAM>(&fill));
    if (fill.error)
        Destroy(fill.entries);
    return fill.error;
}

// Creates the display font at its size on the screen and reads its cell.
ErrorCode FontDisplayOpen(HFONT &font, TEXTMETRICA &metrics)
{
    HDC context = CreateCompatibleDC(nullptr);
    ErrorCode error = TestZeroError(context);
    if (error)
        return error;
    font = FontDisplayCreate(context);
    error = TestZeroError(font);
    if (!error) {
        HGDIOBJ old = SelectObject(context, font);
        GetTextMetricsA(context, &metrics);
        SelectObject(context, old);
    }
    DeleteDC(context);
    return error;
}

// Draws each character alone in black on white in a cell of its own and
// counts its black pixels.
ErrorCode FontMeasureChars(HFONT font, int width, int height, std::int16_t pixels[256])
{
    Offscreen cell;
    ErrorCode error = MyCreateOffscreen(cell, width, height, 1);
    if (error)
        return error;
    SelectObject(cell.context, font);
    SetTextColor(cell.context, RGB(0, 0, 0));
    SetBkColor(cell.context, RGB(255, 255, 255));
    SetBkMode(cell.context, OPAQUE);
    for (int c = 0; c < 256; ++c) {
        OffscreenClear(cell, width, height);
        char character = static_cast<char>(c);
        TextOutA(cell.context, 0, 0, &character, 1);
        GdiFlush(); // the pixels are read directly
        pixels[c] = static_cast<std::int16_t>(BlackPixelsCount(cell.bits, cell.widthBytes, width, height));
    }
    MyDisposeOffscreen(cell); // the context goes first, so the font is free again
    return 0;
}

} // namespace

HFONT FontDisplayCreate(HDC context)
{
    int height = MulDiv(preferences.displaySize, GetDeviceCaps(context, LOGPIXELSY), 72);
    return FontMake(preferences.displayFont, height);
}

int CALLBACK FontCountProc(const LOGFONTA *, const TEXTMETRICA *, DWORD, LPARAM value)
{
    ++*reinterpret_cast<int *>(value);
    return 1;
}

int CALLBACK FontAnalyseProc(const LOGFONTA *face, const TEXTMETRICA *, DWORD, LPARAM value)
{
    auto &fill = *reinterpret_cast<FontListFill *>(value);
    if (FontListHas(fill, face->lfFaceName))
        return 1;
    if (fill.filled == fill.count) // a family installed since they were counted
        return 0;
    FontEntry &entry = fill.entries[fill.filled++];
    lstrcpynA(entry.name, face->lfFaceName, sizeof entry.name);
    entry.fixed = 0;
    if ((face->lfPitchAndFamily & 3) == FIXED_PITCH)
        fill.error = FontMeasureFixed(fill.context, face->lfFaceName, entry.fixed);
    return !fill.error;
}

ErrorCode CalculateFontNames()
{
    HDC context = CreateCompatibleDC(nullptr);
    ErrorCode error = TestZeroError(context);
    if (error)
        return error;
    FontListFill fill;
    error = FontListMake(context, fill);
    DeleteDC(context);
    if (error)
        return error;
    FontListSort(fill.entries, fill.filled);
    Destroy(fontData);
    fontData = fill.entries;
    numFonts = static_cast<std::int16_t>(fill.filled);
    return 0;
}

void FontNamesNeed()
{
    if (!fontData)
        CalculateFontNames();
}

ErrorCode CalculateFontGrays()
{
    HFONT font;
    TEXTMETRICA metrics = {};
    ErrorCode error = FontDisplayOpen(font, metrics);
    if (error)
        return error;
    std::int16_t pixels[256];
    error = FontMeasureChars(font, metrics.tmAveCharWidth, metrics.tmHeight, pixels);
    DeleteObject(font);
    if (error)
        return error;
    fontWidth = static_cast<decltype(fontWidth)>(metrics.tmAveCharWidth);
    fontHeight = static_cast<decltype(fontHeight)>(metrics.tmHeight);
    std::memcpy(charPixels, pixels, sizeof pixels);
    CharGraysFromPixels();
    return 0;
}
