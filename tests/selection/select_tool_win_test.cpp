#include "selection/select_tool_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/doc_commands_win.h"
#include "base/memory.h"
#include "base/preferences.h"
#include "page/table_conversion.h"
#include "selection/selection_win.h"
#include "tests/page/page_test_support.h"
#include "tests/page/picture_test_support.h"
#include "tests/selection/select_fixture_win.h"
#include "tests/support/font_cell.h"
#include "tests/support/reports.h"
#include "tools/tool_bar_win.h"

TEST_F(SelectTool, LiftingLeavesSpacesAndAMoveIsOneUndoStep)
{
    Drag(0, 0, 2, 1); // cells (0, 0) to (2, 1)
    EXPECT_EQ(std::string("0,0 abcm  "), Floating());
    EXPECT_EQ((Rows{"   defghijkl", "   n........", "opqrstuvwxyz", "............"}), PageRows(document.now.back));
    EXPECT_EQ(opaque, document.now.transparency);
    EXPECT_EQ(std::vector<int>{buttonTransparent}, Buttons());
    EXPECT_EQ(0, document.windowDirty) << "lifting changes nothing to see";

    Drag(1, 1, 5, 2); // 4 right and 1 down
    SelectKey(&document, keyReturn);
    EXPECT_EQ("none", Floating());
    EXPECT_TRUE(Buttons().empty());
    EXPECT_EQ((Rows{"   defghijkl", "   nabc.....", "opqrm  vwxyz", "............"}), PageRows(document.now.back));
    DocumentUndo(&document); // the drop took no step of its own
    EXPECT_EQ(std::string("0,0 abcm  "), Floating());
}

TEST_F(SelectTool, ClearBackspaceAndEscapeDeleteAsOneUndoableAction)
{
    for (char key : {keyClear, keyBackspace, keyEscape}) {
        Lift(1, 2, 4, 3);
        std::string lifted = Floating();
        SelectKey(&document, 'x'); // other keys do nothing
        SelectKey(&document, key);
        EXPECT_EQ("none", Floating()) << int(key);
        EXPECT_EQ("o   stuvwxyz", PageRows(document.now.back)[2]);
        DocumentUndo(&document);
        EXPECT_EQ(lifted, Floating()) << int(key);
        SelectKey(&document, keyReturn);
    }
    ReportCatcher reports;
    Lift(1, 2, 4, 3);
    MemoryFailAt(1, true);
    SelectKey(&document, keyEscape); // no undo point, so nothing deleted
    MemoryFailAt(0);
    EXPECT_EQ(1, document.now.floating);

    SelectKey(&document, keyReturn);
    std::string before = PageBytes(document.now.back);
    MemoryFailAt(1);
    RECT rect = {0, 0, 5, 2};
    EXPECT_NE(0u, SelectLift(&document, &rect));
    MemoryFailAt(0);
    EXPECT_EQ(2, reports.errors);
    EXPECT_EQ("none", Floating());
    EXPECT_EQ(before, PageBytes(document.now.back)) << "a lift that failed leaves the page";
}

TEST_F(SelectTool, APastedPageKeepsItsEmptyCellsAndShortOnesAreRefused)
{
    document.scrollCol = 2; // it comes at the first visible cell
    document.scrollRow = 1;
    const unsigned char block[] = {3, 0, 2, 0, 'x', 0, 'y', 0, 0, 'z'};
    Receive(pageClipFormat, block, sizeof block);
    EXPECT_EQ(std::string("2,1 x\0y\0\0z", 10), Floating());
    EXPECT_EQ(0, document.last.floating) << "one undoable action";

    ReportCatcher reports;
    Receive(pageClipFormat, block, sizeof block - 1); // one cell short
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ("none", Floating());
    EXPECT_EQ("m.x y.......", PageRows(document.now.back)[1]) << "what floated was dropped";
}

