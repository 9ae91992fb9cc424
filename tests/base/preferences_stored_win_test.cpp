// The stored record is outside input: a value of every length from nothing
// to twice the record, and the record with each one of its bits flipped,
// loads through the registry into range, changing nothing that was in range.
// Only a record from a later version, or a longer one, shows a message.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/preferences.h"
#include "tests/support/prefs_invariants.h"
#include "tests/support/reports.h"

namespace {

class PreferencesStored : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brellow Software"); }

    // Stores `size` bytes and loads them over the defaults.
    static void Check(const unsigned char *bytes, std::size_t size, const std::string &what)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brellow Software\\Glyphwright", 0,
                                                 nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        RegSetValueExA(key, "Preferences", 0, REG_BINARY, bytes, static_cast<DWORD>(size));
        RegCloseKey(key);
        Preferences stored = PreferencesDefaults();
        std::memcpy(&stored, bytes, std::min(size, sizeof stored));
        ReportCatcher reports;
        preferences = PreferencesDefaults();
        LoadPreferences();
        const PrefsInvariant *broken = PrefsBroken(preferences);
        const char *fault = size > sizeof stored ? broken ? broken->name : nullptr : PrefsLoadFault(stored, preferences);
        EXPECT_EQ(nullptr, fault) << what << ": " << fault;
        bool later = size > sizeof stored || stored.preferencesVersion > preferencesCurrentVersion;
        EXPECT_EQ(later, reports.messages > 0) << what << ": a message only for a later version";
        preferences = PreferencesDefaults();
    }
};

// A record in range whose fields mostly differ from the defaults (letters,
// which no string ends on), so that a short value shows where it ends.
Preferences Edited()
{
    Preferences prefs = PreferencesDefaults();
    auto *bytes = reinterpret_cast<unsigned char *>(&prefs);
    for (std::size_t i = 0; i < sizeof prefs; ++i)
        bytes[i] = static_cast<unsigned char>(0x41 + i % 26);
    prefs.preferencesVersion = preferencesCurrentVersion;
    PreferencesCorrect(prefs);
    return prefs;
}

} // namespace

TEST_F(PreferencesStored, EveryLengthLoadsIntoRange)
{
    Preferences edited = Edited();
    std::vector<unsigned char> value(1300, 0xFF);
    std::memcpy(value.data(), &edited, sizeof edited);
    for (std::size_t size = 0; size <= value.size(); ++size)
        Check(value.data(), size, std::to_string(size) + " bytes");
}

TEST_F(PreferencesStored, EverySingleBitFlipLoadsIntoRange)
{
    for (std::size_t bit = 0; bit < 8 * sizeof(Preferences); ++bit) {
        Preferences flipped = Edited();
        reinterpret_cast<unsigned char *>(&flipped)[bit / 8] ^= static_cast<unsigned char>(1 << bit % 8);
        Check(reinterpret_cast<const unsigned char *>(&flipped), sizeof flipped, "bit " + std::to_string(bit));
    }
}
