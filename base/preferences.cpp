#include "base/preferences.h"

#include <algorithm>
#include <cstring>

const char defaultAChars[] = " `'~!:;=*&%j3$S84UAR#@HNM";
const char defaultBChars[] = " .`'^\"-!~=?+j%3$95&8SDX#NB@";

Preferences PreferencesDefaults()
{
    Preferences prefs;
    std::memset(&prefs, 0, sizeof prefs);
    prefs.preferencesVersion = preferencesCurrentVersion;
    prefs.rulerColor = 0x00FFFFC0;
    prefs.backColor = 0x00FFFFFF;
    prefs.foreColor = 0x00000000;
    prefs.displaySize = 9;
    prefs.bigTextSize = 12;
    prefs.defaultWidth = 74;
    prefs.defaultHeight = 24;
    prefs.pencilParam = 0xC001;
    prefs.rubberParam = 0x8001;
    prefs.drawParam = 1;
    prefs.tipNumber = 1;
    prefs.toolCharacter = '*';
    prefs.bigTextAuto = 1;
    prefs.circleAuto = 1;
    prefs.lineAuto = 1;
    prefs.rectangleAuto = 1;
    prefs.pictureSquish = 2;
    prefs.compounds = 1;
    prefs.horiRuleMode = 3;
    prefs.vertRuleMode = 2;
    std::strcpy(prefs.displayFont, "Courier New");
    std::strcpy(prefs.bigTextFont, "Arial");
    std::strcpy(prefs.messagePrefix, "Please view in a fixed-width font such as Courier.");
    std::memcpy(prefs.grayscaleCharacters, defaultAChars, sizeof defaultAChars);
    return prefs;
}

Preferences preferences = PreferencesDefaults();

template <class T> static void Clamp(T &value, int low, int high)
{
    value = static_cast<T>(std::clamp<int>(value, low, high));
}

// A pen draws from 1 to 12 cells wide: a size of 0 would draw nothing.
static std::uint16_t PrefsPenCorrect(unsigned param)
{
    unsigned size = std::clamp<unsigned>(param & 0x0FFF, 1, 12);
    return static_cast<std::uint16_t>((param & ~0x0FFFu) | size);
}

// Control characters (line ends, tabs, 0) would break the lines of pages
// and of the text they are saved as.
static bool PrefsControl(char character)
{
    return static_cast<unsigned char>(character) < ' ';
}

static void PrefsDropControls(unsigned char *characters)
{
    unsigned char *kept = characters;
    for (; *characters; ++characters)
        if (!PrefsControl(static_cast<char>(*characters)))
            *kept++ = *characters;
    *kept = 0;
}

void PreferencesCorrect(Preferences &prefs)
{
    Clamp(prefs.defaultWidth, 0, 500);
    Clamp(prefs.defaultHeight, 0, 16000);
    Clamp(prefs.displaySize, 6, 14);
    Clamp(prefs.textJustification, 0, 3);
    Clamp(prefs.bigTextJustification, 0, 2);
    Clamp(prefs.bigTextSize, 4, 127);
    // The pen settings keep their shape bits (15, 14) and size (0-3); bit 15 is always set.
    prefs.pencilParam = PrefsPenCorrect((prefs.pencilParam | 0x8000) & 0xC00F);
    prefs.rubberParam = PrefsPenCorrect((prefs.rubberParam | 0x8000) & 0xC00F);
    prefs.drawParam = PrefsPenCorrect(prefs.drawParam & 0x000F);
    // A stored record is outside input: settings that index tables are kept in
    // range and strings are always terminated.
    Clamp(prefs.pictureSquish, 0, 2);
    Clamp(prefs.horiRuleMode, 0, 3);
    Clamp(prefs.vertRuleMode, 0, 3);
    Clamp(prefs.tipNumber, 1, 21);
    prefs.displayFont[sizeof prefs.displayFont - 1] = 0;
    prefs.bigTextFont[sizeof prefs.bigTextFont - 1] = 0;
    prefs.messagePrefix[sizeof prefs.messagePrefix - 1] = 0;
    prefs.grayscaleCharacters[sizeof prefs.grayscaleCharacters - 1] = 0;
    PrefsDropControls(prefs.grayscaleCharacters);
    if (!prefs.grayscaleCharacters[0] || !prefs.grayscaleCharacters[1])
        std::memcpy(prefs.grayscaleCharacters, defaultAChars, sizeof defaultAChars);
    if (PrefsControl(prefs.toolCharacter))
        prefs.toolCharacter = '*';
    prefs.emailWidthQuiet = prefs.emailWidthQuiet != 0;
}
