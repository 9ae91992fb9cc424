#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "app/about_win.h"
#include "base/open_url_win.h"
#include "base/preferences.h"
#include "tests/support/dialogs_win.h"

namespace {

std::string WindowText(HWND window)
{
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string LoadedString(unsigned id)
{
    char text[256] = "";
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

// Whether a child lies at {x, y} in its parent's client area with the size {width, height}.
void ExpectPlace(RECT expected, HWND child, const char *what)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT *>(&rect), 2);
    RECT place = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    EXPECT_TRUE(EqualRect(&expected, &place)) << what << " at " << place.left << ", " << place.top << ", "
                                              << place.right << " x " << place.bottom;
}

int AboutWindowCount()
{
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "About", nullptr));)
        ++count;
    return count;
}

// Each test starts as the first run does, with tip 1 shown last, and leaves no About window.
struct AboutTest : testing::Test {
    void SetUp() override { preferences.tipNumber = 1; }
    void TearDown() override
    {
        if (aboutWindow)
            DestroyWindow(aboutWindow);
    }
};

} // namespace

TEST_F(AboutTest, TipsGoRoundAndEachFitsItsLine)
{
    HWND text = CreateWindowA("STATIC", "", WS_POPUP | SS_SIMPLE, 0, 0, 448, 16, nullptr, nullptr, nullptr, nullptr);
    AboutShowNextTip(text);
    EXPECT_EQ(2, preferences.tipNumber) << "the first start shows the second tip";
    EXPECT_EQ("Paste in a picture to convert to ASCII.", WindowText(text));

    preferences.tipNumber = 21;
    AboutShowNextTip(text);
    EXPECT_EQ(1, preferences.tipNumber);
    EXPECT_EQ("Click Brellow Software to view the Brellow Software Web page.", WindowText(text));

    HDC context = GetDC(text);
    SelectObject(context, GetStockObject(ANSI_VAR_FONT));
    for (unsigned id = 700; id <= 720; ++id) {
        std::string tip = LoadedString(id);
        SIZE size = {};
        GetTextExtentPoint32A(context, tip.c_str(), static_cast<int>(tip.size()), &size);
        EXPECT_FALSE(tip.empty()) << id;
        EXPECT_LE(size.cx, 448) << id << " is cut off: " << tip;
    }
    ReleaseDC(text, context);
    DestroyWindow(text);
}

TEST_F(AboutTest, AskingAgainShowsTheSameWindowAndTip)
{
    preferences.tipNumber = 5;
    ShowAboutDialog();
    HWND first = aboutWindow;
    ASSERT_TRUE(first);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(LoadedString(705), WindowText(tipWindow));

    ShowAboutDialog();
    EXPECT_EQ(first, aboutWindow);
    EXPECT_EQ(1, AboutWindowCount());
    EXPECT_EQ(6, preferences.tipNumber) << "asking again does not advance the tip";
}

TEST_F(AboutTest, ChildrenAreLaidOutAtTheirPictureSizes)
{
    ShowAboutDialog();
    RECT client;
    GetClientRect(aboutWindow, &client);
    EXPECT_EQ(512, client.right);
    EXPECT_EQ(288, client.bottom);

    ExpectPlace({56, 264, 448, 16}, tipWindow, "the tip");
    ExpectPlace({8, 256, 496, 4}, ChildWindowFromPoint(aboutWindow, {9, 257}), "the stretched separator");
    ExpectPlace({8, 48, 320, 200}, ChildWindowFromPoint(aboutWindow, {9, 49}), "the picture area");
    HWND bulb = ChildWindowFromPoint(aboutWindow, {9, 265});
    ExpectPlace({8, 264, 16, 16}, bulb, "the tip picture, at its own size");
    EXPECT_EQ(6, GetDlgCtrlID(bulb));
    HWND ok = ChildWindowFromPoint(aboutWindow, {430, 20});
    EXPECT_EQ("OK", WindowText(ok));
    EXPECT_TRUE(GetWindowLongA(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);
    std::string version = WindowText(ChildWindowFromPoint(aboutWindow, {340, 50}));
    EXPECT_EQ(0u, version.find("Version 1.4\r\n")) << version;
}

TEST_F(AboutTest, TipPictureAdvancesAndTheRestClose)
{
    ShowAboutDialog();
    SendMessageA(aboutWindow, WM_COMMAND, 6, 0);
    SendMessageA(aboutWindow, WM_COMMAND, 6, 0);
    EXPECT_EQ(4, preferences.tipNumber);
    EXPECT_EQ(LoadedString(703), WindowText(tipWindow));
    EXPECT_TRUE(aboutWindow) << "the tip picture leaves the window open";

    struct Closing {
        UINT message;
        WPARAM wParam;
        const char *what;
    };
    for (Closing closing : {Closing{WM_CHAR, 'x', "a typed character"}, Closing{WM_COMMAND, IDOK, "OK"},
                            Closing{WM_CLOSE, 0, "the close box"}, Closing{WM_TIMER, 1, "the timer"}}) {
        ShowAboutDialog();
        HWND shown = aboutWindow;
        SendMessageA(shown, closing.message, closing.wParam, 0);
        EXPECT_FALSE(aboutWindow) << closing.what;
        EXPECT_FALSE(tipWindow) << closing.what;
        EXPECT_FALSE(IsWindow(shown)) << closing.what;
    }
}

TEST_F(AboutTest, PictureIsCopiedUnscaledFromItsTopLeft)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, 320, -200, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits;
    HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC context = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(context, target);
    DRAWITEMSTRUCT item = {};
    item.hDC = context;
    item.rcItem = {0, 0, 320, 200};
    AboutDrawPicture(item);

    // The same bitmap, read straight from the resources.
    HBITMAP picture = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(127), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ oldSource = SelectObject(source, picture);
    for (POINT point : {POINT{0, 0}, POINT{160, 100}, POINT{319, 199}, POINT{40, 20}})
        EXPECT_EQ(GetPixel(source, point.x, point.y), GetPixel(context, point.x, point.y))
            << point.x << ", " << point.y;
    SelectObject(source, oldSource);
    DeleteDC(source);
    DeleteObject(picture);
    SelectObject(context, old);
    DeleteDC(context);
    DeleteObject(target);
}

TEST(OpenURL, AnAddressNoBrowserTakesIsShownToType)
{
    auto box = AnswerNextMessageBox(IDOK);
    OpenURL("glyphwright-nowhere:about");
    std::string text = box.get().text;
    EXPECT_EQ(0u, text.find("Your default web browser could not be launched.")) << text;
    EXPECT_NE(std::string::npos, text.find(":\r\n\r\nglyphwright-nowhere:about")) << text;
}
