// Test support: option buttons in a real window, pressed with the mouse up,
// so that a press follows the pointer exactly once, from where it was put.
#pragma once

#include "base/preferences.h"
#include "tests/tools/tool_window_win.h"

class Buttons : public ToolWindow {
protected:
    void SetUp() override
    {
        ToolWindow::SetUp();
        preferences = PreferencesDefaults();
    }
    void TearDown() override
    {
        ToolWindow::TearDown();
        preferences = PreferencesDefaults();
    }

    // Appends a button and gives it back.
    ToolButton *Add(int buttonClass, void *pointer)
    {
        EXPECT_EQ(0u, ToolButtonInit(&document, buttonClass, pointer));
        ToolButton *button = document.firstButton;
        while (button->next)
            button = button->next;
        return button;
    }
    // A press at (x, y) on the button, the pointer having moved (dx, dy) from it.
    void Press(ToolButton *button, int x, int y, int dx = 0, int dy = 0)
    {
        POINT screen = {x + dx, y + dy};
        ClientToScreen(document.window, &screen);
        SetCursorPos(screen.x, screen.y);
        buttons[button->buttonClass].mouseProc(&document, button, {static_cast<SHORT>(x), static_cast<SHORT>(y)});
    }
    // A click in the middle of the button.
    void Click(ToolButton *button) { Press(button, button->left + 5, 20); }
    Placing PlacingAt(ToolButton *button, int x, int y)
    {
        return buttons[button->buttonClass].placingProc(&document, button,
                                                        {static_cast<SHORT>(x), static_cast<SHORT>(y)});
    }
};
