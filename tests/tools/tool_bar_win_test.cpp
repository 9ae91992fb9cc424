#include "tools/tool_bar_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/canvas_win.h"
#include "tests/support/reports.h"
#include "tests/support/window_document_win.h"
#include "tools/tool_table_win.h"

typedef WindowDocument ToolBar;

namespace {

std::vector<std::string> calls; // "what value tool"

void Record(Document *document, const char *what, int value)
{
    calls.push_back(what + std::to_string(value) + " " + std::to_string(document->now.tool));
}
void RecordTemp(Document *document, std::int16_t showMode, RECT *) { Record(document, "temp ", showMode); }
void RecordActive(Document *document, int activated) { Record(document, "active ", activated); }
void RecordButtons(Document *document, int activated) { Record(document, "buttons ", activated); }

} // namespace

TEST_F(ToolBar, SwitchingToolsCallsOldThenNewAndRepaintsBoth)
{
    const Tool table[] = {
        {3, 0, 0, 0, RecordTemp, nullptr, nullptr, nullptr, RecordActive, RecordButtons, nullptr, nullptr},
        {210, 0, 0, 0, RecordTemp, nullptr, nullptr, nullptr, RecordActive, RecordButtons, nullptr, nullptr},
    };
    ToolSwitch(table, &document, 1);
    EXPECT_EQ((std::vector<std::string>{"temp 1 0", "active 0 0", "buttons 0 0", "active 1 1", "temp 0 1",
                                        "buttons 1 1"}),
              calls);
    for (int x : {2, 35, 209, 242})
        EXPECT_TRUE(Marked(x, 2) && Marked(x, 35)) << x;
    EXPECT_FALSE(Marked(36, 20) || Marked(208, 20) || Marked(243, 20) || Marked(20, 1) || Marked(20, 36));
}

TEST_F(ToolBar, OptionButtonsFollowEachOtherAndGoTogether)
{
    ASSERT_EQ(0u, ToolButtonInit(&document, buttonCharacter, &document));
    ASSERT_EQ(0u, ToolButtonInit(&document, buttonBigTextFont, nullptr));
    ToolButton *first = document.firstButton, *second = first->next;
    ASSERT_TRUE(second && !second->next);
    EXPECT_EQ(&document, first->pointer);
    EXPECT_EQ((std::vector<int>{toolBarBaseEnd, first->right + 1, second->right + 1}),
              (std::vector<int>{first->left, second->left, document.buttonEnd}));
    EXPECT_EQ(nullptr, ToolButtonAt(&document, first->right));
    EXPECT_EQ(second, ToolButtonAt(&document, second->left));

    ValidateRect(document.window, nullptr);
    ToolButtonInval(&document, 2); // beyond the list
    ToolButtonInval(&document, 1);
    EXPECT_TRUE(Marked(second->left - 1, 20) && Marked(second->right, 20));
    EXPECT_FALSE(Marked(second->left - 2, 20) || Marked(second->right + 1, 20));

    ValidateRect(document.window, nullptr);
    ToolButtonsKill(&document);
    EXPECT_EQ(nullptr, document.firstButton);
    EXPECT_EQ(toolBarBaseEnd, document.buttonEnd);
    EXPECT_TRUE(Marked(toolBarBaseEnd - 1, 20) && Marked(toolBarBaseEnd + 130, 20));
    EXPECT_EQ(4, FailEachAllocation([this] {
        ErrorCode error = ToolButtonInit(&document, buttonCharacter, nullptr);
        if (!error && (error = ToolButtonInit(&document, buttonShapeSize, nullptr))) {
            EXPECT_EQ(nullptr, document.firstButton->next);
            EXPECT_EQ(document.firstButton->right + 1, document.buttonEnd);
        }
        ToolButtonsKill(&document);
        return error;
    }));
}

// Recorded paintings: a change to any of them shows as a new hash.
TEST(ToolDrawButton, FaceBevelIconAndFrame)
{
    struct Case {
        int icon;
        bool pressed;
        std::uint32_t hash;
    } cases[] = {{0, false, 1425555437}, {0, true, 1474553117}, {128, false, 139092741}, {128, true, 1485221877}};
    for (const Case &test : cases) {
        Canvas canvas(60, 45);
        ToolDrawButton(canvas.context, test.icon, 10, 42, test.pressed);
        EXPECT_EQ(test.hash, canvas.Hash(0, 0, 60, 45)) << test.icon << " " << test.pressed;
    }
    ReportCatcher reports;
    Canvas missing(60, 45);
    ToolDrawButton(missing.context, 999, 10, 42, false);
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ(magenta, missing(9, 2)) << "no frame";
}

