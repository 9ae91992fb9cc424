// Test support: a 32-bit DIB section in a memory context, for reading back
// what drawing code painted.
#pragma once

#include <windows.h>

const COLORREF magenta = RGB(255, 0, 255); // never drawn by the tool bar

// Starts filled with magenta.
struct Canvas {
    Canvas(int width, int height)
    {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        void *bits;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        SelectObject(context, bitmap);
        SelectObject(context, GetStockObject(DC_BRUSH));
        SetDCBrushColor(context, magenta);
        PatBlt(context, 0, 0, width, height, PATCOPY);
    }
    ~Canvas()
    {
        DeleteDC(context);
        DeleteObject(bitmap);
    }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;
    COLORREF operator()(int x, int y) const { return GetPixel(context, x, y); }

    HDC context = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
};
