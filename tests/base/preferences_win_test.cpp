#include <windows.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "base/preferences.h"
#include "tests/support/reports.h"
#include "tests/support/restore.h"

static const char prefsKey[] = "Software\\Brellow Software\\Glyphwright";

// Stores `size` bytes of `record` (padded with 0x55 past the record) as the
// preferences value, as an earlier or later version would have.
static void StoreRaw(const Preferences &record, size_t size)
{
    std::vector<unsigned char> bytes(size, 0x55);
    std::memcpy(bytes.data(), &record, size < sizeof record ? size : sizeof record);
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CURRENT_USER, prefsKey, "Preferences", REG_BINARY, bytes.data(),
                                             static_cast<DWORD>(size)));
}

// Each test starts and ends with nothing stored.
class PreferencesWin : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brellow Software"); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brellow Software"); }

    Restore kept{preferences};
};

TEST_F(PreferencesWin, FirstStartKeepsTheDefaultsAndASavedRecordReadsBackWhole)
{
    ReportCatcher reports;
    preferences = PreferencesDefaults();
    preferences.displaySize = 99; // unchecked when nothing is stored
    EXPECT_EQ(static_cast<ErrorCode>(ERROR_FILE_NOT_FOUND), LoadPreferences());
    EXPECT_EQ(99, preferences.displaySize);

    preferences.displaySize = 10;
    preferences.preferencesVersion = 1;
    SavePreferences();
    Preferences saved = preferences;
    EXPECT_EQ(preferencesCurrentVersion, saved.preferencesVersion);
    preferences = PreferencesDefaults();
    EXPECT_EQ(0u, LoadPreferences());
    EXPECT_TRUE(!std::memcmp(&saved, &preferences, sizeof saved) && !reports.errors && !reports.messages);
}

// An earlier, shorter record fills only its first bytes; a later version,
// or a record longer than ours, warns; each is brought into range.
TEST_F(PreferencesWin, OtherVersionsAreCorrectedAndLaterOnesWarn)
{
    const int cases[][4] = {{3, 46, 0, 0}, {5, sizeof(Preferences), 0, 1}, {4, 700, ERROR_MORE_DATA, 1}};
    for (auto [version, size, result, messages] : cases) {
        Preferences stored = PreferencesDefaults();
        stored.preferencesVersion = version;
        stored.displaySize = 20;
        stored.toolCharacter = '+'; // beyond 46 bytes
        StoreRaw(stored, size);
        preferences = PreferencesDefaults();
        ReportCatcher reports;
        EXPECT_EQ(ErrorCode(result), LoadPreferences()) << size;
        EXPECT_EQ(messages, reports.messages) << size;
        Preferences corrected = preferences;
        PreferencesCorrect(corrected);
        EXPECT_EQ(0, std::memcmp(&corrected, &preferences, sizeof corrected)) << "every field in range";
        EXPECT_TRUE(size != 46 || (preferences.displaySize == 14 && preferences.toolCharacter == '*'));
    }
}
