#include "base/preferences.h"

#include <windows.h>

#include "base/message.h"
#include "base/registry_win.h"

static const char prefsPath[] = "Software\0Brellow Software\0Glyphwright\0\0Preferences";

ErrorCode LoadPreferences()
{
    LONG result = ReadRegistryEntry(HKEY_CURRENT_USER, prefsPath, &preferences, sizeof preferences);
    bool later = result == ERROR_MORE_DATA ||
                 (result == ERROR_SUCCESS && preferences.preferencesVersion > preferencesCurrentVersion);
    if (later)
        MessageShow(messageLaterPreferences, MB_OK | MB_ICONSTOP);
    else if (result != ERROR_SUCCESS)
        return result; // nothing stored yet: the defaults stay
    PreferencesCorrect(preferences);
    return result;
}

void SavePreferences()
{
    preferences.preferencesVersion = preferencesCurrentVersion;
    WriteRegistryEntry(HKEY_CURRENT_USER, prefsPath, REG_BINARY, &preferences, sizeof preferences);
}
