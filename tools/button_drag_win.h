// What the drag buttons share: a press followed while the mouse is held.
#pragma once

#include <windows.h>

#include <cstdint>

#include "tools/tool_bar_win.h"

// What one press on a drag button keeps while the mouse is held.
struct ButtonDrag {
    ToolButton *button;
    std::uint32_t pressTicks; // when the press came, for holding still
    int start[2];             // the settings at the press
    int value[2];             // the settings now
    bool moved;               // the settings have changed during this press
    bool forced;              // changed outside `value` (by a dialog)
};

// When a drag rebuilds the floating page, on release.
enum DragRecalc : std::uint8_t {
    recalcNever,   // the settings apply to what is drawn next
    recalcChanged, // when they differ from those at the press
    recalcAlways,  // every time, so that a page edited since it was built matches its settings again
};

// One kind of drag: how it shows, reads, follows and stores its settings.
struct DragKind {
    void (*myDraw)(HDC context, ToolButton *button, bool pressed);
    void (*read)(ToolButton *button, int value[2]);
    // Sets `value` for the pointer at `offset` from the press; false ends the drag.
    bool (*follow)(Document *document, ButtonDrag &drag, POINT offset);
    void (*write)(ToolButton *button, const int value[2]);
    DragRecalc recalc;
};

// Follows a press at `pressPoint` until the mouse is released, storing and
// showing each new value at once.
void ButtonDragFollow(Document *document, ToolButton *button, POINTS pressPoint, const DragKind &kind);
