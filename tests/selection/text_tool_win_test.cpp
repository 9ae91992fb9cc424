#include "selection/text_tool_win.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/doc_commands_win.h"
#include "tests/selection/text_window_win.h"
#include "tests/support/reports.h"
#include "tools/button_classes_win.h"

// A 20 x 3 page, the text tool just made current.
class TextTool : public TextWindow {
protected:
    void SetUp() override
    {
        Open("TextToolTest", 400, 240, {"ab.. ...cd..........", "....................", "xxxxxxxxxxxxxxxxxxxx"},
             toolText);
    }

    std::vector<std::string> Now()
    {
        return {PageBytes(document.now.back), document.now.floating ? PageBytes(document.now.front) : "", Where(),
                Text()};
    }
    // Runs `change` failing each allocation in turn, taking it back after
    // each attempt (as Undo does, or by throwing a new rectangle away) so
    // that every attempt starts alike. It is done when the text grew by
    // `added` and was wrapped into `rows` rows; a failed attempt leaves the
    // text and the pages as they were, but for a failed wrap, which keeps the
    // old page floating over the new text.
    int FailEachChange(const std::function<void()> &change, std::uint32_t added, int rows)
    {
        // Each attempt's undo step then swaps blocks like for like.
        EXPECT_EQ(0u, DocBeginAction(document));
        return FailEachAllocation([&] {
            std::vector<std::string> before = Now();
            std::size_t length = Text().size();
            bool floated = document.now.floating;
            change();
            bool done = Text().size() == length + added && document.now.front.height == rows;
            bool changed = Text().size() != length;
            if (changed && !done) {
                EXPECT_EQ(before[1], Now()[1]); // the failed wrap kept the old page
            }
            if (!floated)
                DocFrontPageDrop(document, true, false);
            else if (changed)
                std::swap(document.now, document.last);
            if (!done) {
                EXPECT_EQ(before, Now());
            }
            return done ? ErrorCode{0} : errorNoMemory;
        });
    }
};

TEST_F(TextTool, ClickTypeReturnBackspaceAndSwitchAway)
{
    ASSERT_NE(nullptr, document.firstButton);
    EXPECT_EQ(buttonTransparent, document.firstButton->buttonClass);
    EXPECT_EQ(&textJustParams, document.firstButton->next->pointer);

    Click(1, 1); // an empty row: from the click to the page's right edge
    EXPECT_EQ("1 1 1 19 1", Where());
    EXPECT_EQ(256u, document.now.allocated);
    Type("hello\r");
    EXPECT_EQ("hello\r\n", Text());
    EXPECT_EQ((Rows{"hello..............", "..................."}), PageRows(document.now.front));
    EXPECT_EQ(6u, document.last.used); // the line feed is a step of its own
    Type("hi\b\b\b");
    EXPECT_EQ("hello", Text());
    EXPECT_EQ(7u, document.last.used); // one Backspace took the CR LF
    EXPECT_EQ(1, document.now.front.height);

    ToolSelect(&document, toolPencil);
    EXPECT_EQ(0, document.now.floating);
    EXPECT_EQ(".hello              ", PageRows(document.now.back)[1]);
}

