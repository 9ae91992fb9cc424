#include "tools/pencil_tool_win.h"

#include <gtest/gtest.h>

#include "tests/tools/shape_fixture_win.h"

typedef ShapeWindow PencilWindow;

// The fixture holds keys down only during a press, so placings are read in one.
static Placing shown;

TEST_F(PencilWindow, StrokesByToolAndShift)
{
    const Rows page = {"xxxxxx", "xxxxxx", "xxxxxx"};
    ASSERT_EQ(0u, Open(page));
    preferences.pencilParam = 0x8003;
    Drag(PencilMouse, 2, 1, 2, 1, {VK_SHIFT}); // erases with the rubber's pen
    EXPECT_EQ((Rows{"xxxxxx", "xx xxx", "xxxxxx"}), PageRows(document.now.back));
    EXPECT_EQ(page, PageRows(document.last.back)); // one undo step
    EXPECT_FALSE(document.now.floating);
    Drag([](Document *document, POINTS) { shown = PencilPlacing(document, {}); }, 2, 1, 2, 1, {VK_SHIFT});
    EXPECT_EQ(PlacingMake(cursorRubber, 11, 210), shown);
    Drag([](Document *document, POINTS) { shown = RubberPlacing(document, {}); }, 2, 1, 2, 1, {VK_SHIFT});
    EXPECT_EQ(PlacingMake(cursorPencil, 9, 209), shown);

    Drag(RubberMouse, 1, 1, 1, 5); // below the page: its last row
    EXPECT_EQ((Rows{"xxxxxx", "xx xxx", "x xxxx"}), PageRows(document.now.back));

    preferences.pencilParam = 0x8001;
    Drag(PencilMouse, 4, 1, 4, 4); // below the page: it grows
    EXPECT_EQ((Rows{"xxxxxx", "xx xxx", "x xxxx", "......", "....*."}), PageRows(document.now.back));

    // An even pen centres on the pointer: from the left part of a cell it
    // reaches the cell before.
    preferences.pencilParam = 0x8002;
    preferences.toolCharacter = 'o';
    for (int x : {3 * 8 + 1, 3 * 8 + 7}) {
        POINT screen = {x, 16 * 3 + 8};
        ClientToScreen(document.window, &screen);
        SetCursorPos(screen.x, screen.y);
        PencilMouse(&document, {static_cast<SHORT>(x), 16 * 3 + 8});
    }
    EXPECT_EQ("..ooo.", PageRows(document.now.back)[3]);
}

TEST_F(PencilWindow, ControlSamplesAndTypingInTheRubberPicksThePencil)
{
    ASSERT_EQ(0u, Open({"......", ".q....", "......"}));
    preferences.pencilAuto = 1;
    Drag(PencilMouse, 1, 1, 1, 1, {VK_CONTROL});
    EXPECT_EQ('q', preferences.toolCharacter);
    EXPECT_EQ(0, preferences.pencilAuto);
    EXPECT_EQ(0, document.windowDirty); // no undo step

    document.now.tool = toolRubber;
    RubberKey(&document, keyDown);
    EXPECT_EQ(toolRubber, document.now.tool);
    preferences.pencilAuto = 1;
    RubberKey(&document, 'x');
    EXPECT_EQ(toolPencil, document.now.tool);
    EXPECT_EQ('x', preferences.toolCharacter);
    EXPECT_EQ(0, preferences.pencilAuto);
}
