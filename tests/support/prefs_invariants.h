// What a loaded preferences record always satisfies, whatever was stored:
// shared by the tests that load hostile records and the fuzz target.
#pragma once

#include <cstddef>

#include "base/preferences.h"

// One checked field: where it lies in the record and whether its value is
// one the program can use.
struct PrefsInvariant {
    const char *name;
    std::size_t offset, size;
    bool (*holds)(const Preferences &prefs);
};

// The first field of `prefs` out of range, or null.
const PrefsInvariant *PrefsBroken(const Preferences &prefs);
// Whether `loaded` is `stored` brought into range and nothing more: every
// field is in range, and those already in range in `stored` kept their
// bytes, as did the fields that are not checked. Names the first field that
// is not so, or gives null.
const char *PrefsLoadFault(const Preferences &stored, const Preferences &loaded);
