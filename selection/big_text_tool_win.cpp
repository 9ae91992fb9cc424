#include "selection/big_text_tool_win.h"

#include "base/preferences.h"
#include "page/big_text_win.h"
#include "selection/text_tool_win.h"
#include "tools/button_classes_win.h"

void BigTextKey(Document *document, char keyChar)
{
    if (document->now.floating)
        TextKey(document, keyChar);
    else
        CharacterKey(document, &preferences.bigTextAuto, keyChar);
}

// A button that cannot be made is reported and left out; the next is still tried.
void BigTextButtons(Document *document, int activated)
{
    if (!activated) {
        ToolButtonsKill(document);
        return;
    }
    ToolButtonInit(document, buttonCharacter, &preferences.bigTextAuto);
    ToolButtonInit(document, buttonTransparent, nullptr);
    ToolButtonInit(document, buttonJustification, &bigTextJustParams);
    ToolButtonInit(document, buttonBigTextFont, nullptr);
}

// A failed drawing keeps the page that floats; the next change draws again.
void BigTextRecalc(Document *document, std::int16_t width, std::int16_t)
{
    DocState &now = document->now;
    if (!now.floating)
        return;
    now.transparency = preferences.selectTransparent ? nullTransparent : opaque;
    unsigned char character = preferences.bigTextAuto ? 0 : preferences.toolCharacter;
    Page page;
    if (!BigTextToPage(page, width, static_cast<Justification>(preferences.bigTextJustification),
                       preferences.bigTextFont, static_cast<std::int16_t>(preferences.bigTextSize),
                       preferences.bigTextBold, preferences.bigTextItalic,
                       static_cast<const unsigned char *>(now.handle), now.used, character))
        TextFrontReplace(document, page);
}
