// A full repaint of 200 x 60 visible cells: the page, the rulers and the tool bar.
#include <windows.h>

#include <cstring>

#include <benchmark/benchmark.h>

#include "app/doc_draw_win.h"
#include "app/doc_window_win.h"
#include "base/preferences.h"

static void BM_DocumentDrawFull(benchmark::State &state)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "GlyphwrightBench";
    RegisterClassA(&windowClass);
    static Document document;
    document.colUnits = document.rowUnits = 10;
    PageNew(document.now.back, 500, 1000);
    for (int i = 0; i < 500 * 1000; ++i)
        document.now.back.data[i] = static_cast<unsigned char>(' ' + i % 95);
    int width = 26 + 200 * fontWidth, height = 81 + 60 * fontHeight;
    document.window = CreateWindowA("GlyphwrightBench", "bench", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    DocumentSized(&document);
    HDC screen = GetDC(document.window);
    HDC context = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    SelectObject(context, bitmap);
    RECT all = {0, 0, width, height};
    for (auto _ : state) {
        DocumentDraw(&document, context, all);
        GdiFlush();
    }
    DeleteDC(context);
    DeleteObject(bitmap);
    ReleaseDC(document.window, screen);
    DestroyWindow(document.window);
    PageKill(document.now.back);
}
BENCHMARK(BM_DocumentDrawFull)->Unit(benchmark::kMillisecond);
