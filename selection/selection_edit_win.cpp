#include "selection/selection_win.h"

#include "selection/page_effects.h"
#include "tools/tool_table_win.h"

// How far each arrow code moves the floating page, in cells.
struct SelectionStep {
    char key;
    int cols, rows;
};

static const SelectionStep selectionSteps[] = {
    {keyLeft, -1, 0},
    {keyRight, 1, 0},
    {keyUp, 0, -1},
    {keyDown, 0, 1},
};

int SelectionMoveKey(Document *document, char keyChar)
{
    for (const SelectionStep &step : selectionSteps) {
        if (step.key != keyChar)
            continue;
        if (DocBeginAction(*document))
            return 1; // reported; the key was still ours
        // There is no limit: the floating page may leave the page.
        const DocState &now = document->now;
        SelectionPlace(document, now.floatCol + step.cols, now.floatRow + step.rows, now.front.width,
                       now.front.height);
        return 1;
    }
    return 0;
}

// The kept source (`format`, `handle`) is left alone, so a picture or table
// is converted afresh without the effect when it is next rebuilt.
ErrorCode SelectionTransform(Document *document, std::int16_t transformation)
{
    ErrorCode error = DocBeginAction(*document);
    if (error)
        return error;
    DocInvalFrontRect(*document);
    SelectTemp(document, 1, nullptr);
    error = PageTransform(document->now.front, transformation);
    DocInvalFrontRect(*document);
    SelectTemp(document, 0, nullptr);
    return error;
}
