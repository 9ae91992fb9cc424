#include "app/preferences_dialog_win.h"

#include <cstring>
#include <iterator>

#include "app/doc_window_win.h"
#include "base/center_window_win.h"
#include "base/common_dialogs_win.h"
#include "base/dialog_number_win.h"
#include "base/message.h"
#include "base/module_win.h"
#include "base/preferences_check.h"
#include "document/doc_files.h"
#include "page/fonts_win.h"
#include "page/picture_chars.h"

Preferences newPrefs;

// The dialog resource and the controls the program reads or fills.
enum PrefsItem {
    prefsDialog = 200,
    prefsHint = 103,
    prefsColumns = 207,
    prefsRows = 208,
    prefsFontList = 213,
    prefsSizeList = 214,
    prefsGrayChars = 217,
    prefsNonASCII = 219,
    prefsPrefix = 221,
    prefsAskWidth = 227,
};

const int prefsFirstSize = 6, prefsLastSize = 14;

struct PrefsNumber {
    int item;
    std::int16_t Preferences::*field;
    int maximum; // the minimum is 1
};

static const PrefsNumber prefsNumbers[] = {
    {prefsColumns, &Preferences::defaultWidth, docMaxColumns},
    {prefsRows, &Preferences::defaultHeight, docFileMaxRows},
};

// The owner-drawn buttons that show a colour and open the colour chooser.
struct PrefsSwatch {
    int item;
    Color Preferences::*color;
};

static const PrefsSwatch prefsSwatches[] = {
    {209, &Preferences::rulerColor},
    {206, &Preferences::backColor},
    {210, &Preferences::foreColor},
};

// The buttons that put back a built-in display font with its picture characters.
struct PrefsDefault {
    int item;
    const char *font;
    int size;
    const char *grayChars;
};

static const PrefsDefault prefsDefaults[] = {
    {225, "Courier New", 9, defaultAChars},
    {226, "Courier", 10, defaultBChars},
};

// Each fault's message, in the order they are shown.
struct PrefsFaultMessage {
    unsigned fault;
    unsigned message;
};

static const PrefsFaultMessage prefsFaultMessages[] = {
    {prefsFaultNonASCII, messageOnlyASCII},
    {prefsFaultDimensions, messageBadDimensions},
    {prefsFaultTooFew, messageTooFewGrays},
};

static const PrefsSwatch *PrefsSwatchOf(int item)
{
    for (const PrefsSwatch &swatch : prefsSwatches)
        if (swatch.item == item)
            return &swatch;
    return nullptr;
}

static char *PrefsGrayText(Preferences &prefs)
{
    return reinterpret_cast<char *>(prefs.grayscaleCharacters);
}

// Selects the entry whose text equals `text` exactly (the list's own search
// ignores case); none such leaves the selection as it was. Every entry is a
// face name or a size, well within the buffer.
static void PrefsListSelect(HWND dialog, int list, const char *text)
{
    int count = static_cast<int>(SendDlgItemMessageA(dialog, list, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char entry[sizeof newPrefs.displayFont] = "";
        SendDlgItemMessageA(dialog, list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry));
        if (!std::strcmp(entry, text)) {
            SendDlgItemMessageA(dialog, list, CB_SETCURSEL, index, 0);
            return;
        }
    }
}

