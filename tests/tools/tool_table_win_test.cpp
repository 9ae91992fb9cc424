#include "tools/tool_table_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/tool_window_win.h"

TEST(ToolPlace, HitsOnlyTheButtonFaces)
{
    struct Case {
        int x, y, tool; // -1: no tool
    } cases[] = {
        {3, 3, 0},     {34, 34, 0},   {35, 20, -1}, {38, 20, -1}, {39, 20, 1},  {71, 20, -1},
        {72, 20, 2},   {209, 20, -1}, {210, 20, 6}, {307, 34, 8}, {308, 20, -1}, {3, 2, -1},
        {150, 35, -1}, {150, 3, 4},   {0, 20, -1},
    };
    for (const Case &test : cases) {
        int tool = -1;
        EXPECT_EQ(test.tool >= 0, ToolPlace({test.x, test.y}, tool)) << test.x << "," << test.y;
        EXPECT_EQ(test.tool, tool) << test.x << "," << test.y;
    }
}

namespace {

std::vector<std::string> calls; // "what value tool"

void Record(Document *document, const char *what, int value)
{
    calls.push_back(what + std::to_string(value) + " " + std::to_string(document->now.tool));
}
void RecordTemp(Document *document, std::int16_t showMode, RECT *)
{
    Record(document, "temp ", showMode);
}
void RecordActive(Document *document, int activated)
{
    Record(document, "active ", activated);
}
void RecordButtons(Document *document, int activated)
{
    Record(document, "buttons ", activated);
}

} // namespace

TEST_F(ToolWindow, SwitchingToolsCallsOldThenNewAndRepaintsBoth)
{
    const Tool table[] = {
        {3, 0, 0, 0, RecordTemp, nullptr, nullptr, nullptr, RecordActive, RecordButtons, nullptr, nullptr},
        {210, 0, 0, 0, RecordTemp, nullptr, nullptr, nullptr, RecordActive, RecordButtons, nullptr, nullptr},
    };
    ToolSwitch(table, &document, 1);
    std::vector<std::string> expected = {"temp 1 0", "active 0 0", "buttons 0 0",
                                         "active 1 1", "temp 0 1", "buttons 1 1"};
    EXPECT_EQ(expected, calls);
    for (int x : {2, 35, 209, 242})
        EXPECT_TRUE(Marked(x, 2) && Marked(x, 35)) << x;
    EXPECT_FALSE(Marked(36, 20) || Marked(208, 20) || Marked(243, 20) || Marked(20, 1) || Marked(20, 36));

    // The real table, from the pencil to the bucket.
    ValidateRect(document.window, nullptr);
    document.now.tool = toolPencil;
    ToolSelect(&document, toolBucket);
    EXPECT_EQ(toolBucket, document.now.tool);
    EXPECT_TRUE(Marked(107, 20) && Marked(140, 20) && Marked(173, 20) && Marked(206, 20));
    EXPECT_FALSE(Marked(141, 20) || Marked(60, 20));
}
