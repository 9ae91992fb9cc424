// The yardstick for the start-up figures: a bare window that measures the
// 256 glyphs of a font, then paints a line of text. Started the same way as
// the program, it shows how much of the time is Wine's own.
#include <windows.h>

static LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window, &paint);
        TextOutA(context, 10, 10, "bare", 4);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

static void BareMeasureGlyphs()
{
    HDC context = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(16, 16, 1, 1, nullptr);
    HGDIOBJ oldBitmap = SelectObject(context, bitmap);
    HFONT font = CreateFontA(-13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, FIXED_PITCH, "Courier New");
    HGDIOBJ oldFont = SelectObject(context, font);
    RECT cell = {0, 0, 16, 16};
    for (int c = 0; c < 256; ++c) {
        char character = static_cast<char>(c);
        ExtTextOutA(context, 0, 0, ETO_OPAQUE, &cell, &character, 1, nullptr);
        GetPixel(context, 4, 8);
    }
    SelectObject(context, oldFont);
    SelectObject(context, oldBitmap);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(context);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    BareMeasureGlyphs();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = BareProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "BareWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("BareWindow", "Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr,
                                nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
