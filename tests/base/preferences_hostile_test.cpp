// A stored record is outside input: whatever it holds, every pen draws and
// no control character reaches a page or a saved file.
#include <cstring>

#include <gtest/gtest.h>

#include "base/preferences.h"

TEST(PreferencesHostile, PensDrawAtLeastOneCellAndAtMostTwelve)
{
    struct Case {
        std::uint16_t Preferences::*pen;
        std::uint16_t stored, loaded;
    } cases[] = {
        {&Preferences::pencilParam, 0x4000, 0xC001}, {&Preferences::rubberParam, 0x800F, 0x800C},
        {&Preferences::drawParam, 0x0000, 0x0001},   {&Preferences::drawParam, 0x000D, 0x000C},
        {&Preferences::pencilParam, 0x0005, 0x8005},
    };
    for (const Case &test : cases) {
        Preferences prefs = PreferencesDefaults();
        prefs.*test.pen = test.stored;
        PreferencesCorrect(prefs);
        EXPECT_EQ(test.loaded, prefs.*test.pen) << std::hex << test.stored;
    }
}

TEST(PreferencesHostile, ControlCharactersNeverDraw)
{
    struct Case {
        char tool, toolLoaded;
        const char *grays, *graysLoaded; // null: the built-in set A
    } cases[] = {
        {'\r', '*', " \t.:\r\n#", " .:#"}, {'\n', '*', "\x01\x1f", nullptr}, {'\t', '*', "a\tb", "ab"},
        {'\x1f', '*', "A", nullptr},          {' ', ' ', " \xe9", " \xe9"},      {'\xe9', '\xe9', "~#", "~#"},
    };
    for (const Case &test : cases) {
        Preferences prefs = PreferencesDefaults();
        prefs.toolCharacter = test.tool;
        std::strcpy(reinterpret_cast<char *>(prefs.grayscaleCharacters), test.grays);
        PreferencesCorrect(prefs);
        EXPECT_EQ(test.toolLoaded, prefs.toolCharacter) << int(test.tool);
        EXPECT_STREQ(test.graysLoaded ? test.graysLoaded : defaultAChars,
                     reinterpret_cast<const char *>(prefs.grayscaleCharacters))
            << test.grays;
    }
}
