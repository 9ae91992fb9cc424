#include <cstring>
#include <utility>

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

TEST(PrefsCheck, FontAndDisplayChanges)
{
    const Preferences old = PreferencesDefaults();
    auto changed = [&](void (*edit)(Preferences &)) {
        Preferences now = old;
        edit(now);
        return std::pair(PrefsFontChanged(old, now), PrefsDisplayChanged(old, now));
    };
    EXPECT_EQ(std::pair(false, false), changed([](Preferences &) {}));
    EXPECT_EQ(std::pair(true, true), changed([](Preferences &p) { std::strcpy(p.displayFont, "courier new"); }));
    EXPECT_EQ(std::pair(true, true), changed([](Preferences &p) { p.displaySize = 10; }));
    EXPECT_EQ(std::pair(false, true), changed([](Preferences &p) { p.foreColor = 1; }));
    EXPECT_EQ(std::pair(false, true), changed([](Preferences &p) { p.rulerColor = 1; }));
}