TEST_F(TextTool, KeysOnARectangle)
{
    preferences.textJustification = justRight;
    Click(5, 0); // ends on the click, starts after "ab"
    EXPECT_EQ("1 2 0 4 1", Where());
    document.windowDirty = 0;
    TextKey(&document, keyBackspace); // nothing to take back, no step
    EXPECT_EQ(0, document.windowDirty);
    TextKey(&document, keyRight);
    EXPECT_EQ("1 3 0 4 1", Where());
    {
        ReportCatcher reports;
        TextKey(&document, '\xE9');
        EXPECT_TRUE(reports.messages == 1 && reports.lastMessage == 401);
        EXPECT_EQ("", Text());
        document.now.tool = toolBigText; // the big text tool takes any byte
        TextKey(&document, '\xE9');
        document.now.tool = toolText;
        EXPECT_EQ("\xE9", Text());
    }
    std::string page = PageBytes(document.now.back);
    for (char discard : {keyEscape, keyClear}) {
        TextKey(&document, discard);
        EXPECT_EQ(0, document.now.floating);
        EXPECT_EQ(page, PageBytes(document.now.back));
        DocumentUndo(&document);
        EXPECT_EQ("\xE9", Text());
    }

    TextKey(&document, keyEscape);
    Pointer(12, 3);
    TextMouse(&document, Middle(6, 3)); // a baseline dragged below the page
    EXPECT_EQ("1 6 3 7 1", Where());
}

TEST_F(TextTool, FailedTypingAndPastingChangeNothing)
{
    Click(4, 1);
    Type(std::string(256, 'x'));
    EXPECT_GT(FailEachChange([&] { TextKey(&document, 'x'); }, 1, 17), 0);
    EXPECT_EQ(512u, document.now.allocated); // the 257th character grew the block

    TextKey(&document, keyEscape);
    document.scrollRow = 1;
    std::string words = "the quick brown fox jumps";
    EXPECT_GT(FailEachChange([&] { Paste(words); }, 25, 2), 0);
    Paste(words); // with nothing floating: as wide as the page, at the first visible cell
    EXPECT_EQ("1 0 1 20 2", Where());
    EXPECT_EQ(25u + 256, document.now.allocated);
    std::string more = " \xE9t\xE9 over the lazy dog"; // a row more, so that a failed wrap shows
    EXPECT_GT(FailEachChange([&] { Paste(more); }, 22, 3), 0);
    Paste(more);
    EXPECT_EQ(words + " ete over the lazy dog", Text());
    EXPECT_EQ(25u + 22 + 256, document.now.allocated);
}

TEST_F(TextTool, RewrapsCopiesAndPlaces)
{
    Click(1, 1);
    Type("aaaa bbbb cccc");
    preferences.textJustification = justRight;
    preferences.selectTransparent = 1;
    ToolRecalculate();
    EXPECT_EQ(".....aaaa bbbb cccc", PageRows(document.now.front)[0]);
    EXPECT_EQ(nullTransparent, document.now.transparency);
    Pointer(11, 1);
    TextMouse(&document, {8, 24}); // the left edge, dragged ten cells right
    EXPECT_EQ("1 11 1 9 2", Where());
    EXPECT_EQ((Rows{"aaaa bbbb", ".....cccc"}), PageRows(document.now.front));

    Clip clip;
    ASSERT_EQ(0u, InitClipFormats());
    ASSERT_EQ(0u, ClipClear(clip));
    EXPECT_EQ(0u, TextCopy(&document, clip));
    EXPECT_TRUE(ClipHas(clip, pageClipFormat));
    ErrorCode error;
    std::size_t size;
    HANDLE text = ClipGet(error, clip, CF_TEXT, size);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ("aaaa bbbb cccc", std::string(static_cast<const char *>(GlobalLock(text)), size));
    GlobalUnlock(text);
    ClipDone(clip);
    ClipClear(clip);

    EXPECT_EQ(PlacingMake(cursorMove, 5, 205), TextPlacing(&document, {100, 24}));
    EXPECT_EQ(PlacingMake(cursorSizeWE, 5, 208), TextPlacing(&document, {88, 40}));
    EXPECT_EQ(PlacingMake(cursorIBeam, 5, 207), TextPlacing(&document, {20, 40}));
    EXPECT_EQ(PlacingMake(cursorArrow, 5, 0), TextPlacing(&document, {300, 40}));
    document.now.tool = toolBigText;
    TextActive(&document, 0);
    EXPECT_EQ(PlacingMake(cursorIBeam, 7, 206), TextPlacing(&document, {20, 40}));
}
