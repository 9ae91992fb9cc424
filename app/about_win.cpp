#include "app/about_win.h"

#include "app/child_windows_win.h"
#include "base/center_window_win.h"
#include "base/module_win.h"
#include "base/open_url_win.h"
#include "base/preferences.h"

HWND aboutWindow;
HWND tipWindow;

static const char aboutClassName[] = "About";
static const char makerAddress[] = "http://www.brellow.example.com/";
const int aboutWidth = 512, aboutHeight = 288; // client area
const int firstTip = 700, tipCount = 21;        // string ids of the tips
const int versionText = 601;                    // string id
const UINT_PTR closeTimer = 1;
const UINT closeDelay = 10000; // milliseconds

// The children's identifiers, which their clicks report.
enum AboutCommand { aboutNone = 0, aboutOK = IDOK, aboutHelp = 2, aboutMaker = 3, aboutNextTip = 6 };

enum AboutChildKind { childPicture, childButton, childText };

struct AboutChild {
    AboutChildKind kind;
    int x, y, width, height; // 0 x 0: a picture's own size
    int number;              // a picture's or button's identifier, a text's static style
    int resource;            // a picture's bitmap, a text's string id (0: `text`)
    const char *text;
    HWND *keep; // where the child is remembered, if anywhere
};

static const AboutChild aboutChildren[] = {
    {childPicture, 8, 8, 0, 0, aboutMaker, 129, nullptr, nullptr},
    {childPicture, 160, 8, 0, 0, aboutNone, 130, nullptr, nullptr},
    {childPicture, 8, 48, 320, 200, 1, 0, nullptr, nullptr}, // drawn by AboutDrawPicture
    {childPicture, 8, 256, 496, 4, aboutNone, 131, nullptr, nullptr},
    {childPicture, 8, 264, 0, 0, aboutNextTip, 132, nullptr, nullptr},
    {childButton, 336, 14, 80, 20, aboutHelp, 0, "Help...", nullptr},
    {childButton, 424, 14, 80, 20, aboutOK, 0, "OK", nullptr},
    {childText, 336, 48, 168, 65, SS_CENTER, versionText, nullptr, nullptr},
    {childText, 28, 264, 24, 16, SS_SIMPLE, 0, "Tip : ", nullptr},
    {childText, 56, 264, 448, 16, SS_SIMPLE, 0, "", &tipWindow},
};

static HWND AboutChildCreate(const AboutChild &child, HWND parent)
{
    char loaded[256];
    const char *text = child.text;
    if (child.kind == childText && child.resource && LoadStringA(theInstance, child.resource, loaded, sizeof loaded))
        text = loaded;
    switch (child.kind) {
    case childPicture:
        return CreateBitmapChildWindow(child.x, child.y, child.width, child.height, child.number, parent,
                                       child.resource);
    case childButton:
        return CreateButtonChildWindow(child.x, child.y, child.width, child.height, child.number, parent, text);
    case childText:
        return CreateTextChildWindow(child.x, child.y, child.width, child.height, child.number, parent, text);
    }
    return nullptr;
}

// A child that cannot be made is simply missing.
static void AboutCreate(HWND window)
{
    CenterWindow(window, nullptr);
    for (const AboutChild &child : aboutChildren) {
        HWND made = AboutChildCreate(child, window);
        if (child.keep)
            *child.keep = made;
    }
    AboutShowNextTip(tipWindow);
    SetTimer(window, closeTimer, closeDelay, nullptr);
}

static void AboutClose(HWND window)
{
    KillTimer(window, closeTimer);
    DestroyWindow(window);
}

static void AboutDestroy(HWND window)
{
    ReleaseBitmapChildWindows(window);
    aboutWindow = tipWindow = nullptr;
}

// False for the commands left to the system. A double click is a click and
// then a double-click notice: the tip moves on twice, the page opens once.
static bool AboutCommand(HWND window, int identifier, int notification)
{
    if (identifier == aboutMaker && notification == STN_DBLCLK)
        return true;
    switch (identifier) {
    case aboutHelp:
        OpenHelp();
        AboutClose(window);
        return true;
    case aboutOK: AboutClose(window); return true;
    case aboutMaker: OpenURL(makerAddress); return true;
    case aboutNextTip: AboutShowNextTip(tipWindow); return true;
    }
    return false;
}

// The texts sit on the window's white, not on the controls' grey.
static LRESULT AboutTextColours(HDC context)
{
    SetBkColor(context, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: AboutCreate(window); return 0;
    case WM_COMMAND:
        if (AboutCommand(window, LOWORD(wParam), HIWORD(wParam)))
            return 0;
        break;
    case WM_CHAR:
    case WM_CLOSE:
    case WM_TIMER: AboutClose(window); return 0;
    case WM_CTLCOLORSTATIC: return AboutTextColours(reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM: AboutDrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam)); break;
    case WM_DESTROY: AboutDestroy(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ShowAboutDialog()
{
    if (!aboutWindow) {
        WindowClassRegister(aboutClassName, AboutProc, nullptr);
        int width = aboutWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME);
        int height = aboutHeight + 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);
        DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
        aboutWindow = CreateWindowA(aboutClassName, "About Glyphwright", style, 0, 0, width, height, nullptr, nullptr,
                                    theInstance, nullptr);
    }
    ShowWindow(aboutWindow, SW_SHOW);
}

void AboutShowNextTip(HWND window)
{
    if (++preferences.tipNumber > tipCount)
        preferences.tipNumber = 1;
    char tip[256];
    LoadStringA(theInstance, firstTip - 1 + preferences.tipNumber, tip, sizeof tip);
    // A simple text draws only its characters: wipe the old tip first.
    RECT client;
    GetClientRect(window, &client);
    HDC context = GetDC(window);
    FillRect(context, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(window, context);
    SetWindowTextA(window, tip);
}
