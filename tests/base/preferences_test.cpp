#include <cstring>

#include <gtest/gtest.h>

#include "base/preferences.h"

TEST(Preferences, DefaultsOfAFirstStart)
{
    Preferences prefs = PreferencesDefaults();
    EXPECT_EQ(4, prefs.preferencesVersion);
    EXPECT_EQ(0x00FFFFC0u, prefs.rulerColor);
    EXPECT_EQ(0x00FFFFFFu, prefs.backColor);
    EXPECT_EQ(74, prefs.defaultWidth);
    EXPECT_EQ(24, prefs.defaultHeight);
    EXPECT_EQ(0xC001, prefs.pencilParam);
    EXPECT_EQ(0x8001, prefs.rubberParam);
    EXPECT_EQ('*', prefs.toolCharacter);
    EXPECT_EQ(3, prefs.horiRuleMode);
    EXPECT_EQ(2, prefs.vertRuleMode);
    EXPECT_STREQ("Courier New", prefs.displayFont);
    EXPECT_STREQ("Arial", prefs.bigTextFont);
    EXPECT_STREQ("Please view in a fixed-width font such as Courier.", prefs.messagePrefix);
    EXPECT_STREQ(defaultAChars, reinterpret_cast<const char *>(prefs.grayscaleCharacters));
    EXPECT_EQ(25u, std::strlen(defaultAChars));
    EXPECT_EQ(27u, std::strlen(defaultBChars));
    EXPECT_EQ('"', defaultBChars[5]);

    Preferences corrected = prefs; // the defaults are already in range
    PreferencesCorrect(corrected);
    EXPECT_EQ(0, std::memcmp(&prefs, &corrected, sizeof prefs));
}

TEST(Preferences, CorrectionBringsStoredValuesIntoRange)
{
    Preferences prefs = PreferencesDefaults();
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
    std::memset(prefs.displayFont, 'x', sizeof prefs.displayFont);
    std::memset(prefs.messagePrefix, 'y', sizeof prefs.messagePrefix);
    prefs.grayscaleCharacters[0] = 0;
    PreferencesCorrect(prefs);
    EXPECT_EQ(14, prefs.displaySize);
    EXPECT_EQ(0, prefs.defaultWidth);
    EXPECT_EQ(16000, prefs.defaultHeight);
    EXPECT_EQ(4, prefs.bigTextSize);
    EXPECT_EQ(3, prefs.textJustification);
    EXPECT_EQ(0, prefs.bigTextJustification);
    EXPECT_EQ(0x0004, prefs.drawParam);
    EXPECT_EQ(0x8002, prefs.pencilParam);
    EXPECT_EQ(0xC00C, prefs.rubberParam); // the largest pen
    EXPECT_EQ(2, prefs.pictureSquish);
    EXPECT_EQ(0, prefs.horiRuleMode);
    EXPECT_EQ(31u, std::strlen(prefs.displayFont));
    EXPECT_EQ(255u, std::strlen(prefs.messagePrefix));
    EXPECT_STREQ(defaultAChars, reinterpret_cast<const char *>(prefs.grayscaleCharacters));
}
