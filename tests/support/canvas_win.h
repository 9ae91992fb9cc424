// Test support: a 32-bit DIB section in a memory context, for reading back
// what drawing code painted, pixel by pixel or as a hash of an area.
#pragma once

#include <windows.h>

#include <cstdint>

const COLORREF magenta = RGB(255, 0, 255); // drawn by nothing in the program

// Starts filled with magenta.
struct Canvas {
    Canvas(int width, int height) : width(width)
    {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&bits), nullptr, 0);
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

    COLORREF operator()(int x, int y) const
    {
        GdiFlush();
        std::uint32_t pixel = bits[y * width + x];
        return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
    }
    // FNV-1a over the pixels of the area, row after row: equal paintings
    // hash alike, and a recorded hash pins a painting down.
    std::uint32_t Hash(int left, int top, int right, int bottom) const
    {
        GdiFlush();
        std::uint32_t hash = 2166136261u;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                hash = (hash ^ (bits[y * width + x] & 0xFFFFFF)) * 16777619u;
        return hash;
    }

    int width;
    HDC context = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    std::uint32_t *bits;
};
