#include "tools/bucket_tool_win.h"

#include <cstring>

#include "base/preferences.h"
#include "tools/button_classes_win.h"
#include "tools/fill_map.h"
#include "tools/sample_tool_win.h"
#include "tools/shape_drag_win.h"
#include "tools/tool_bar_win.h"
#include "tools/tool_drag_win.h"

namespace {

// GDI's surface fill spreads through edge neighbours only, so an outline
// closed only at its corners holds it. Wine's fill recurses deeply on a tall
// page, which the program's large stack reservation makes room for.
void FillFlood(const Offscreen &map, int col, int row)
{
    HGDIOBJ oldBrush = SelectObject(map.context, GetStockObject(BLACK_BRUSH));
    ExtFloodFill(map.context, col, row, RGB(255, 255, 255), FLOODFILLSURFACE);
    SelectObject(map.context, oldBrush);
}

} // namespace

ErrorCode FillOnPage(Page &page, int theCol, int theRow, unsigned char character)
{
    Offscreen source, result;
    ErrorCode error = MyCreateOffscreen(source, page.width, page.height, 1);
    if (error)
        return error;
    error = MyCreateOffscreen(result, page.width, page.height, 1);
    if (error) {
        MyDisposeOffscreen(source);
        return error;
    }
    FillMapBuild(page, GetCharPage(page, theCol, theRow), source.bits, source.widthBytes);
    std::memcpy(result.bits, source.bits, static_cast<std::size_t>(source.widthBytes) * page.height);
    FillFlood(result, theCol, theRow);
    FillMapApply(page, ShapeBitImage(source, page.width, page.height), ShapeBitImage(result, page.width, page.height),
                 character);
    MyDisposeOffscreen(result);
    MyDisposeOffscreen(source);
    return 0;
}

void BucketKey(Document *document, char keyChar)
{
    CharacterKey(document, nullptr, keyChar);
}

void BucketMouse(Document *document, POINTS localPoint)
{
    if (ToolControlDown()) {
        SampleMouse(document, localPoint);
        ToolButtonInval(document, 0);
        return;
    }
    int col, row;
    if (!DocPosToCell(*document, localPoint.x, localPoint.y, col, row, pinPage) || DocBeginAction(*document))
        return;
    // A failed fill was reported and left the page as it was.
    FillOnPage(document->now.back, col, row, preferences.toolCharacter);
    DocInvalArea(*document, 0, 0, document->now.back.width, document->now.back.height);
}

// The bucket always fills with the drawing character: no automatic flag.
void BucketButtons(Document *document, int activated)
{
    if (activated)
        ToolButtonInit(document, buttonCharacter, nullptr); // a failure was reported
    else
        ToolButtonsKill(document);
}

Placing BucketPlacing(Document *document, POINT localPoint)
{
    if (ToolControlDown())
        return SamplePlacing(document, localPoint);
    return PlacingMake(cursorBucket, 13, 211);
}
