#include "page/offscreen_win.h"

namespace {

// A header followed by room for the largest colour table.
struct OffscreenInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

const LONG pixelsPerMetre = 2835; // 72 per inch

// Depth 1 is white then black; depth 8 runs from white to black, so that a
// pixel's byte is its darkness and colours drawn in land on the nearest grey.
void OffscreenColors(OffscreenInfo &info, int depth)
{
    int count = 1 << depth;
    for (int i = 0; i < count; ++i) {
        BYTE level = static_cast<BYTE>(255 - i * 255 / (count - 1));
        info.colors[i] = {level, level, level, 0};
    }
}

} // namespace

ErrorCode MyCreateOffscreen(Offscreen &offscreen, int width, int height, int depth)
{
    OffscreenInfo info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = height; // positive: rows stored bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(depth);
    info.header.biCompression = BI_RGB;
    info.header.biXPelsPerMeter = pixelsPerMetre;
    info.header.biYPelsPerMeter = pixelsPerMetre;
    OffscreenColors(info, depth);
    HDC context = CreateCompatibleDC(nullptr);
    ErrorCode error = TestZeroError(context);
    if (error)
        return error;
    void *bits = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(context, reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    error = TestZeroError(bitmap);
    if (error) {
        DeleteDC(context);
        return error;
    }
    SelectObject(context, bitmap);
    offscreen = {context, bitmap, (depth * width + 31) / 32 * 4, static_cast<unsigned char *>(bits)};
    return 0;
}

void MyDisposeOffscreen(Offscreen &offscreen)
{
    DeleteDC(offscreen.context);
    DeleteObject(offscreen.bitmap);
}

void OffscreenClear(const Offscreen &offscreen, int width, int height)
{
    // A brush colour, matched to the colour table; WHITENESS would set every
    // bit, which is black here.
    RECT all = {0, 0, width, height};
    FillRect(offscreen.context, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}
