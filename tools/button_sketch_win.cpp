// The drag buttons that sketch their setting on the face: the pen's shape
// and size, and the ruling of a table.
#include "base/preferences.h"
#include "page/table_conversion.h"
#include "tools/button_classes_win.h"
#include "tools/button_drag_win.h"
#include "tools/button_values.h"

namespace {

const int shapeCentreY = 19; // the pen is drawn around this row, centred sideways

const int ruleModeStep = 8; // pixels per ruling mode, sideways and down
const int ruleModeIcon = 268;
// Which of the sketch's five lines each ruling mode draws, one bit each.
const unsigned ruleModeLines[] = {0x00, 0x11, 0x13, 0x1F};
const int ruleSketchLines = 5;
const int ruleSketchFirst = 4; // the first line's offset from the face's left and top
const int ruleSketchStep = 6;
const int ruleSketchLength = 24;

std::uint16_t &ButtonPen(ToolButton *button)
{
    return *static_cast<std::uint16_t *>(button->pointer);
}

void ShapeSizeMyDraw(HDC context, ToolButton *button, bool pressed)
{
    ToolDrawButton(context, 0, button->left, button->right, pressed);
    std::uint16_t pen = ButtonPen(button);
    int size = pen & penSizeBits;
    int x = (button->left + button->right) / 2;
    RECT shape = {x - size, shapeCentreY - size, x + size + 1, shapeCentreY + size + 1};
    const std::uint16_t roundBits = penRound | penShapeChoice;
    if ((pen & roundBits) != roundBits || size < 2) {
        FillRect(context, &shape, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    }
    int saved = SaveDC(context);
    SelectObject(context, GetStockObject(BLACK_BRUSH));
    // An outline as black as the fill: without a pen, GDIs differ by a pixel in how far the fill reaches.
    SelectObject(context, GetStockObject(BLACK_PEN));
    Ellipse(context, shape.left, shape.top, shape.right, shape.bottom);
    RestoreDC(context, saved);
}

void ShapeSizeRead(ToolButton *button, int value[2])
{
    value[0] = ButtonPen(button);
}

bool ShapeSizeFollow(Document *, ButtonDrag &drag, POINT offset)
{
    drag.value[0] = ShapeSizeValue(static_cast<std::uint16_t>(drag.start[0]), offset.x, offset.y);
    return true;
}

void ShapeSizeWrite(ToolButton *button, const int value[2])
{
    ButtonPen(button) = static_cast<std::uint16_t>(value[0]);
}

void RuleModeLine(HDC context, int x1, int y1, int x2, int y2)
{
    MoveToEx(context, x1, y1, nullptr);
    LineTo(context, x2, y2);
}

// Each sketch line runs its whole length, both ends included.
void RuleModeMyDraw(HDC context, ToolButton *button, bool pressed)
{
    ToolDrawButton(context, ruleModeIcon, button->left, button->right, pressed);
    const int left = button->left + ruleSketchFirst, right = left + ruleSketchLength + 1;
    const int top = buttonTop + ruleSketchFirst, bottom = top + ruleSketchLength + 1;
    for (int i = 0; i < ruleSketchLines; ++i) {
        int offset = ruleSketchFirst + ruleSketchStep * i;
        if (ruleModeLines[static_cast<int>(preferences.horiRuleMode)] >> i & 1)
            RuleModeLine(context, button->left + offset, top, button->left + offset, bottom);
        if (ruleModeLines[static_cast<int>(preferences.vertRuleMode)] >> i & 1)
            RuleModeLine(context, left, buttonTop + offset, right, buttonTop + offset);
    }
}

void RuleModeRead(ToolButton *, int value[2])
{
    value[0] = preferences.horiRuleMode;
    value[1] = preferences.vertRuleMode;
}

bool RuleModeFollow(Document *, ButtonDrag &drag, POINT offset)
{
    drag.value[0] = ButtonDragValue(drag.start[0], offset.x, ruleModeStep, noRules, allRules);
    drag.value[1] = ButtonDragValue(drag.start[1], offset.y, ruleModeStep, noRules, allRules);
    return true;
}

void RuleModeWrite(ToolButton *, const int value[2])
{
    preferences.horiRuleMode = static_cast<char>(value[0]);
    preferences.vertRuleMode = static_cast<char>(value[1]);
}

// The pen settings apply to the next stroke; nothing floating uses them.
const DragKind shapeSizeDrag = {ShapeSizeMyDraw, ShapeSizeRead, ShapeSizeFollow, ShapeSizeWrite, recalcNever};
const DragKind ruleModeDrag = {RuleModeMyDraw, RuleModeRead, RuleModeFollow, RuleModeWrite, recalcAlways};

} // namespace

void ShapeSizeDraw(HDC context, ToolButton *button)
{
    ShapeSizeMyDraw(context, button, false);
}

void ShapeSizeMouse(Document *document, ToolButton *button, POINTS localPoint)
{
    ButtonDragFollow(document, button, localPoint, shapeSizeDrag);
}

Placing ShapeSizePlacing(Document *, ToolButton *button, POINTS)
{
    if (ButtonPen(button) & penShapeChoice)
        return PlacingMake(cursorMove, 124, 125); // "Shape and Size"
    return PlacingMake(cursorSizeWE, 126, 127);   // "Size"
}

void RuleModeDraw(HDC context, ToolButton *button)
{
    RuleModeMyDraw(context, button, false);
}

void RuleModeMouse(Document *document, ToolButton *button, POINTS localPoint)
{
    ButtonDragFollow(document, button, localPoint, ruleModeDrag);
}

Placing RuleModePlacing(Document *, ToolButton *, POINTS)
{
    return PlacingMake(cursorMove, 131, 132); // "Table Ruling"
}
