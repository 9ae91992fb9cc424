#include "tools/sample_tool_win.h"

#include "base/preferences.h"

// A point off the page takes the nearest cell; a page of no cells has none.
void SampleMouse(Document *document, POINTS localPoint)
{
    const Page &back = document->now.back;
    if (!back.width || !back.height)
        return;
    int col, row;
    DocPosToCell(*document, localPoint.x, localPoint.y, col, row, pinPage);
    unsigned char character = GetCharPage(back, col, row);
    preferences.toolCharacter = static_cast<char>(character ? character : ' ');
}

Placing SamplePlacing(Document *, POINT)
{
    return PlacingMake(cursorSample, 21, 215);
}
