// The stored preferences record, which anyone can edit: a value of any
// length laid over the defaults as the registry reads it, brought into
// range, then used by the code that reads the settings, and a drawing made
// with its characters saved and read back.
#include <algorithm>
#include <cstring>

#include "base/memory.h"
#include "base/preferences.h"
#include "document/doc_files.h"
#include "page/picture_chars.h"
#include "page/picture_levels.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/prefs_invariants.h"
#include "tools/freehand.h"

// In range, with only what was out of range changed, and unchanged when
// brought into range again.
static Preferences FuzzLoad(FuzzedDataProvider &input)
{
    Preferences prefs = PreferencesDefaults();
    FuzzBytes stored = FuzzRest(input);
    std::memcpy(&prefs, stored.data(), std::min(stored.size(), sizeof prefs));
    Preferences read = prefs;
    PreferencesCorrect(prefs);
    const char *fault = PrefsLoadFault(read, prefs);
    FuzzCheck(!fault, fault ? fault : "");
    read = prefs;
    PreferencesCorrect(read);
    FuzzCheck(std::memcmp(&read, &prefs, sizeof prefs) == 0, "correcting a loaded record changes nothing");
    return prefs;
}

// Draws with the pens and the drawing character, and a grey ramp with the
// picture characters, onto a document's page.
static void FuzzDraw(Page &page)
{
    std::uint16_t pens[] = {preferences.pencilParam, preferences.drawParam, preferences.rubberParam};
    for (int i = 0; i < 3; ++i)
        SetCharsPage(page, 6 + 10 * i, 5, i < 2 ? preferences.toolCharacter : ' ', StrokeSize(pens[i]),
                     (pens[i] & penRound) != 0);
    unsigned char ramp[256];
    for (int i = 0; i < 256; ++i)
        ramp[i] = static_cast<unsigned char>(i);
    PictureGrayOnPage(page, {ramp, 64, 64, 4}, 0, 12);
}

void FuzzOne(FuzzedDataProvider &input)
{
    preferences = FuzzLoad(input);
    CalculateGrayChars(); // each darkness gets a character of the picture set
    for (unsigned char gray : grayChars)
        FuzzCheck(gray && std::strchr(reinterpret_cast<const char *>(preferences.grayscaleCharacters), gray),
                  "grey characters from the set");
    ErrorCode error;
    Document *document = DocRecordNew(error, 64, 16);
    FuzzReported(error, "DocRecordNew");
    if (document) {
        FuzzDraw(document->now.back);
        FuzzSaveReread(*document, false);
        DocRecordKill(document);
    }
    preferences = PreferencesDefaults();
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A font in which some characters look alike, as real ones do.
    for (int c = 0; c < 256; ++c)
        charPixels[c] = static_cast<std::int16_t>(c * 37 % 61);
    return 0;
}
