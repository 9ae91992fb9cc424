#include "base/preferences_check.h"

#include <cstring>

unsigned PrefsGrayFaults(const unsigned char *set, bool allowNonASCII)
{
    unsigned faults = 0;
    std::size_t length = 0;
    for (; set[length]; ++length)
        if (!allowNonASCII && (set[length] < 32 || set[length] > 127))
            faults = prefsFaultNonASCII;
    if (length < 2)
        faults |= prefsFaultTooFew;
    return faults;
}

bool PrefsFontChanged(const Preferences &old, const Preferences &now)
{
    return std::strcmp(old.displayFont, now.displayFont) || old.displaySize != now.displaySize;
}

bool PrefsDisplayChanged(const Preferences &old, const Preferences &now)
{
    return PrefsFontChanged(old, now) || old.rulerColor != now.rulerColor || old.backColor != now.backColor ||
           old.foreColor != now.foreColor;
}
