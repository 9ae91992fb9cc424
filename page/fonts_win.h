// Listing the installed fonts and measuring the display font's characters.
#pragma once

#include <windows.h>

#include "base/error.h"
#include "page/font_list.h"

// What FontAnalyseProc fills, through the enumeration's value.
struct FontListFill {
    HDC context;        // where fixed-pitch candidates are measured
    FontEntry *entries; // filled in turn, up to `count`
    int count;
    int filled;
    ErrorCode error;    // the failure that stopped the enumeration
};

// Fills fontData and numFonts; on failure they are unchanged.
ErrorCode CalculateFontNames();
// Lists the fonts the first time they are wanted: a start has no use for them,
// and listing them costs it a noticeable moment. A failure has been reported
// and leaves the list empty until the next time.
void FontNamesNeed();
// Adds one to the int the value points at, for each family.
int CALLBACK FontCountProc(const LOGFONTA *face, const TEXTMETRICA *metrics, DWORD type, LPARAM value);
// Fills the next entry of the FontListFill the value points at, once per family.
int CALLBACK FontAnalyseProc(const LOGFONTA *face, const TEXTMETRICA *metrics, DWORD type, LPARAM value);
// The display font of the preferences, its size in points on `context`'s
// device; null, unreported, when the system cannot make it.
HFONT FontDisplayCreate(HDC context);
// Sets fontWidth, fontHeight, charPixels and charGrays from the display font
// of the preferences; on failure they are unchanged.
ErrorCode CalculateFontGrays();
