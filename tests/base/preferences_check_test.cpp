#include <cstring>

#include <gtest/gtest.h>

#include "base/preferences_check.h"

TEST(PrefsCheck, PictureCharactersNeedTwoOrdinaryCharacters)
{
    struct Case {
        const char *set;
        unsigned faults, faultsAllowed; // without and with non-ASCII allowed
    } cases[] = {
        {"", prefsFaultTooFew, prefsFaultTooFew},
        {"A", prefsFaultTooFew, prefsFaultTooFew},
        {"AA", 0, 0},
        {" \x7f", 0, 0}, // both ends of the ordinary range
        {"a\x1f", prefsFaultNonASCII, 0},
        {"a\x80", prefsFaultNonASCII, 0},
        {"\xe9", prefsFaultNonASCII | prefsFaultTooFew, prefsFaultTooFew},
    };
    for (const Case &test : cases) {
        auto set = reinterpret_cast<const unsigned char *>(test.set);
        EXPECT_EQ(test.faults, PrefsGrayFaults(set, false)) << test.set;
        EXPECT_EQ(test.faultsAllowed, PrefsGrayFaults(set, true)) << test.set;
    }
}

TEST(PrefsCheck, FontNamesCompareAsText)
{
    Preferences old = PreferencesDefaults(), now = old;
    std::strcpy(now.displayFont, "courier new");
    EXPECT_TRUE(PrefsFontChanged(old, now));
    EXPECT_TRUE(PrefsDisplayChanged(old, now));
}
