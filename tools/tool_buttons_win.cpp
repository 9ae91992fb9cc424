#include "tools/tool_bar_win.h"

#include <algorithm>

#include "base/memory.h"
#include "tools/button_classes_win.h"

const ButtonClass buttons[buttonClassCount] = {
    {32, TransparentDraw, TransparentMouse, TransparentPlacing},
    {32, CharacterDraw, CharacterMouse, CharacterPlacing},
    {32, JustificationDraw, JustificationMouse, JustificationPlacing},
    {96, BigTextFontDraw, BigTextFontMouse, BigTextFontPlacing},
    {32, PictureSquishDraw, PictureSquishMouse, PictureSquishPlacing},
    {32, ShapeSizeDraw, ShapeSizeMouse, ShapeSizePlacing},
    {32, CompoundsDraw, CompoundsMouse, CompoundsPlacing},
    {32, RuleModeDraw, RuleModeMouse, RuleModePlacing},
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