TEST_F(SelectTool, TabTextBecomesATableWithItsOwnTransparency)
{
    const char text[] = "ab\tc\r\nd\t\xE9";
    Receive(CF_TEXT, text, sizeof text - 1);
    const DocState &now = document.now;
    ASSERT_EQ(formatTable, now.format);
    EXPECT_EQ(std::vector<int>({buttonTransparent, buttonRuleMode}), Buttons());
    EXPECT_EQ(opaque, now.transparency);
    Rows rows = PageRows(now.front);
    ASSERT_EQ(5u, rows.size()); // ruled above, below and under the title row
    EXPECT_NE(std::string::npos, rows[1].find("ab")) << rows[1];
    EXPECT_EQ(std::string::npos, rows[3].find('\xE9')) << "translated to plain ASCII";

    preferences.selectTransparent = 1;
    preferences.vertRuleMode = noRules;
    SelectRecalc(&document, 0, 0);
    EXPECT_EQ(nullTransparent, now.transparency);
    Rows built = PageRows(now.front);
    EXPECT_EQ(2u, built.size());
    SelectKey(&document, keyRight); // the undo state keeps a whole copy of the table
    DocumentUndo(&document);
    SelectRecalc(&document, 0, 0);
    EXPECT_EQ(built, PageRows(now.front));
}

TEST_F(SelectTool, PicturesAreConvertedAndALyingBitmapRefused)
{
    GrayLetters letters;
    preferences.pictureSquish = 0;
    Bytes dib = DibBlock({4, -2, 8, {0xFFFFFF, 0x000000}}, {0, 1, 1, 0, 1, 0, 0, 1});
    Receive(CF_DIB, dib.data(), dib.size());
    const DocState &now = document.now;
    EXPECT_EQ((Rows{"azza", "zaaz"}), PageRows(now.front)) << "one cell per pixel";
    EXPECT_EQ(std::vector<int>({buttonTransparent, buttonPictureSquish}), Buttons());
    EXPECT_EQ(nullTransparent, now.transparency);
    preferences.selectTransparent = 1;
    preferences.pictureSquish = 2; // free: the picture fills the size a resize asks for
    SelectRecalc(&document, 8, 2);
    EXPECT_EQ(spaceTransparent, now.transparency);
    EXPECT_EQ((Rows{"aazzzzaa", "zzaaaazz"}), PageRows(now.front));

    preferences.pictureSquish = 1; // the height halved for the cells' shape
    document.scrollCol = 10;        // and only two columns left
    Receive(CF_DIB, dib.data(), dib.size());
    EXPECT_TRUE(now.front.width == 2 && now.front.height == 1);

    HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    SelectObject(recorder, GetStockObject(BLACK_BRUSH));
    Rectangle(recorder, 0, 0, 16, 8);
    HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    SelectReceive(&document, metafile, 0x7FFFFFFF, CF_ENHMETAFILE);
    DeleteEnhMetaFile(metafile); // the selection has a copy of its own
    EXPECT_EQ(formatMetafile, now.format);
    preferences.pictureSquish = 2;
    SelectRecalc(&document, 3, 2);
    EXPECT_EQ((Rows{"zzz", "zzz"}), PageRows(now.front));

    Bytes png = PngBlock(4, 2, 1, {255, 0, 0, 255, 0, 255, 255, 0}); // a PNG is kept and converted as a bitmap
    preferences.pictureSquish = 0;
    document.scrollCol = 0;
    Receive(pngClipFormat, png.data(), png.size());
    EXPECT_EQ(formatBitmap, now.format);
    EXPECT_EQ((Rows{"azza", "zaaz"}), PageRows(now.front));
    preferences.pictureSquish = 2;
    SelectRecalc(&document, 8, 2);
    EXPECT_EQ((Rows{"aazzzzaa", "zzaaaazz"}), PageRows(now.front));

    ReportCatcher reports;
    DibPut(dib, 8, -2000); // far more rows than the block holds
    Receive(CF_DIB, dib.data(), dib.size());
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ("none", Floating());
    EXPECT_EQ(0u, now.format);
}