void ShowPreferencesItems(HWND theDialog)
{
    for (const PrefsNumber &number : prefsNumbers)
        SetDlgItemInt(theDialog, number.item, newPrefs.*number.field, FALSE);
    SetDlgItemTextA(theDialog, prefsGrayChars, PrefsGrayText(newPrefs));
    PrefsListSelect(theDialog, prefsFontList, newPrefs.displayFont);
    char size[16];
    wsprintfA(size, "%i", newPrefs.displaySize);
    PrefsListSelect(theDialog, prefsSizeList, size);
    CheckDlgButton(theDialog, prefsNonASCII, newPrefs.allowNonASCII ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(theDialog, prefsPrefix, newPrefs.messagePrefix);
    CheckDlgButton(theDialog, prefsAskWidth, newPrefs.emailWidthQuiet ? BST_UNCHECKED : BST_CHECKED);
}

// Only fixed-width fonts keep the page's columns straight.
static void PrefsInit(HWND dialog)
{
    CenterWindow(dialog, nullptr);
    for (int font = 0; font < numFonts; ++font)
        if (fontData[font].fixed)
            SendDlgItemMessageA(dialog, prefsFontList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fontData[font].name));
    for (int size = prefsFirstSize; size <= prefsLastSize; ++size) {
        char text[16];
        wsprintfA(text, "%i", size);
        SendDlgItemMessageA(dialog, prefsSizeList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    char hint[256];
    if (LoadStringA(theInstance, stringDimensionsHint, hint, sizeof hint))
        SetDlgItemTextA(dialog, prefsHint, hint);
    newPrefs = preferences;
    ShowPreferencesItems(dialog);
    // A display font that is no longer installed gives way to the first fixed
    // one: OK would otherwise store no name, and the page would be painted in
    // a proportional font.
    if (SendDlgItemMessageA(dialog, prefsFontList, CB_GETCURSEL, 0, 0) == CB_ERR)
        SendDlgItemMessageA(dialog, prefsFontList, CB_SETCURSEL, 0, 0);
}

// The chooser's custom colours start black and are not kept between uses.
static void PrefsChooseColor(HWND dialog, const PrefsSwatch &swatch)
{
    COLORREF customColors[16] = {};
    CHOOSECOLORA chooser = {};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = dialog;
    chooser.rgbResult = newPrefs.*swatch.color;
    chooser.lpCustColors = customColors;
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!CommonChooseColor(&chooser))
        return;
    newPrefs.*swatch.color = chooser.rgbResult;
    InvalidateRect(GetDlgItem(dialog, swatch.item), nullptr, FALSE);
}

// Only a whole swatch is drawn here; focus and selection changes are left to the system.
static BOOL PrefsDrawSwatch(const DRAWITEMSTRUCT &item)
{
    const PrefsSwatch *swatch = PrefsSwatchOf(static_cast<int>(item.CtlID));
    if (!swatch || item.itemAction != ODA_DRAWENTIRE)
        return FALSE;
    HBRUSH brush = CreateSolidBrush(newPrefs.*swatch->color);
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
    FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return TRUE;
}

static void PrefsUseDefault(HWND dialog, const PrefsDefault &choice)
{
    std::strcpy(newPrefs.displayFont, choice.font);
    newPrefs.displaySize = choice.size;
    std::strcpy(PrefsGrayText(newPrefs), choice.grayChars);
    ShowPreferencesItems(dialog);
}

// Every field is read before any message, so that each faulty number shows its nearest limit.
static unsigned PrefsReadFields(HWND dialog)
{
    unsigned faults = 0;
    for (const PrefsNumber &number : prefsNumbers) {
        int value;
        if (GetDlgItemIntLimited(dialog, number.item, value, 1, number.maximum))
            faults |= prefsFaultDimensions;
        newPrefs.*number.field = static_cast<std::int16_t>(value);
    }
    GetDlgItemTextA(dialog, prefsGrayChars, PrefsGrayText(newPrefs), sizeof newPrefs.grayscaleCharacters);
    faults |= PrefsGrayFaults(newPrefs.grayscaleCharacters, newPrefs.allowNonASCII);
    GetDlgItemTextA(dialog, prefsPrefix, newPrefs.messagePrefix, sizeof newPrefs.messagePrefix);
    return faults;
}

static void PrefsOk(HWND dialog)
{
    unsigned faults = PrefsReadFields(dialog);
    for (const PrefsFaultMessage &fault : prefsFaultMessages)
        if (faults & fault.fault)
            MessageShow(fault.message, MB_OK | MB_ICONSTOP);
    if (faults)
        return;
    // A drop-down list's text is its selection's; with no fixed font to
    // choose from there is none, and the stored name stays.
    if (SendDlgItemMessageA(dialog, prefsFontList, CB_GETCURSEL, 0, 0) != CB_ERR)
        GetDlgItemTextA(dialog, prefsFontList, newPrefs.displayFont, sizeof newPrefs.displayFont);
    newPrefs.displaySize = static_cast<int>(SendDlgItemMessageA(dialog, prefsSizeList, CB_GETCURSEL, 0, 0)) +
                           prefsFirstSize;
    EndDialog(dialog, IDOK);
}

static void PrefsCommand(HWND dialog, int item, int notification)
{
    if (const PrefsSwatch *swatch = PrefsSwatchOf(item)) {
        if (notification == BN_CLICKED)
            PrefsChooseColor(dialog, *swatch);
        return;
    }
    for (const PrefsDefault &choice : prefsDefaults)
        if (choice.item == item)
            PrefsUseDefault(dialog, choice);
    switch (item) {
    case prefsNonASCII: newPrefs.allowNonASCII = IsDlgButtonChecked(dialog, prefsNonASCII) == BST_CHECKED; break;
    case prefsAskWidth: newPrefs.emailWidthQuiet = IsDlgButtonChecked(dialog, prefsAskWidth) != BST_CHECKED; break;
    case IDOK: PrefsOk(dialog); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break; // the close box too
    }
}

INT_PTR CALLBACK PrefsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: PrefsInit(dialog); return TRUE;
    case WM_DRAWITEM: return PrefsDrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
    case WM_COMMAND: PrefsCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    }
    return FALSE;
}

// The font is measured before the layout, which is made in its cell size. A
// failed measurement has been reported and keeps the old measures.
static void PrefsApply()
{
    Preferences old = preferences;
    preferences = newPrefs;
    if (!PrefsFontChanged(old, preferences) || !CalculateFontGrays())
        CalculateGrayChars();
    if (PrefsDisplayChanged(old, preferences) && theDocument) {
        DocumentSized(theDocument);
        InvalidateRect(theDocument->window, nullptr, FALSE);
    }
}

void DoPreferencesDialog(Document *document)
{
    INT_PTR result = DialogBoxParamA(theInstance, MAKEINTRESOURCEA(prefsDialog), document->window, PrefsDialogProc, 0);
    if (result == -1)
        TestZeroError(nullptr);
    else if (result == IDOK)
        PrefsApply();
}
