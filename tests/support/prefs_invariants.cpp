#include "tests/support/prefs_invariants.h"

static bool In(int value, int low, int high)
{
    return value >= low && value <= high;
}

// Control characters would break the lines of a saved drawing.
static bool Shows(unsigned char character)
{
    return character >= ' ';
}

static bool AllShow(const unsigned char *set)
{
    for (; *set; ++set)
        if (!Shows(*set))
            return false;
    return true;
}

// A pen's size (1 to 12 cells) and shape bits, with its shape free to change (bit 15).
static bool PenHolds(unsigned param)
{
    return (param & 0x8000) && !(param & ~0xC00Fu) && In(param & 0xF, 1, 12);
}

#define PREFS_FIELD(field) #field, offsetof(Preferences, field), sizeof(Preferences::field)

static const PrefsInvariant invariants[] = {
    {PREFS_FIELD(emailWidthQuiet), [](const Preferences &p) { return In(p.emailWidthQuiet, 0, 1); }},
    {PREFS_FIELD(displaySize), [](const Preferences &p) { return In(p.displaySize, 6, 14); }},
    {PREFS_FIELD(bigTextSize), [](const Preferences &p) { return In(p.bigTextSize, 4, 127); }},
    {PREFS_FIELD(defaultWidth), [](const Preferences &p) { return In(p.defaultWidth, 0, 500); }},
    {PREFS_FIELD(defaultHeight), [](const Preferences &p) { return In(p.defaultHeight, 0, 16000); }},
    {PREFS_FIELD(textJustification), [](const Preferences &p) { return In(p.textJustification, 0, 3); }},
    {PREFS_FIELD(pencilParam), [](const Preferences &p) { return PenHolds(p.pencilParam); }},
    {PREFS_FIELD(rubberParam), [](const Preferences &p) { return PenHolds(p.rubberParam); }},
    {PREFS_FIELD(drawParam), [](const Preferences &p) { return In(p.drawParam, 1, 12); }},
    {PREFS_FIELD(tipNumber), [](const Preferences &p) { return In(p.tipNumber, 1, 21); }},
    {PREFS_FIELD(bigTextJustification), [](const Preferences &p) { return In(p.bigTextJustification, 0, 2); }},
    {PREFS_FIELD(toolCharacter), [](const Preferences &p) { return Shows(p.toolCharacter); }},
    {PREFS_FIELD(pictureSquish), [](const Preferences &p) { return In(p.pictureSquish, 0, 2); }},
    {PREFS_FIELD(horiRuleMode), [](const Preferences &p) { return In(p.horiRuleMode, 0, 3); }},
    {PREFS_FIELD(vertRuleMode), [](const Preferences &p) { return In(p.vertRuleMode, 0, 3); }},
    {PREFS_FIELD(displayFont), [](const Preferences &p) { return !p.displayFont[31]; }},
    {PREFS_FIELD(bigTextFont), [](const Preferences &p) { return !p.bigTextFont[31]; }},
    {PREFS_FIELD(messagePrefix), [](const Preferences &p) { return !p.messagePrefix[255]; }},
    {PREFS_FIELD(grayscaleCharacters),
     [](const Preferences &p) {
         return p.grayscaleCharacters[0] && p.grayscaleCharacters[1] && !p.grayscaleCharacters[255] && AllShow(p.grayscaleCharacters);
     }},
};

const PrefsInvariant *PrefsBroken(const Preferences &prefs)
{
    for (const PrefsInvariant &invariant : invariants)
        if (!invariant.holds(prefs))
            return &invariant;
    return nullptr;
}

// The invariant that covers byte `offset` of the record, or null.
static const PrefsInvariant *PrefsCovering(std::size_t offset)
{
    for (const PrefsInvariant &invariant : invariants)
        if (offset >= invariant.offset && offset < invariant.offset + invariant.size)
            return &invariant;
    return nullptr;
}

const char *PrefsLoadFault(const Preferences &stored, const Preferences &loaded)
{
    if (const PrefsInvariant *broken = PrefsBroken(loaded))
        return broken->name;
    const auto *before = reinterpret_cast<const unsigned char *>(&stored);
    const auto *after = reinterpret_cast<const unsigned char *>(&loaded);
    for (std::size_t offset = 0; offset < sizeof(Preferences); ++offset) {
        const PrefsInvariant *field = PrefsCovering(offset);
        if (before[offset] != after[offset] && (!field || field->holds(stored)))
            return field ? field->name : "an unchecked field";
    }
    return nullptr;
}
