#include "tools/button_classes_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "tests/support/reports.h"
#include "tests/tools/button_fixture_win.h"
#include "tests/tools/canvas_win.h"

TEST_F(Buttons, TogglesStepWhenReleasedOverTheButton)
{
    ToolButton *transparent = Add(buttonTransparent, nullptr);
    ToolButton *squish = Add(buttonPictureSquish, nullptr);
    ToolButton *compounds = Add(buttonCompounds, nullptr);
    ValidateRect(document.window, nullptr);
    Press(transparent, 320, 20, 0, 15); // released below the button
    EXPECT_EQ(0, preferences.selectTransparent);
    EXPECT_FALSE(Marked(320, 20));
    EXPECT_EQ(PlacingMake(cursorHand, 105, 107), PlacingAt(transparent, 320, 20));
    Click(transparent);
    EXPECT_EQ(1, preferences.selectTransparent);
    EXPECT_TRUE(Marked(320, 20));
    EXPECT_EQ(PlacingMake(cursorHand, 105, 106), PlacingAt(transparent, 320, 20));

    std::vector<int> squishes; // from free
    for (int i = 0; i < 3; ++i) {
        Click(squish);
        squishes.push_back(preferences.pictureSquish);
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2}), squishes);
    EXPECT_EQ(PlacingMake(cursorHand, 120, 123), PlacingAt(squish, 350, 20));

    Click(compounds);
    EXPECT_EQ(0, preferences.compounds);
    EXPECT_EQ(PlacingMake(cursorHand, 128, 130), PlacingAt(compounds, 390, 20));
}

TEST_F(Buttons, CharacterButtonTogglesOnlyAFlag)
{
    ToolButton *pencil = Add(buttonCharacter, &preferences.pencilAuto);
    ToolButton *bucket = Add(buttonCharacter, nullptr);
    EXPECT_EQ(PlacingMake(cursorHand, 108, 110), PlacingAt(pencil, 320, 20));
    Click(pencil);
    EXPECT_EQ(1, preferences.pencilAuto);
    EXPECT_EQ(PlacingMake(cursorHand, 108, 109), PlacingAt(pencil, 320, 20));

    const Preferences before = preferences;
    Click(bucket);
    EXPECT_EQ(0, std::memcmp(&before, &preferences, sizeof before));
    EXPECT_EQ(PlacingMake(cursorHand, 108, 111), PlacingAt(bucket, 350, 20));
}

TEST_F(Buttons, CharacterKeyTakesOnlyAllowedCharacters)
{
    Add(buttonCharacter, &preferences.pencilAuto);
    char &autoChar = preferences.pencilAuto;
    autoChar = 1;
    ReportCatcher reports;
    for (char key : {'\t', '\x80', '\xE9', static_cast<char>(keyBackspace)})
        CharacterKey(&document, key == keyBackspace ? nullptr : &autoChar, key);
    EXPECT_EQ(4, reports.messages);
    EXPECT_EQ(401u, reports.lastMessage);
    EXPECT_EQ('*', preferences.toolCharacter);
    EXPECT_EQ(1, autoChar);

    ValidateRect(document.window, nullptr);
    CharacterKey(&document, &autoChar, '\x7F');
    EXPECT_EQ('\x7F', preferences.toolCharacter);
    EXPECT_EQ(0, autoChar);
    EXPECT_TRUE(Marked(320, 20));
    CharacterKey(&document, &autoChar, keyBackspace);
    EXPECT_EQ(1, autoChar);

    preferences.allowNonASCII = 1;
    for (char key : {'\xE9', '\t'}) {
        CharacterKey(&document, &autoChar, key);
        EXPECT_EQ(key, preferences.toolCharacter);
        EXPECT_EQ(0, autoChar);
    }
    CharacterKey(&document, &autoChar, keyDown);
    EXPECT_EQ('\t', preferences.toolCharacter);
    EXPECT_EQ(1, document.scrollRow);
    EXPECT_EQ(4, reports.messages);
}

namespace {

const COLORREF ink = GetSysColor(COLOR_BTNTEXT);

// The smallest rectangle, right and bottom inclusive, holding every pixel of
// `colour` within `area`; right is -1 when there is none.
RECT Extent(const Canvas &canvas, COLORREF colour, RECT area)
{
    RECT found = {area.right, area.bottom, -1, -1};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (canvas(x, y) == colour)
                found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y), std::max<LONG>(found.right, x),
                         std::max<LONG>(found.bottom, y)};
        }
    }
    return found;
}

bool SamePixels(const Canvas &a, const Canvas &b, RECT area)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (a(x, y) != b(x, y))
                return false;
    return true;
}

} // namespace

TEST(ButtonFaces, CharacterAndPenSketches)
{
    preferences = PreferencesDefaults();
    const RECT face = {12, 5, 40, 33}; // inside the bevel of a button from 10 to 42
    char autoChar = 0;
    ToolButton button = {nullptr, 10, 42, buttonCharacter, &autoChar};
    preferences.toolCharacter = 'H';
    Canvas manual(60, 45);
    CharacterDraw(manual.context, &button);
    RECT letter = Extent(manual, ink, face);
    EXPECT_GE(letter.top, 7);
    EXPECT_NEAR(26, (letter.left + letter.right) / 2.0, 1.0);
    EXPECT_GE(letter.right - letter.left, 6); // bold and 24 pixels high
    EXPECT_GE(letter.bottom - letter.top, 12);

    autoChar = 1;
    Canvas automatic(60, 45), icon(60, 45);
    CharacterDraw(automatic.context, &button);
    ToolDrawButton(icon.context, 258, 10, 42, false);
    EXPECT_TRUE(SamePixels(automatic, icon, {0, 0, 60, 45}));

    struct Case {
        std::uint16_t pen;
        RECT extent; // right and bottom inclusive
        bool corner; // its top-left pixel is black
    } pens[] = {
        {0xC005, {21, 14, 31, 24}, false}, // round, 5 pixels either side of (26, 19)
        {0x4005, {21, 14, 31, 24}, true},  // the shape cannot be chosen: square
        {0xC001, {25, 18, 27, 20}, true},  // too small to be round
    };
    for (Case test : pens) {
        ToolButton shape = {nullptr, 10, 42, buttonShapeSize, &test.pen};
        Canvas canvas(60, 45);
        ShapeSizeDraw(canvas.context, &shape);
        RECT black = Extent(canvas, RGB(0, 0, 0), face);
        EXPECT_TRUE(EqualRect(&black, &test.extent)) << test.pen;
        EXPECT_EQ(test.corner, canvas(test.extent.left, test.extent.top) == RGB(0, 0, 0)) << test.pen;
    }
}
