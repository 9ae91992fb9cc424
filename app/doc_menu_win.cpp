// Menu commands and their enabling.
#include "app/doc_window_win.h"

#include "app/about_win.h"
#include "document/doc_commands_win.h"
#include "document/doc_files_win.h"

static bool DocCanUndo(const Document *document)
{
    return document->windowDirty != 0;
}

// The effects work on a selection floating in the select tool.
static bool DocCanTransform(const Document *document)
{
    return document->now.tool == toolSelect && document->now.floating;
}

// Commands that are not offered yet.
static bool DocNotYet(const Document *)
{
    return false;
}

struct MenuRule {
    int first, last; // command numbers
    bool (*enabled)(const Document *document);
};

static const MenuRule menuRules[] = {
    {11, 11, DocCanUndo},      {12, 13, DocumentCanCopy}, {14, 14, DocNotYet}, {15, 15, DocumentCanCopy},
    {16, 16, DocNotYet},       {21, 23, DocNotYet},       {31, 38, DocCanTransform},
};

void DocumentEnableMenus(Document *document, HMENU menu)
{
    for (const MenuRule &rule : menuRules) {
        UINT state = rule.enabled(document) ? MF_ENABLED : MF_GRAYED;
        for (int item = rule.first; item <= rule.last; ++item)
            EnableMenuItem(menu, item, MF_BYCOMMAND | state);
    }
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
    case 41: WinHelpA(document->window, "Glyphwright Help", HELP_FINDER, 0); break;
    case 42: ShowAboutDialog(); break;
    }
}