// Each allocation of a paste fails in turn: a selection floats whole or not
// at all, and nothing is left once it is gone.
TEST_F(SelectTool, FailedPastesLeaveNothingHalfMade)
{
    GrayLetters letters;
    Bytes dib = DibBlock({2, 1, 8, {0xFFFFFF, 0x000000}}, {0, 1});
    Bytes png = PngBlock(2, 1, 1, {255, 0});
    const unsigned char page[] = {1, 0, 1, 0, 'x'};
    struct Case {
        UINT format;
        const void *data;
        std::size_t size;
    } cases[] = {{CF_DIB, dib.data(), dib.size()}, {pngClipFormat, png.data(), png.size()},
                 {pageClipFormat, page, sizeof page}, {CF_TEXT, "a\tb", 3}};
    for (const Case &test : cases) {
        for (long nth = 1;; ++nth) {
            ASSERT_LT(nth, 100) << "the paste never succeeded";
            long live = MemoryLiveBlocks();
            ReportCatcher reports;
            MemoryFailAt(nth);
            Receive(test.format, test.data, test.size);
            MemoryFailAt(0);
            const DocState &now = document.now;
            EXPECT_EQ(now.floating != 0, now.front.data != nullptr) << test.format << " " << nth;
            EXPECT_EQ(now.format != formatNone, now.floating && now.handle) << test.format << " " << nth;
            SelectDrop(&document, false);
            ASSERT_EQ(0u, DocBeginAction(document));
            EXPECT_EQ(live, MemoryLiveBlocks()) << test.format << " " << nth;
            if (!reports.errors)
                break;
            EXPECT_EQ(1, reports.errors) << test.format << " " << nth;
        }
    }
}

TEST_F(SelectTool, PasteRulesAndCopyingBack)
{
    Clip clip;
    ClipInitBoard(clip);
    ASSERT_EQ(0u, ClipClear(clip));
    ASSERT_EQ(0u, ClipAdd(clip, CF_TEXT, "a\tb\r\nc\td", 8, nullptr));
    document.now.tool = toolPencil; // tab text is a table, whatever the tool
    DocumentReceive(&document, clip);
    EXPECT_EQ(toolSelect, document.now.tool);
    EXPECT_EQ(formatTable, document.now.format);
    DocumentClear(&document);

    Lift(2, 0, 5, 2);
    document.now.front.data[1] = 0;
    std::string copied = Floating();
    ASSERT_EQ(0u, ClipClear(clip));
    ASSERT_EQ(0u, DocumentCopy(&document, clip));
    EXPECT_TRUE(ClipHas(clip, CF_TEXT));
    DocumentClear(&document);
    document.now.tool = toolLine; // the page form wins over the text without a tab
    DocumentReceive(&document, clip);
    EXPECT_EQ(toolSelect, document.now.tool);
    EXPECT_EQ("0,0" + copied.substr(3), Floating());

    ToolSelect(&document, toolText); // the same clipboard comes as text to the text tools
    DocumentReceive(&document, clip);
    EXPECT_EQ(toolText, document.now.tool);
    EXPECT_EQ(formatText, document.now.format);
    DocumentClear(&document);
    ToolSelect(&document, toolSelect);
    ASSERT_EQ(0u, ClipClear(clip));
    ASSERT_EQ(0u, ClipAdd(clip, CF_TEXT, "hello", 5, nullptr));
    DocumentReceive(&document, clip); // text without a tab makes the text tool current
    EXPECT_EQ(toolText, document.now.tool);
    EXPECT_EQ(formatText, document.now.format);
    EXPECT_EQ(std::string("hello"), std::string(reinterpret_cast<const char *>(document.now.front.data), 5));
    ClipClear(clip);
}

TEST_F(SelectTool, SelectAllDropsWhatFloatsThenLiftsTheWholePage)
{
    Lift(0, 0, 2, 1);
    SelectTemp(&document, 1, nullptr);
    document.now.floatCol = 10; // "ab" moved to the end of row 3
    document.now.floatRow = 3;
    document.now.tool = toolRectangle;
    DocumentSelAll(&document);
    EXPECT_EQ(toolSelect, document.now.tool);
    EXPECT_EQ((Rows{"  cdefghijkl", "m  n        ", "opqrstuvwxyz", "          ab"}), PageRows(document.now.front));
    EXPECT_EQ(std::string(48, ' '), PageBytes(document.now.back));
}
