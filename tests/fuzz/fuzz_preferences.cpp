// The stored preferences record, which anyone can edit: a value of any
// length laid over the defaults as the registry reads it, brought into
// range, then used by the code that reads the settings, and a drawing made
// with its characters saved and read back.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/memory.h"
#include "base/preferences.h"
#include "document/doc_files.h"
#include "page/picture.h"
#include "page/picture_chars.h"
#include "page/picture_levels.h"
#include "page/table_conversion.h"
#include "page/text_conversion.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/prefs_invariants.h"
#include "tools/freehand.h"

static Preferences FuzzLoad(const std::uint8_t *data, std::size_t size)
{
    Preferences prefs = PreferencesDefaults();
    std::memcpy(&prefs, data, std::min(size, sizeof prefs));
    Preferences stored = prefs;
    PreferencesCorrect(prefs);
    if (const char *fault = PrefsLoadFault(stored, prefs)) {
        std::fprintf(stderr, "field %s\n", fault);
        FuzzCheck(false, "loaded in range, and only what was out of range changed");
    }
    Preferences again = prefs;
    PreferencesCorrect(again);
    FuzzCheck(std::memcmp(&again, &prefs, sizeof prefs) == 0, "correcting a loaded record changes nothing");
    return prefs;
}

// Each darkness gets a character of the picture set.
static void FuzzGrays()
{
    CalculateGrayChars();
    const char *set = reinterpret_cast<const char *>(preferences.grayscaleCharacters);
    for (unsigned char gray : grayChars)
        FuzzCheck(gray && std::strchr(set, gray), "grey characters from the set");
}

// The message prefix over a copied drawing, and a small table ruled both ways.
static void FuzzTexts(FuzzRun &run, const Page &drawing)
{
    unsigned char *text;
    std::size_t size;
    ErrorCode error = PageToText(text, size, drawing, false);
    run.Reported(error, "PageToText");
    if (!error)
        Destroy(text);
    static const unsigned char cells[] = "Name\tAge\r\nBob\t42\r\n";
    auto horiMode = static_cast<RuleMode>(preferences.horiRuleMode);
    TableRecord *table = TextToTable(error, cells, sizeof cells - 1, 20, horiMode);
    run.Reported(error, "TextToTable");
    if (error)
        return;
    Page page;
    error = TableToPage(page, table, horiMode, static_cast<RuleMode>(preferences.vertRuleMode));
    run.Reported(error, "TableToPage");
    if (!error)
        PageKill(page);
    Destroy(table);
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzRun run;
    preferences = FuzzLoad(data, size);
    CellRect area;
    FuzzCheck(PictureDrawArea(Page{60, 40, nullptr}, 300, 100, preferences.pictureSquish, area),
              "a picture drawn in any scaling mode");
    FuzzGrays();
    ErrorCode error;
    Document *document = DocRecordNew(error, 64, 16);
    run.Reported(error, "DocRecordNew");
    if (document) {
        FuzzDraw(document->now.back);
        FuzzTexts(run, document->now.back);
        FuzzSaveReread(run, *document, false);
        DocRecordKill(document);
    }
    preferences = PreferencesDefaults();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A font in which some characters look alike, as real ones do.
    for (int c = 0; c < 256; ++c)
        charPixels[c] = static_cast<std::int16_t>(c * 37 % 61);
    return 0;
}
