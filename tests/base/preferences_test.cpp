// A stored record is outside input: whatever it holds, every setting comes
// back in range, every pen draws and no control character reaches a page.
#include "base/preferences.h"

#include <cstring>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "base/preferences_check.h"

TEST(Preferences, CorrectionBringsHostileValuesIntoRangeAndKeepsTheDefaults)
{
    Preferences defaults = PreferencesDefaults(), prefs = defaults;
    PreferencesCorrect(prefs);
    EXPECT_EQ(0, std::memcmp(&defaults, &prefs, sizeof prefs));
    prefs.displaySize = 20;
    prefs.defaultWidth = -5;
    prefs.defaultHeight = 30000;
    prefs.drawParam = 0x000D;
    prefs.pencilParam = 0x4000;
    prefs.rubberParam = 0x800F;
    prefs.horiRuleMode = -3;
    prefs.toolCharacter = '\r';
    std::memset(prefs.messagePrefix, 'y', sizeof prefs.messagePrefix);
    PreferencesCorrect(prefs);
    EXPECT_EQ((std::vector<int>{14, 0, 16000, 0x000C, 0xC001, 0x800C, 0, '*'}),
              (std::vector<int>{prefs.displaySize, prefs.defaultWidth, prefs.defaultHeight, prefs.drawParam,
                                prefs.pencilParam, prefs.rubberParam, prefs.horiRuleMode, prefs.toolCharacter}));
    EXPECT_EQ(255u, std::strlen(prefs.messagePrefix));
    const char *grays[][2] = {{" \t.:\r\n#", " .:#"}, {"\x01\x1f", defaultAChars}, {" \xe9", " \xe9"}};
    for (auto [stored, loaded] : grays) {
        std::strcpy(reinterpret_cast<char *>(prefs.grayscaleCharacters), stored);
        PreferencesCorrect(prefs);
        EXPECT_STREQ(loaded, reinterpret_cast<const char *>(prefs.grayscaleCharacters)) << stored;
    }
}

TEST(PrefsCheck, PictureCharactersAndChanges)
{
    const std::pair<const char *, unsigned> cases[] = {{"A", prefsFaultTooFew}, {" \x7f", 0},
                                                       {"a\x1f", prefsFaultNonASCII}, {"a\x80", prefsFaultNonASCII}};
    for (auto [set, faults] : cases) {
        EXPECT_EQ(faults, PrefsGrayFaults(reinterpret_cast<const unsigned char *>(set), false)) << set;
        EXPECT_EQ(faults & prefsFaultTooFew, PrefsGrayFaults(reinterpret_cast<const unsigned char *>(set), true));
    }
    const Preferences old = PreferencesDefaults();
    Preferences font = old, colour = old;
    font.displaySize = 10;
    colour.rulerColor = 1;
    EXPECT_TRUE(!PrefsFontChanged(old, old) && !PrefsDisplayChanged(old, old));
    EXPECT_TRUE(PrefsFontChanged(old, font) && PrefsDisplayChanged(old, font));
    EXPECT_TRUE(!PrefsFontChanged(old, colour) && PrefsDisplayChanged(old, colour));
}
