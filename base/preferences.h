// The one record of settings, kept whole in the registry as its stored form.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/error.h"

// Colours are 0x00BBGGRR, red in the low byte.
typedef std::uint32_t Color;

#pragma pack(push, 1)
struct Preferences {
    std::int32_t preferencesVersion;   // always written as preferencesCurrentVersion
    Color rulerColor;                  // rulers and their corner square
    Color backColor;                   // page background
    Color foreColor;                   // characters
    char emailWidthQuiet;              // Send Email does not ask about drawings wider than mail keeps
    std::uint8_t reserved1[7];
    std::int32_t displaySize;          // display font size in points, 6 to 14
    std::int32_t bigTextSize;          // 4 to 127
    std::int16_t defaultWidth;         // columns of a new document, 0 to 500
    std::int16_t defaultHeight;        // rows of a new document, 0 to 16000
    std::int16_t textJustification;    // text tool, 0 to 3
    std::int16_t selectTransparent;    // select tool's transparency setting
    std::uint16_t pencilParam;         // pencil shape and size
    std::uint16_t rubberParam;         // rubber shape and size
    std::uint16_t drawParam;           // line, circle and rectangle pen
    std::int16_t tipNumber;            // last tip shown, 1 to 21
    std::uint16_t reserved2;
    std::int16_t bigTextJustification; // 0 to 2
    char toolCharacter;                // drawing character of the drawing tools
    char bigTextBold;
    char bigTextItalic;
    char bigTextAuto;
    char circleAuto;
    char lineAuto;
    char pencilAuto;
    char rectangleAuto;
    char pictureSquish;                // picture scaling mode
    char allowNonASCII;                // characters outside 32 to 127 allowed
    char compounds;                    // crossing line characters combine
    char horiRuleMode;                 // table ruling across the width
    char vertRuleMode;                 // table ruling down the height
    char displayFont[32];
    char bigTextFont[32];
    char messagePrefix[256];           // put before drawings that leave the program
    unsigned char grayscaleCharacters[256]; // picture characters, light to dark
    std::uint8_t padding[7];
};
#pragma pack(pop)

static_assert(sizeof(Preferences) == 648, "the stored record is 648 bytes");
static_assert(offsetof(Preferences, emailWidthQuiet) == 16, "stored layout: 0 in records saved before it");
static_assert(offsetof(Preferences, displaySize) == 24, "stored layout");
static_assert(offsetof(Preferences, defaultWidth) == 32, "stored layout");
static_assert(offsetof(Preferences, pencilParam) == 40, "stored layout");
static_assert(offsetof(Preferences, bigTextJustification) == 50, "stored layout");
static_assert(offsetof(Preferences, toolCharacter) == 52, "stored layout");
static_assert(offsetof(Preferences, vertRuleMode) == 64, "stored layout");
static_assert(offsetof(Preferences, displayFont) == 65, "stored layout");
static_assert(offsetof(Preferences, bigTextFont) == 97, "stored layout");
static_assert(offsetof(Preferences, messagePrefix) == 129, "stored layout");
static_assert(offsetof(Preferences, grayscaleCharacters) == 385, "stored layout");
static_assert(offsetof(Preferences, padding) == 641, "stored layout");

const std::int32_t preferencesCurrentVersion = 4;

// The built-in picture character sets, light to dark.
extern const char defaultAChars[];
extern const char defaultBChars[];

extern Preferences preferences;

// The built-in settings of a first start.
Preferences PreferencesDefaults();
// Brings every checked field into its range.
void PreferencesCorrect(Preferences &prefs);

// Fills `preferences` from the registry; the defaults stay when nothing is stored.
ErrorCode LoadPreferences();
// Writes `preferences` to the registry; a failure is reported there.
void SavePreferences();
