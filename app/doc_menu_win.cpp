// Menu commands and their enabling.
#include "app/doc_window_win.h"

#include <iterator>

#include "app/about_win.h"
#include "app/doc_commands_win.h"
#include "app/doc_dims_win.h"
#include "app/doc_files_win.h"
#include "app/preferences_dialog_win.h"
#include "base/open_url_win.h"
#include "document/doc_email_win.h"
#include "selection/page_effects.h"

static bool DocCanUndo(const Document *document)
{
    return document->windowDirty != 0;
}

static bool DocCanPaste(const Document *document)
{
    Clip clip;
    ClipInitBoard(clip);
    return DocumentTrack(document, clip);
}

// The effect each Effects command sends, from command 31 on.
static const std::int16_t effectCodes[] = {invert, flipHorizontal, flipVertical, rotateRight,
                                           rotateLeft, rotate180, explode, implode};
static const int firstEffect = 31;

struct MenuRule {
    int first, last; // command numbers
    bool (*enabled)(const Document *document);
};

static const MenuRule menuRules[] = {
    {11, 11, DocCanUndo}, {12, 13, DocumentCanCopy}, {14, 14, DocCanPaste}, {15, 15, DocumentCanCopy},
    {31, 38, DocumentCanTransform},
};

void DocumentEnableMenus(Document *document, HMENU menu)
{
    for (const MenuRule &rule : menuRules) {
        UINT state = rule.enabled(document) ? MF_ENABLED : MF_GRAYED;
        for (int item = rule.first; item <= rule.last; ++item)
            EnableMenuItem(menu, item, MF_BYCOMMAND | state);
    }
}

// Cut and Copy empty the clipboard first; Cut clears only what reached it.
static void DocMenuCopy(Document *document, bool cut)
{
    Clip clip;
    ClipInitBoard(clip);
    if (ClipClear(clip) || DocumentCopy(document, clip))
        return;
    if (cut)
        DocumentClear(document);
}

static void DocMenuPaste(Document *document)
{
    Clip clip;
    ClipInitBoard(clip);
    DocumentReceive(document, clip);
}

void DocumentMenu(Document *document, int itemID)
{
    switch (itemID) {
    case 1: {
        ErrorCode error;
        DocumentNew(error, SW_SHOWNORMAL);
        break;
    }
    case 2: DocumentOpenDialog(); break;
    case 3: DocumentSave(document); break;
    case 4: DocumentSaveAsDialog(document); break;
    case 5: DocumentClose(document, true); break;
    case 11: DocumentUndo(document); break;
    case 12: DocMenuCopy(document, true); break;
    case 13: DocMenuCopy(document, false); break;
    case 14: DocMenuPaste(document); break;
    case 15: DocumentClear(document); break;
    case 16: DocumentSelAll(document); break;
    case 21: DocumentToClient(document); break;
    case 22: DocumentDimsDialog(document); break;
    case 23: DoPreferencesDialog(document); break;
    case 41: OpenHelp(); break;
    case 42: ShowAboutDialog(); break;
    default:
        if (itemID >= firstEffect && itemID < firstEffect + static_cast<int>(std::size(effectCodes)))
            DocumentTransform(document, effectCodes[itemID - firstEffect]);
    }
}
