#include "tools/tool_bar_win.h"

#include <algorithm>

#include "app/memory.h"

// The classes' procedures are absent until the classes are written.
const ButtonClass buttons[buttonClassCount] = {
    {32, nullptr, nullptr, nullptr}, // transparent
    {32, nullptr, nullptr, nullptr}, // character
    {32, nullptr, nullptr, nullptr}, // justification
    {96, nullptr, nullptr, nullptr}, // big text font
    {32, nullptr, nullptr, nullptr}, // picture squish
    {32, nullptr, nullptr, nullptr}, // shape size
    {32, nullptr, nullptr, nullptr}, // compounds
    {32, nullptr, nullptr, nullptr}, // rule mode
};

ToolButton *ToolButtonAt(Document *document, int x)
{
    for (ToolButton *button = document->firstButton; button; button = button->next) {
        if (button->left <= x && x < button->right)
            return button;
    }
    return nullptr;
}

ErrorCode ToolButtonInit(Document *document, int buttonClass, void *pointer)
{
    ToolButton **end = &document->firstButton;
    while (*end)
        end = &(*end)->next;
    ErrorCode error;
    auto *button = static_cast<ToolButton *>(Allocate(error, sizeof(ToolButton)));
    if (error)
        return error;
    std::int16_t left = document->buttonEnd;
    std::int16_t right = static_cast<std::int16_t>(left + buttons[buttonClass].width);
    *button = {nullptr, left, right, static_cast<std::int16_t>(buttonClass), pointer};
    *end = button;
    document->buttonEnd = static_cast<std::int16_t>(right + 1);
    ToolInvalRect(document, left, right);
    return 0;
}

void ToolButtonsKill(Document *document)
{
    int oldEnd = document->buttonEnd;
    int start = oldEnd;
    while (ToolButton *button = document->firstButton) {
        document->firstButton = button->next;
        start = std::min<int>(start, button->left);
        Destroy(button);
    }
    ToolInvalRect(document, start, oldEnd);
    document->buttonEnd = static_cast<std::int16_t>(start);
}

void ToolButtonInval(Document *document, int index)
{
    ToolButton *button = document->firstButton;
    for (; button && index > 0; --index)
        button = button->next;
    if (button)
        ToolInvalRect(document, button->left, button->right);
}
