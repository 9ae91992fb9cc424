#include "tools/button_classes_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/canvas_win.h"
#include "tests/support/reports.h"
#include "tests/support/window_document_win.h"

// Option buttons pressed with the mouse up: a press follows the pointer
// exactly once, from where it was put. The drags' arithmetic is tested
// natively; these see each button apply it to its setting.
class Buttons : public WindowDocument {
protected:
    ToolButton *Add(int buttonClass, void *pointer)
    {
        EXPECT_EQ(0u, ToolButtonInit(&document, buttonClass, pointer));
        ToolButton *button = document.firstButton;
        while (button->next)
            button = button->next;
        return button;
    }
    // A press at (x, y) on the button, the pointer having moved (dx, dy) from it.
    void Press(ToolButton *button, int x, int y, int dx = 0, int dy = 0)
    {
        PointerAt(x + dx, y + dy);
        buttons[button->buttonClass].mouseProc(&document, button, {SHORT(x), SHORT(y)});
    }
    void Click(ToolButton *button) { Press(button, button->left + 5, 20); }
};

TEST_F(Buttons, PressesSetTheirSettingsWhenReleasedOverTheButton)
{
    ToolButton *transparent = Add(buttonTransparent, nullptr), *squish = Add(buttonPictureSquish, nullptr),
               *pencil = Add(buttonCharacter, &preferences.pencilAuto), *bucket = Add(buttonCharacter, nullptr),
               *text = Add(buttonJustification, &textJustParams), *big = Add(buttonJustification, &bigTextJustParams),
               *pen = Add(buttonShapeSize, &preferences.pencilParam), *rules = Add(buttonRuleMode, nullptr);
    Press(transparent, transparent->left + 5, 20, 0, 15); // released below the button
    EXPECT_EQ(0, preferences.selectTransparent);
    ValidateRect(document.window, nullptr);
    Click(transparent);
    EXPECT_TRUE(preferences.selectTransparent == 1 && Marked(transparent->left + 5, 20));
    for (int expected : {0, 1, 2}) {
        Click(squish);
        EXPECT_EQ(expected, preferences.pictureSquish);
    }
    Click(pencil);
    EXPECT_EQ(1, preferences.pencilAuto);
    const Preferences before = preferences;
    Click(bucket); // a Character button without a flag
    EXPECT_EQ(0, std::memcmp(&before, &preferences, sizeof before));
    Press(text, text->left + 16, 20, 31); // from the left, one whole step of 16 pixels
    EXPECT_EQ(justCentre, preferences.textJustification);
    Press(big, big->left + 16, 20, 300);
    EXPECT_EQ(justRight, preferences.bigTextJustification) << "big text is never justified";
    Press(pen, pen->left + 16, 20, 300, -17);
    EXPECT_EQ(0xC00C, preferences.pencilParam);
    Press(rules, rules->left + 16, 20, 800, 800);
    EXPECT_TRUE(preferences.horiRuleMode == 3 && preferences.vertRuleMode == 3);
}

// Recorded paintings of the pen sizes and shapes.
TEST(ButtonFaces, ShapeSizeShowsThePen)
{
    struct Case {
        std::uint16_t pen;
        std::uint32_t hash;
    } pens[] = {{0xC005, 1616089964}, {0x4005, 3132506252}, {0xC001, 3257907132}}; // round; the shape not to be chosen; too small to be round
    for (Case test : pens) {
        ToolButton shape = {nullptr, 10, 42, buttonShapeSize, &test.pen};
        Canvas canvas(60, 45);
        ShapeSizeDraw(canvas.context, &shape);
        EXPECT_EQ(test.hash, canvas.Hash(0, 0, 60, 45)) << test.pen;
    }
}
