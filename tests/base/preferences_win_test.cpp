#include <windows.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "base/preferences.h"
#include "tests/support/dialogs_win.h"
#include "tests/support/reports.h"

static const char prefsKey[] = "Software\\Brellow Software\\Glyphwright";

// Stores `size` bytes of `record` (padded with 0x55 past the record) as the
// preferences value, as an earlier or later version would have.
static void StoreRaw(const Preferences &record, size_t size)
{
    std::vector<unsigned char> bytes(size, 0x55);
    std::memcpy(bytes.data(), &record, size < sizeof record ? size : sizeof record);
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, prefsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                             nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "Preferences", 0, REG_BINARY, bytes.data(), size));
    RegCloseKey(key);
}

class PreferencesWin : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brellow Software");
        preferences = PreferencesDefaults();
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brellow Software");
        preferences = PreferencesDefaults();
    }
};

TEST_F(PreferencesWin, FirstStartKeepsTheDefaultsSilently)
{
    ReportCatcher reports;
    preferences.displaySize = 99; // unchecked when nothing is stored
    EXPECT_EQ(static_cast<ErrorCode>(ERROR_FILE_NOT_FOUND), LoadPreferences());
    EXPECT_EQ(99, preferences.displaySize);
    EXPECT_EQ(0, reports.errors + reports.messages);
}

TEST_F(PreferencesWin, SavedRecordReadsBackFieldForField)
{
    preferences.preferencesVersion = 1;
    preferences.toolCharacter = '#';
    preferences.rulerColor = 0x00123456;
    std::strcpy(preferences.messagePrefix, "Hello");
    SavePreferences();
    Preferences saved = preferences;
    EXPECT_EQ(4, saved.preferencesVersion);

    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, prefsKey, 0, KEY_READ, &key));
    DWORD type = 0, size = 0;
    RegQueryValueExA(key, "Preferences", nullptr, &type, nullptr, &size);
    RegCloseKey(key);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    EXPECT_EQ(648u, size);

    preferences = PreferencesDefaults();
    EXPECT_EQ(0u, LoadPreferences());
    EXPECT_EQ(0, std::memcmp(&saved, &preferences, sizeof saved));
}

TEST_F(PreferencesWin, ShortRecordFillsOnlyItsFirstBytes)
{
    Preferences stored = PreferencesDefaults();
    stored.displaySize = 20;
    stored.defaultWidth = -5;
    stored.drawParam = 0x1234;
    stored.pencilParam = 0x0002;
    stored.toolCharacter = '+'; // beyond the stored bytes
    StoreRaw(stored, 46);
    preferences.toolCharacter = '%';
    EXPECT_EQ(0u, LoadPreferences());
    EXPECT_EQ(14, preferences.displaySize);
    EXPECT_EQ(0, preferences.defaultWidth);
    EXPECT_EQ(0x0004, preferences.drawParam);
    EXPECT_EQ(0x8002, preferences.pencilParam);
    EXPECT_EQ('%', preferences.toolCharacter);
}

TEST_F(PreferencesWin, LaterVersionsWarnAndAreCorrected)
{
    Preferences stored = PreferencesDefaults();
    stored.preferencesVersion = 5;
    stored.bigTextSize = 500;
    StoreRaw(stored, sizeof stored);
    auto box = AnswerNextMessageBox(IDOK);
    EXPECT_EQ(0u, LoadPreferences());
    BoxSeen seen = box.get();
    EXPECT_EQ("The Glyphwright preferences are from a later version than this version of Glyphwright. Some "
              "settings may be lost.",
              seen.text);
    EXPECT_EQ("Error", seen.caption);
    EXPECT_EQ(127, preferences.bigTextSize);

    // A record longer than ours is also from a later version.
    stored.preferencesVersion = 4;
    StoreRaw(stored, 700);
    ReportCatcher reports;
    EXPECT_EQ(static_cast<ErrorCode>(ERROR_MORE_DATA), LoadPreferences());
    EXPECT_EQ(1, reports.messages);
    EXPECT_EQ(404u, reports.lastMessage);
    EXPECT_LE(preferences.bigTextSize, 127);
    EXPECT_EQ(0, preferences.displayFont[31]);
}
