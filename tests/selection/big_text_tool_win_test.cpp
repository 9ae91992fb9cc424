#include "selection/big_text_tool_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "app/doc_commands_win.h"
#include "tests/selection/text_window_win.h"
#include "tests/support/reports.h"
#include "tools/button_classes_win.h"

// A 60 x 3 page whose middle row is full, the big text tool just made
// current; letters 16 pixels to the em in "Arial".
class BigTextTool : public TextWindow {
protected:
    void SetUp() override
    {
        Open("BigTextToolTest", 600, 400, {std::string(60, '.'), std::string(60, 'x'), std::string(60, '.')},
             toolBigText);
        preferences.bigTextSize = 16;
    }

    std::set<char> FrontUsed()
    {
        std::set<char> used;
        for (const std::string &row : PageRows(document.now.front))
            used.insert(row.begin(), row.end());
        used.erase('.');
        return used;
    }
};

TEST_F(BigTextTool, KeysWithNothingFloatingChooseTheDrawingCharacter)
{
    const ToolButton *button = document.firstButton;
    EXPECT_TRUE(button->buttonClass == buttonCharacter && button->pointer == &preferences.bigTextAuto);
    button = button->next;
    EXPECT_EQ(buttonTransparent, button->buttonClass);
    button = button->next;
    EXPECT_TRUE(button->buttonClass == buttonJustification && button->pointer == &bigTextJustParams);
    EXPECT_EQ(buttonBigTextFont, button->next->buttonClass);

    Type("#");
    EXPECT_EQ('#', preferences.toolCharacter);
    EXPECT_EQ(0, preferences.bigTextAuto);
    Type("\b");
    EXPECT_EQ(1, preferences.bigTextAuto);
    ReportCatcher reports;
    DocumentClear(&document); // greyed with nothing floating: no character 0, no message
    EXPECT_EQ(0, reports.messages);
    EXPECT_EQ("0", Where());
}

TEST_F(BigTextTool, TypedTextIsDrawnBigAndUndoneAKeyAtATime)
{
    Click(2, 0); // an empty row: from the click to the page's right edge
    Type("Hi");
    EXPECT_EQ("Hi", Text());
    EXPECT_EQ(58, document.now.front.width);
    EXPECT_GT(document.now.front.height, 16);
    EXPECT_EQ((std::set<char>{'H', 'i'}), FrontUsed());
    Rows drawn = PageRows(document.now.front);

    DocumentUndo(&document);
    EXPECT_EQ("H", Text());
    EXPECT_EQ(std::set<char>{'H'}, FrontUsed());
    DocumentUndo(&document);
    EXPECT_EQ(drawn, PageRows(document.now.front));

    preferences.bigTextAuto = 0;
    preferences.toolCharacter = '#';
    ToolRecalculate();
    for (std::string &row : drawn)
        std::replace_if(row.begin(), row.end(), [](char c) { return c != '.'; }, '#');
    EXPECT_EQ(drawn, PageRows(document.now.front));

    std::string page = PageBytes(document.now.back);
    Type(std::string(1, keyEscape));
    EXPECT_EQ("0", Where());
    EXPECT_EQ(page, PageBytes(document.now.back));
}

TEST_F(BigTextTool, EdgesRewrapAndAnOpaqueTextBlanksThePageBeneath)
{
    Click(0, 0);
    Type("Hi Hi");
    int lineHeight = document.now.front.height;
    Pointer(20, 0);
    TextMouse(&document, {476, 8}); // the right edge, dragged 39 cells left
    EXPECT_EQ(21, document.now.front.width);
    EXPECT_EQ(2 * lineHeight, document.now.front.height);

    EXPECT_EQ(opaque, document.now.transparency);
    preferences.selectTransparent = 1;
    ToolRecalculate();
    EXPECT_EQ(nullTransparent, document.now.transparency);
    preferences.selectTransparent = 0;
    ToolRecalculate();
    ToolSelect(&document, toolPencil);
    EXPECT_EQ("0", Where());
    std::string beneath = PageRows(document.now.back)[1].substr(0, 21);
    EXPECT_EQ(std::string::npos, beneath.find('x')) << beneath;
    EXPECT_EQ(std::string(39, 'x'), PageRows(document.now.back)[1].substr(21));
}

TEST_F(BigTextTool, PastedTextFloatsPageWideAndClearDiscardsIt)
{
    Clip clip;
    ASSERT_EQ(0u, InitClipFormats());
    ClipInitBoard(clip);
    ASSERT_EQ(0u, ClipClear(clip));
    ASSERT_EQ(0u, ClipAdd(clip, CF_TEXT, "Hi", 2, nullptr));
    document.scrollRow = 1;
    DocumentReceive(&document, clip);
    ClipClear(clip);
    EXPECT_EQ(toolBigText, document.now.tool);
    EXPECT_EQ(0, document.now.floatCol);
    EXPECT_EQ(1, document.now.floatRow);
    EXPECT_EQ(60, document.now.front.width);
    EXPECT_EQ((std::set<char>{'H', 'i'}), FrontUsed());
    std::string page = PageBytes(document.now.back);
    DocumentClear(&document);
    EXPECT_EQ("0", Where());
    EXPECT_EQ(page, PageBytes(document.now.back));
}

TEST_F(BigTextTool, AFailedDrawingKeepsThePageThatFloats)
{
    Click(0, 0);
    Type("Hi");
    std::string small = PageBytes(document.now.front);
    int smallHeight = document.now.front.height;
    preferences.bigTextSize = 24;
    EXPECT_GT(FailEachAllocation([&] {
                  BigTextRecalc(&document, document.now.front.width, 0);
                  if (document.now.front.height > smallHeight)
                      return ErrorCode{0};
                  EXPECT_EQ(small, PageBytes(document.now.front));
                  return errorNoMemory;
              }),
              0);
}
