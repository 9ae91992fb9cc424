#include "tools/button_drag_win.h"

#include "base/preferences.h"
#include "tools/button_classes_win.h"
#include "tools/button_values.h"

namespace {

const int justificationIcon = 259; // left; centre, right and justified follow

POINT ClientPointer(Document *document)
{
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(document->window, &pointer);
    return pointer;
}

bool DragChanged(const ButtonDrag &drag, const int last[2])
{
    return drag.value[0] != last[0] || drag.value[1] != last[1];
}

const JustParams &ButtonJustParams(ToolButton *button)
{
    return *static_cast<const JustParams *>(button->pointer);
}

void JustificationMyDraw(HDC context, ToolButton *button, bool pressed)
{
    ToolDrawButton(context, justificationIcon + *ButtonJustParams(button).justPointer, button->left, button->right,
                   pressed);
}

void JustificationRead(ToolButton *button, int value[2])
{
    value[0] = *ButtonJustParams(button).justPointer;
}

bool JustificationFollow(Document *, ButtonDrag &drag, POINT offset)
{
    int most = ButtonJustParams(drag.button).maxJustify;
    drag.value[0] = ButtonDragValue(drag.start[0], offset.x, justificationStep, justLeft, most);
    return true;
}

void JustificationWrite(ToolButton *button, const int value[2])
{
    *ButtonJustParams(button).justPointer = static_cast<std::int16_t>(value[0]);
}

const DragKind justificationDrag = {JustificationMyDraw, JustificationRead, JustificationFollow, JustificationWrite,
                                    recalcAlways};

} // namespace

JustParams textJustParams = {&preferences.textJustification, justJustify};
JustParams bigTextJustParams = {&preferences.bigTextJustification, justRight};

void ButtonDragFollow(Document *document, ToolButton *button, POINTS pressPoint, const DragKind &kind)
{
    HDC context = GetDC(document->window);
    if (TestZeroError(context))
        return;
    ButtonDrag drag = {button, GetTickCount(), {}, {}, false, false};
    kind.read(button, drag.start);
    kind.read(button, drag.value);
    kind.myDraw(context, button, true);
    for (bool down = true; down;) {
        down = ToolMouseDown();
        POINT pointer = ClientPointer(document);
        const int last[2] = {drag.value[0], drag.value[1]};
        if (!kind.follow(document, drag, {pointer.x - pressPoint.x, pointer.y - pressPoint.y}))
            break;
        if (DragChanged(drag, last)) {
            drag.moved = true;
            kind.write(button, drag.value);
            kind.myDraw(context, button, true);
        }
    }
    ToolInvalRect(document, button->left, button->right);
    bool changed = drag.forced || DragChanged(drag, drag.start);
    if (kind.recalc == recalcAlways || (kind.recalc == recalcChanged && changed))
        ToolRecalculate();
    ReleaseDC(document->window, context);
}

void JustificationDraw(HDC context, ToolButton *button)
{
    JustificationMyDraw(context, button, false);
}

void JustificationMouse(Document *document, ToolButton *button, POINTS localPoint)
{
    ButtonDragFollow(document, button, localPoint, justificationDrag);
}

Placing JustificationPlacing(Document *, ToolButton *, POINTS)
{
    return PlacingMake(cursorSizeWE, 112, 113); // "Justification"
}
