#include <windows.h>

#include <algorithm>

#include "base/common_dialogs_win.h"
#include "base/module_win.h"
#include "base/preferences.h"
#include "page/font_list.h"
#include "tools/button_classes_win.h"
#include "tools/button_drag_win.h"
#include "tools/button_text_win.h"
#include "tools/button_values.h"

namespace {

// The button's three zones: the font name above, the size and the style below.
enum FontZone { zoneName, zoneSize, zoneStyle };

const int zoneNameHeight = 16;
const int fontNameStep = 8; // pixels sideways per font
const int fontSizeStep = 4;
const int fontSizeMin = 4, fontSizeMax = 127;
const DWORD fontHoldTicks = 500; // holding still this long asks for the font dialog
const int nameTop = 5, lowerTop = 19;
const int nameHeight = 12, lowerHeight = 9;
const char lowerFace[] = "MS Sans Serif";

// Help for each zone.
const Placing zonePlacings[] = {
    PlacingMake(cursorSizeWE, 114, 115), // "Big Text Font"
    PlacingMake(cursorSizeWE, 116, 117), // "Big Text Size"
    PlacingMake(cursorMove, 118, 119),   // "Big Text Style"
};
// Names of the styles, by bold × 2 + italic: "Plain", "Italic", "Bold", "Bd It".
const unsigned styleNames[] = {101, 103, 102, 104};

FontZone BigTextFontZone(ToolButton *button, POINTS point)
{
    if (point.y - buttonTop < zoneNameHeight)
        return zoneName;
    return point.x < (button->left + button->right) / 2 ? zoneSize : zoneStyle;
}

int BigTextStyle()
{
    return (preferences.bigTextBold != 0) * 2 + (preferences.bigTextItalic != 0);
}

void BigTextFontMyDraw(HDC context, ToolButton *button, bool pressed)
{
    const int left = button->left, right = button->right, width = right - left;
    ToolDrawButton(context, 0, left, right, pressed);
    char size[8];
    wsprintfA(size, "%i", static_cast<std::int16_t>(preferences.bigTextSize));
    char style[32] = "";
    LoadStringA(theInstance, styleNames[BigTextStyle()], style, sizeof style);
    const ButtonTextStyle nameStyle = {preferences.bigTextFont, nameHeight, false, false};
    const ButtonTextStyle sizeStyle = {lowerFace, lowerHeight, false, false};
    const ButtonTextStyle styleStyle = {lowerFace, lowerHeight, preferences.bigTextBold != 0,
                                        preferences.bigTextItalic != 0};
    // A failed font was shown to the user; the rest of the face stays blank.
    if (ButtonWriteCentred(context, nameStyle, preferences.bigTextFont, (left + right) / 2, nameTop, width) ||
        ButtonWriteCentred(context, sizeStyle, size, (3 * left + right) / 4, lowerTop, width))
        return;
    ButtonWriteCentred(context, styleStyle, style, (left + 3 * right) / 4, lowerTop, width);
}

// The system's font chooser, in points; the size it gives is used as pixels.
void BigTextFontDialog(Document *document)
{
    HDC screen = GetDC(nullptr);
    if (TestZeroError(screen))
        return;
    int perInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTA font = {};
    font.lfHeight = -(static_cast<std::int16_t>(preferences.bigTextSize) * perInch / 72);
    font.lfWeight = preferences.bigTextBold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = preferences.bigTextItalic != 0;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, preferences.bigTextFont, LF_FACESIZE);
    CHOOSEFONTA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = document->window;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_NOSCRIPTSEL | CF_FORCEFONTEXIST | CF_LIMITSIZE;
    choose.nSizeMin = fontSizeMin;
    choose.nSizeMax = fontSizeMax;
    if (!CommonChooseFont(&choose)) // cancelled, or the dialog could not open: nothing changes
        return;
    lstrcpynA(preferences.bigTextFont, font.lfFaceName, sizeof preferences.bigTextFont);
    preferences.bigTextSize = choose.iPointSize / 10;
    preferences.bigTextBold = (choose.nFontType & BOLD_FONTTYPE) != 0;
    preferences.bigTextItalic = (choose.nFontType & ITALIC_FONTTYPE) != 0;
}

void FontNameRead(ToolButton *, int value[2])
{
    const FontEntry *begin = fontData, *end = fontData + numFonts;
    const FontEntry *found = std::find_if(begin, end, [](const FontEntry &entry) {
        return FontNameCompare(entry.name, preferences.bigTextFont) == 0;
    });
    value[0] = found == end ? 0 : static_cast<int>(found - fontData);
}

bool FontNameFollow(Document *document, ButtonDrag &drag, POINT offset)
{
    drag.value[0] = ButtonDragValue(drag.start[0], offset.x, fontNameStep, 0, std::max(numFonts - 1, 0));
    bool still = !drag.moved && drag.value[0] == drag.start[0];
    if (!still || GetTickCount() - drag.pressTicks <= fontHoldTicks)
        return true;
    BigTextFontDialog(document);
    drag.forced = true;
    return false;
}

void FontNameWrite(ToolButton *, const int value[2])
{
    lstrcpynA(preferences.bigTextFont, fontData[value[0]].name, sizeof preferences.bigTextFont);
}

void FontSizeRead(ToolButton *, int value[2])
{
    value[0] = static_cast<std::int16_t>(preferences.bigTextSize);
}

bool FontSizeFollow(Document *, ButtonDrag &drag, POINT offset)
{
    drag.value[0] = ButtonDragValue(drag.start[0], offset.x, fontSizeStep, fontSizeMin, fontSizeMax);
    return true;
}

void FontSizeWrite(ToolButton *, const int value[2])
{
    preferences.bigTextSize = value[0];
}

void FontStyleRead(ToolButton *, int value[2])
{
    value[0] = BigTextStyle();
}

bool FontStyleFollow(Document *, ButtonDrag &drag, POINT offset)
{
    drag.value[0] = BigTextStyleValue(drag.value[0], offset.x, offset.y);
    return true;
}

void FontStyleWrite(ToolButton *, const int value[2])
{
    preferences.bigTextBold = static_cast<char>(value[0] >> 1);
    preferences.bigTextItalic = static_cast<char>(value[0] & 1);
}

const DragKind zoneDrags[] = {
    {BigTextFontMyDraw, FontNameRead, FontNameFollow, FontNameWrite, recalcChanged},
    {BigTextFontMyDraw, FontSizeRead, FontSizeFollow, FontSizeWrite, recalcChanged},
    {BigTextFontMyDraw, FontStyleRead, FontStyleFollow, FontStyleWrite, recalcChanged},
};

} // namespace

void BigTextFontDraw(HDC context, ToolButton *button)
{
    BigTextFontMyDraw(context, button, false);
}

void BigTextFontMouse(Document *document, ToolButton *button, POINTS localPoint)
{
    ButtonDragFollow(document, button, localPoint, zoneDrags[BigTextFontZone(button, localPoint)]);
}

Placing BigTextFontPlacing(Document *, ToolButton *button, POINTS localPoint)
{
    return zonePlacings[BigTextFontZone(button, localPoint)];
}
