#include "base/preferences.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

TEST(Preferences, CorrectionBringsStoredValuesIntoRangeAndKeepsTheDefaults)
{
    Preferences defaults = PreferencesDefaults(), prefs = defaults;
    PreferencesCorrect(prefs);
    EXPECT_EQ(0, std::memcmp(&defaults, &prefs, sizeof prefs));

    prefs.displaySize = 20;
    prefs.defaultWidth = -5;
    prefs.defaultHeight = 30000;
    prefs.bigTextSize = 1;
    prefs.textJustification = 7;
    prefs.bigTextJustification = -1;
    prefs.drawParam = 0x1234;
    prefs.pencilParam = 0x0002;
    prefs.rubberParam = 0x7FFF;
    prefs.pictureSquish = 9;
    prefs.horiRuleMode = -3;
    prefs.tipNumber = 0;
    prefs.toolCharacter = 0;
    std::memset(prefs.displayFont, 'x', sizeof prefs.displayFont);
    std::memset(prefs.messagePrefix, 'y', sizeof prefs.messagePrefix);
    prefs.grayscaleCharacters[0] = 0;
    PreferencesCorrect(prefs);
    EXPECT_EQ((std::vector<int>{14, 0, 16000, 4, 3, 0, 0x0004, 0x8002, 0xC00C, 2, 0, 1, '*'}),
              (std::vector<int>{prefs.displaySize, prefs.defaultWidth, prefs.defaultHeight, prefs.bigTextSize,
                                prefs.textJustification, prefs.bigTextJustification, prefs.drawParam,
                                prefs.pencilParam, prefs.rubberParam, prefs.pictureSquish, prefs.horiRuleMode,
                                prefs.tipNumber, prefs.toolCharacter}));
    EXPECT_EQ(31u, std::strlen(prefs.displayFont));
    EXPECT_EQ(255u, std::strlen(prefs.messagePrefix));
    EXPECT_STREQ(defaultAChars, reinterpret_cast<const char *>(prefs.grayscaleCharacters));
}
