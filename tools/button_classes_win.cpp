#include "tools/button_classes_win.h"

#include "base/message.h"
#include "base/preferences.h"
#include "tools/button_text_win.h"

namespace {

// One state of a toggle button: its face and its help.
struct ToggleState {
    int icon;
    unsigned detail;
};

// A button that steps its setting through its states, one per click.
struct Toggle {
    unsigned title;
    int count;
    ToggleState states[3];
    int (*get)(); // the state now, 0 to count - 1
    void (*set)(int state);
};

const Toggle transparentToggle = {
    105, 2, {{256, 107}, {257, 106}}, // "Transparency": opaque, transparent
    [] { return int{preferences.selectTransparent != 0}; },
    [](int state) { preferences.selectTransparent = static_cast<std::int16_t>(state); }};
const Toggle pictureSquishToggle = {
    120, 3, {{263, 121}, {264, 122}, {267, 123}}, // "Picture Scaling": direct, proportional, free
    [] { return int{preferences.pictureSquish}; },
    [](int state) { preferences.pictureSquish = static_cast<char>(state); }};
const Toggle compoundsToggle = {
    128, 2, {{266, 130}, {265, 129}}, // "Compounds": off, on
    [] { return int{preferences.compounds != 0}; },
    [](int state) { preferences.compounds = static_cast<char>(state); }};

void ToggleDraw(const Toggle &toggle, HDC context, ToolButton *button)
{
    ToolDrawButton(context, toggle.states[toggle.get()].icon, button->left, button->right, false);
}

void ToggleMouse(const Toggle &toggle, Document *document, ToolButton *button)
{
    int state = toggle.get();
    int next = (state + 1) % toggle.count;
    if (!ToolTraceButton(document, toggle.states[state].icon, toggle.states[next].icon, button->left, button->right))
        return;
    toggle.set(next);
    ToolInvalRect(document, button->left, button->right);
    ToolRecalculate();
}

Placing TogglePlacing(const Toggle &toggle)
{
    return PlacingMake(cursorHand, toggle.title, toggle.states[toggle.get()].detail);
}

const int characterAutoIcon = 258;
const ButtonTextStyle characterStyle = {preferences.displayFont, 24, true, false};
const int characterTop = 7;
const unsigned characterTitle = 108;
const unsigned characterAutoDetail = 109, characterManualDetail = 110, characterNoFlagDetail = 111;

// The tool's automatic flag, or null where there is none (the bucket).
char *CharacterFlag(ToolButton *button)
{
    return static_cast<char *>(button->pointer);
}

// The Character button is always the first.
void CharacterChanged(Document *document)
{
    ToolButtonInval(document, 0);
    ToolRecalculate();
}

} // namespace

void TransparentDraw(HDC context, ToolButton *button)
{
    ToggleDraw(transparentToggle, context, button);
}

void TransparentMouse(Document *document, ToolButton *button, POINTS)
{
    ToggleMouse(transparentToggle, document, button);
}

Placing TransparentPlacing(Document *, ToolButton *, POINTS)
{
    return TogglePlacing(transparentToggle);
}

void PictureSquishDraw(HDC context, ToolButton *button)
{
    ToggleDraw(pictureSquishToggle, context, button);
}

void PictureSquishMouse(Document *document, ToolButton *button, POINTS)
{
    ToggleMouse(pictureSquishToggle, document, button);
}

Placing PictureSquishPlacing(Document *, ToolButton *, POINTS)
{
    return TogglePlacing(pictureSquishToggle);
}

void CompoundsDraw(HDC context, ToolButton *button)
{
    ToggleDraw(compoundsToggle, context, button);
}

void CompoundsMouse(Document *document, ToolButton *button, POINTS)
{
    ToggleMouse(compoundsToggle, document, button);
}

Placing CompoundsPlacing(Document *, ToolButton *, POINTS)
{
    return TogglePlacing(compoundsToggle);
}

void CharacterDraw(HDC context, ToolButton *button)
{
    const char *flag = CharacterFlag(button);
    if (flag && *flag) {
        ToolDrawButton(context, characterAutoIcon, button->left, button->right, false);
        return;
    }
    ToolDrawButton(context, 0, button->left, button->right, false);
    const char text[] = {preferences.toolCharacter, 0};
    int width = button->right - button->left;
    // A failed font was shown to the user; the face stays blank.
    ButtonWriteCentred(context, characterStyle, text, button->left + width / 2, characterTop, width);
}

// While held over the button it shows the other state's look: the automatic
// icon, or a blank face for manual.
void CharacterMouse(Document *document, ToolButton *button, POINTS)
{
    char *flag = CharacterFlag(button);
    if (!flag)
        return;
    int icon = *flag ? characterAutoIcon : 0;
    int other = *flag ? 0 : characterAutoIcon;
    if (ToolTraceButton(document, icon, other, button->left, button->right)) {
        *flag = !*flag;
        ToolRecalculate();
    }
    ToolInvalRect(document, button->left, button->right);
}

Placing CharacterPlacing(Document *, ToolButton *button, POINTS)
{
    const char *flag = CharacterFlag(button);
    unsigned detail = !flag ? characterNoFlagDetail : *flag ? characterAutoDetail : characterManualDetail;
    return PlacingMake(cursorHand, characterTitle, detail);
}

void CharacterKey(Document *document, char *autoChar, char keyChar)
{
    if (keyChar >= keyLeft && keyChar <= keyDown) {
        StandardKey(document, keyChar);
    } else if (keyChar == keyBackspace && autoChar) {
        *autoChar = 1;
        CharacterChanged(document);
    } else if (preferences.allowNonASCII || static_cast<signed char>(keyChar) >= ' ') {
        // As signed bytes, 128 to 255 fall below the space.
        if (autoChar)
            *autoChar = 0;
        preferences.toolCharacter = keyChar;
        CharacterChanged(document);
    } else {
        MessageShow(messageOnlyASCII, MB_OK | MB_ICONSTOP);
    }
}
