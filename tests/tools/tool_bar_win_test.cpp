#include "tools/tool_bar_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/reports.h"
#include "tests/tools/tool_window_win.h"

TEST_F(ToolWindow, PlacingByArea)
{
    ASSERT_EQ(0u, ToolButtonInit(&document, buttonCharacter, nullptr));   // 315 to 347
    ASSERT_EQ(0u, ToolButtonInit(&document, buttonBigTextFont, nullptr)); // 348 to 444
    const Placing none = 0, sendEmail = PlacingMake(cursorHand, 22, 23), activeHelp = PlacingMake(cursorArrow, 24, 25);
    const int start = document.buttonStart;
    struct Case {
        int x, y;
        Placing placing;
    } cases[] = {
        {3, 3, PlacingMake(cursorHand, 1, 2)}, {307, 34, PlacingMake(cursorHand, 19, 20)},
        {320, 35, PlacingMake(cursorHand, 108, 111)}, // still the option button
        {320, 36, activeHelp},      {20, 56, activeHelp},      {500, 20, none},
        {start, 20, none},          {start + 1, 20, sendEmail}, {testWidth - 1, 35, sendEmail},
        {testWidth - 1, 36, activeHelp},
    };
    for (const Case &test : cases)
        EXPECT_EQ(test.placing, ToolBarPlacing(&document, {test.x, test.y})) << test.x << "," << test.y;
}

TEST_F(ToolWindow, OptionButtonsFollowEachOtherFrom315)
{
    ASSERT_EQ(0u, ToolButtonInit(&document, buttonCharacter, &document));
    ASSERT_EQ(0u, ToolButtonInit(&document, buttonBigTextFont, nullptr));
    ToolButton *first = document.firstButton;
    ASSERT_TRUE(first && first->next && !first->next->next);
    EXPECT_EQ(&document, first->pointer);
    EXPECT_EQ(buttonBigTextFont, first->next->buttonClass);
    EXPECT_EQ((std::vector<int>{315, 347, 348, 444, 445}),
              (std::vector<int>{first->left, first->right, first->next->left, first->next->right, document.buttonEnd}));
    EXPECT_TRUE(Marked(314, 2) && Marked(444, 35));
    EXPECT_FALSE(Marked(445, 20));
    EXPECT_EQ(nullptr, ToolButtonAt(&document, 347));
    EXPECT_EQ(first->next, ToolButtonAt(&document, 348));

    ValidateRect(document.window, nullptr);
    ToolButtonInval(&document, 2); // beyond the list
    EXPECT_FALSE(Marked(400, 20));
    ToolButtonInval(&document, 1);
    EXPECT_TRUE(Marked(347, 20) && Marked(444, 20));
    EXPECT_FALSE(Marked(346, 20) || Marked(445, 20));

    ValidateRect(document.window, nullptr);
    ToolButtonsKill(&document);
    EXPECT_EQ(nullptr, document.firstButton);
    EXPECT_EQ(toolBarBaseEnd, document.buttonEnd);
    EXPECT_TRUE(Marked(314, 20) && Marked(445, 20));
    EXPECT_FALSE(Marked(446, 20));
    ASSERT_EQ(0u, ToolButtonInit(&document, buttonShapeSize, nullptr));
    EXPECT_EQ(315, document.firstButton->left);
}

TEST_F(ToolWindow, FailedButtonLeavesTheListAsItWas)
{
    EXPECT_EQ(4, FailEachAllocation([this] {
        ErrorCode error = ToolButtonInit(&document, buttonCharacter, nullptr);
        if (!error && (error = ToolButtonInit(&document, buttonShapeSize, nullptr))) {
            EXPECT_EQ(nullptr, document.firstButton->next);
            EXPECT_EQ(348, document.buttonEnd);
        }
        ToolButtonsKill(&document);
        return error;
    }));
}

TEST_F(ToolWindow, ToolChangesOnlyWhenReleasedOverItsButton)
{
    ASSERT_FALSE(ToolMouseDown()); // every trace ends at once, where the pointer is
    auto pointerAt = [this](int x, int y) {
        POINT screen = {x, y};
        ClientToScreen(document.window, &screen);
        SetCursorPos(screen.x, screen.y);
    };
    pointerAt(150, 20);
    ToolBarMouse(&document, {150, 20});
    EXPECT_EQ(toolRubber, document.now.tool);
    pointerAt(150, 40); // slid off before the release
    ToolBarMouse(&document, {115, 20});
    EXPECT_EQ(toolRubber, document.now.tool);
    pointerAt(115, 34);
    EXPECT_EQ(1, ToolTraceButton(&document, 132, 132, 108, 140));
    EXPECT_EQ(0, ToolTraceButton(&document, 132, 132, 116, 140));
    pointerAt(115, 35);
    EXPECT_EQ(0, ToolTraceButton(&document, 132, 132, 108, 140));
}
