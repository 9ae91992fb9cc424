#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "document/document.h"
#include "document/document_win.h"
#include "tests/support/test_window_win.h"

static int paints, erases;

static LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    paints += message == WM_PAINT;
    erases += message == WM_ERASEBKGND;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A shown window with nothing left to paint, whose character area is 10 x 5
// cells of 7 x 15 pixels at (20, 30), scrolled to (2, 5).
class DocWindow : public testing::Test {
protected:
    void SetUp() override
    {
        document.window = TestWindowCreate("DocWindowTest", CountingProc, WS_POPUP | WS_VISIBLE, 200, 200);
        ASSERT_NE(nullptr, document.window);
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&message);
        ValidateRect(document.window, nullptr);
        paints = erases = 0;
        fontWidth = 7;
        fontHeight = 15;
        document.textRect = {20, 30, 90, 105};
        document.scrollCol = 2;
        document.scrollRow = 5;
    }
    void TearDown() override { DestroyWindow(document.window); }

    // The marked area, or an empty rectangle; fails unless it is one rectangle.
    PixelRect Marked()
    {
        PixelRect marked = {};
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        int kind = GetUpdateRgn(document.window, region, FALSE);
        EXPECT_TRUE(kind == NULLREGION || kind == SIMPLEREGION);
        GetRgnBox(region, &AsRect(marked));
        DeleteObject(region);
        return marked;
    }

    Document document = {};
};

static std::vector<int> Edges(const PixelRect &rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

TEST_F(DocWindow, MarksOnlyTheVisiblePartOfAnArea)
{
    struct Case {
        int col, row, width, height;
        std::vector<int> marked;
    } cases[] = {
        {12, 5, 3, 2, {0, 0, 0, 0}},        // right of the area
        {2, 0, 3, 5, {0, 0, 0, 0}},         // above it
        {3, 6, 0, 2, {0, 0, 0, 0}},         // no columns
        {3, 6, 2, 1, {27, 45, 41, 60}},     // inside
        {10, 8, 5, 4, {76, 75, 90, 105}},   // cut at the right and bottom
        {0, 0, 4, 7, {20, 30, 34, 60}},     // cut at the left and top
    };
    for (const Case &test : cases) {
        ValidateRect(document.window, nullptr);
        DocInvalArea(document, test.col, test.row, test.width, test.height);
        EXPECT_EQ(test.marked, Edges(Marked())) << test.col << "," << test.row;
    }
    ValidateRect(document.window, nullptr);
    document.now.floating = 1;
    document.now.front = {2, 1, nullptr};
    document.now.floatCol = 3;
    document.now.floatRow = 6;
    DocInvalFrontRect(document);
    EXPECT_EQ((std::vector<int>{27, 45, 41, 60}), Edges(Marked()));
}

TEST_F(DocWindow, PageUpdateRepaintsAtOnceWithoutErasing)
{
    DocInvalArea(document, 3, 6, 2, 1);
    EXPECT_EQ(0, paints);
    DocPageUpdate(document);
    EXPECT_EQ(1, paints);
    EXPECT_EQ(0, erases);
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0}), Edges(Marked()));
}

// A small recorded picture, and its bytes.
static HENHMETAFILE MetafileMade()
{
    HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    Rectangle(recorder, 1, 2, 30, 40);
    return CloseEnhMetaFile(recorder);
}

static std::vector<char> MetafileBytes(void *metafile)
{
    std::vector<char> bytes(GetEnhMetaFileBits(static_cast<HENHMETAFILE>(metafile), 0, nullptr));
    GetEnhMetaFileBits(static_cast<HENHMETAFILE>(metafile), bytes.size(), reinterpret_cast<BYTE *>(bytes.data()));
    return bytes;
}

TEST(DocMetafile, CopiesAreTheirOwnPictures)
{
    DocState state = {};
    ASSERT_EQ(0u, PageNew(state.back, 2, 1));
    state.format = formatMetafile;
    state.handle = MetafileMade();
    std::vector<char> bytes = MetafileBytes(state.handle);
    EXPECT_LT(100u, bytes.size());
    DocState copy;
    ASSERT_EQ(0u, DocStateCopy(state, copy));
    EXPECT_NE(state.handle, copy.handle);
    EXPECT_EQ(bytes, MetafileBytes(copy.handle));
    void *copied = copy.handle;
    DocStateKill(copy);
    EXPECT_EQ(0u, GetEnhMetaFileBits(static_cast<HENHMETAFILE>(copied), 0, nullptr)) << "deleted";
    EXPECT_EQ(bytes, MetafileBytes(state.handle)) << "the original lives on";
    DocStateKill(state);
}
