// Checks on an edited copy of the preferences before it is applied.
#pragma once

#include "base/preferences.h"

// What the Preferences dialog refuses, one bit each, in the order it reports them.
enum PrefsFault : unsigned {
    prefsFaultNonASCII = 1,    // a picture character outside 32 to 127, not allowed
    prefsFaultDimensions = 2,  // a new-document size out of range (corrected in its field)
    prefsFaultTooFew = 4,      // fewer than 2 picture characters
};

// The faults of the 0-terminated picture character set `set`.
unsigned PrefsGrayFaults(const unsigned char *set, bool allowNonASCII);
// Whether the display font's name (as text) or size differs.
bool PrefsFontChanged(const Preferences &old, const Preferences &now);
// Whether the page would look different: the font or any of its colours.
bool PrefsDisplayChanged(const Preferences &old, const Preferences &now);
