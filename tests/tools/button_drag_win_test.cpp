#include "tools/button_classes_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "page/font_list.h"
#include "tests/tools/button_fixture_win.h"

TEST_F(Buttons, JustificationStepsEverySixteenPixels)
{
    ToolButton *text = Add(buttonJustification, &textJustParams);
    ToolButton *big = Add(buttonJustification, &bigTextJustParams);
    struct Case {
        ToolButton *button;
        std::int16_t &setting;
        int start, dx, expected;
    } cases[] = {
        {text, preferences.textJustification, justCentre, -15, justCentre},
        {text, preferences.textJustification, justCentre, -16, justLeft},
        {text, preferences.textJustification, justCentre, 31, justRight},
        {text, preferences.textJustification, justLeft, 300, justJustify},
        {big, preferences.bigTextJustification, justLeft, 300, justRight}, // never justified
        {big, preferences.bigTextJustification, justRight, -300, justLeft},
    };
    for (const Case &test : cases) {
        test.setting = static_cast<std::int16_t>(test.start);
        Press(test.button, test.button->left + 16, 20, test.dx);
        EXPECT_EQ(test.expected, test.setting) << test.start << " " << test.dx;
    }
    EXPECT_EQ(PlacingMake(cursorSizeWE, 112, 113), PlacingAt(big, 350, 34));
}

TEST_F(Buttons, BigTextFontZones)
{
    FontEntry fonts[] = {{"Arial", 0}, {"Courier New", 1}, {"Times New Roman", 0}};
    FontEntry *installed = fontData;
    const std::int16_t installedCount = numFonts;
    fontData = fonts;
    numFonts = 3;
    ToolButton *font = Add(buttonBigTextFont, nullptr); // 315 to 411, halves meet at 363
    EXPECT_EQ(PlacingMake(cursorSizeWE, 114, 115), PlacingAt(font, 400, 18));
    EXPECT_EQ(PlacingMake(cursorSizeWE, 116, 117), PlacingAt(font, 362, 19));
    EXPECT_EQ(PlacingMake(cursorMove, 118, 119), PlacingAt(font, 363, 19));

    struct NameCase {
        const char *start;
        int dx;
        const char *expected;
    } names[] = {
        {"courier NEW", 8, "Times New Roman"}, {"Courier New", -7, "Courier New"},
        {"Courier New", -300, "Arial"},        {"Unknown", 0, "Unknown"}, // kept until the drag moves
        {"Unknown", 8, "Courier New"},
    };
    for (const NameCase &test : names) {
        std::strcpy(preferences.bigTextFont, test.start);
        Press(font, 340, 10, test.dx);
        EXPECT_EQ(std::string(test.expected), preferences.bigTextFont) << test.start << " " << test.dx;
    }

    struct SizeCase {
        int start, dx, expected;
    } sizes[] = {{10, 7, 11}, {10, -3, 10}, {10, -300, 4}, {120, 300, 127}};
    for (const SizeCase &test : sizes) {
        preferences.bigTextSize = test.start;
        Press(font, 330, 25, test.dx);
        EXPECT_EQ(test.expected, preferences.bigTextSize) << test.start << " " << test.dx;
    }

    Press(font, 400, 25, 9, 9);
    EXPECT_EQ(1, preferences.bigTextBold);
    EXPECT_EQ(1, preferences.bigTextItalic);
    Press(font, 400, 25, 8, -9);
    EXPECT_EQ(1, preferences.bigTextBold);
    EXPECT_EQ(0, preferences.bigTextItalic);
    fontData = installed;
    numFonts = installedCount;
}

TEST_F(Buttons, ShapeSizeAndRuleModeDrags)
{
    ToolButton *draw = Add(buttonShapeSize, &preferences.drawParam);
    ToolButton *pencil = Add(buttonShapeSize, &preferences.pencilParam);
    ToolButton *rules = Add(buttonRuleMode, nullptr);
    preferences.drawParam = 3;
    Press(draw, 320, 20, 16, -40); // only the size follows without the shape bit
    EXPECT_EQ(5, preferences.drawParam);
    preferences.pencilParam = 0x8003;
    Press(pencil, 350, 20, -8, -16); // round only from 17 pixels up
    EXPECT_EQ(0x8002, preferences.pencilParam);
    Press(pencil, 350, 20, 300, -17);
    EXPECT_EQ(0xC00C, preferences.pencilParam);
    Press(pencil, 350, 20, -7, 17);
    EXPECT_EQ(0x800C, preferences.pencilParam);
    EXPECT_EQ(PlacingMake(cursorSizeWE, 126, 127), PlacingAt(draw, 320, 20));
    EXPECT_EQ(PlacingMake(cursorMove, 124, 125), PlacingAt(pencil, 350, 20));

    preferences.horiRuleMode = 0;
    preferences.vertRuleMode = 1;
    Press(rules, 390, 20, 800, 800);
    EXPECT_EQ(3, preferences.horiRuleMode);
    EXPECT_EQ(3, preferences.vertRuleMode);
    Press(rules, 390, 30, -9, -24);
    EXPECT_EQ(2, preferences.horiRuleMode);
    EXPECT_EQ(0, preferences.vertRuleMode);
    EXPECT_EQ(PlacingMake(cursorMove, 131, 132), PlacingAt(rules, 390, 20));
}
