// The stored record is outside input: a value of every length from nothing
// to twice the record, and the record with each one of its bits flipped,
// loads through the registry into range, changing nothing that was in range.
#include <windows.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "base/preferences.h"
#include "tests/support/prefs_invariants.h"
#include "tests/support/reports.h"

namespace {

const char prefsKey[] = "Software\\Brellow Software\\Glyphwright";
const std::size_t longest = 1300;

// A record in range whose fields mostly differ from the defaults, so that a
// short value shows where it ends.
Preferences Edited()
{
    Preferences prefs = PreferencesDefaults();
    auto *bytes = reinterpret_cast<unsigned char *>(&prefs);
    for (std::size_t i = 0; i < sizeof prefs; ++i)
        bytes[i] = static_cast<unsigned char>(0x41 + i % 26); // letters, which no string ends on
    prefs.preferencesVersion = preferencesCurrentVersion;
    PreferencesCorrect(prefs);
    return prefs;
}

class PreferencesStored : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, prefsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                                 &key, nullptr));
    }
    void TearDown() override
    {
        RegCloseKey(key);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brellow Software");
        preferences = PreferencesDefaults();
    }
    // Stores `size` bytes and loads them over the defaults; counts the
    // messages that a later version's record shows.
    void Load(const void *bytes, std::size_t size)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "Preferences", 0, REG_BINARY,
                                                static_cast<const BYTE *>(bytes), static_cast<DWORD>(size)));
        preferences = PreferencesDefaults();
        LoadPreferences();
    }

    HKEY key;
    ReportCatcher reports;
};

} // namespace

TEST_F(PreferencesStored, EveryLengthLoadsIntoRange)
{
    Preferences edited = Edited();
    ASSERT_EQ(nullptr, PrefsBroken(edited));
    std::vector<unsigned char> value(longest, 0xFF);
    std::memcpy(value.data(), &edited, sizeof edited);
    for (std::size_t size = 0; size <= longest; ++size) {
        int messages = reports.messages;
        Load(value.data(), size);
        ASSERT_FALSE(HasFatalFailure());
        if (size <= sizeof(Preferences)) {
            // The value's bytes over the defaults, brought into range.
            Preferences read = PreferencesDefaults();
            std::memcpy(&read, value.data(), size);
            const char *fault = PrefsLoadFault(read, preferences);
            EXPECT_EQ(nullptr, fault) << size << " bytes: " << fault;
        } else {
            const PrefsInvariant *broken = PrefsBroken(preferences);
            EXPECT_EQ(nullptr, broken) << size << " bytes: " << broken->name;
        }
        EXPECT_EQ(size > sizeof(Preferences), reports.messages > messages) << size << " bytes: from a later version";
    }
}

TEST_F(PreferencesStored, EverySingleBitFlipLoadsIntoRange)
{
    const Preferences edited = Edited();
    for (std::size_t bit = 0; bit < 8 * sizeof edited; ++bit) {
        Preferences flipped = edited;
        reinterpret_cast<unsigned char *>(&flipped)[bit / 8] ^= static_cast<unsigned char>(1 << bit % 8);
        int messages = reports.messages;
        Load(&flipped, sizeof flipped);
        ASSERT_FALSE(HasFatalFailure());
        const char *fault = PrefsLoadFault(flipped, preferences);
        EXPECT_EQ(nullptr, fault) << "bit " << bit << ": " << fault;
        EXPECT_EQ(flipped.preferencesVersion > preferencesCurrentVersion, reports.messages > messages) << "bit " << bit;
    }
}
