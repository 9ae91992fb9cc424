#include "app/doc_files_win.h"

#include <windows.h>

#include "app/doc_window_win.h"
#include "base/common_dialogs_win.h"
#include "base/memory.h"
#include "base/message.h"
#include "base/module_win.h"
#include "base/preferences.h"
#include "document/doc_files.h"
#include "document/file_view_win.h"
#include "document/safe_file_win.h"
#include "tools/tool_bar_win.h"

// Pairs of description and pattern; the literal's own 0 ends the list.
static const char fileFilter[] = "Glyphwright Files\0*.GLW\0Text Files\0*.TXT\0All Files\0*.*\0";
static const int fileTitleSize = 256;
static const char untitledName[] = "Untitled - Glyphwright";
// A file title (at most a path) with " - Glyphwright" after it.
static const int windowNameSize = MAX_PATH + 16;

static void DocToolActivate(Document *document, int activated)
{
    if (auto activeProc = tools[document->now.tool].activeProc)
        activeProc(document, activated);
}

// Links `document` to the window: a new one the first time, afterwards the
// same one, its view put back to the top-left.
static ErrorCode DocWindowTake(Document *document, const char *windowName)
{
    if (theWindow) {
        SetWindowTextA(theWindow, windowName);
        SetScrollPos(theWindow, SB_HORZ, 0, TRUE);
        SetScrollPos(theWindow, SB_VERT, 0, TRUE);
    } else {
        theWindow = CreateWindowA(documentClassName, windowName, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                  theInstance, nullptr);
        if (ErrorCode error = TestZeroError(theWindow))
            return error;
    }
    document->window = theWindow;
    DocumentLink(theWindow, document);
    DocumentSized(document);
    InvalidateRect(theWindow, nullptr, TRUE);
    return 0;
}

int DocumentAskSave(Document *document)
{
    if (!document->windowDirty)
        return IDYES;
    int answer = MessageShowText(document->window, "Save Changes to Document?", "Confirm Close",
                                 MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO)
        return IDNO;
    return answer == IDYES && !DocumentSave(document) ? IDYES : IDCANCEL;
}

// Closes a document whose changes have been seen to.
static void DocumentEnd(Document *document, bool alsoQuit)
{
    DocToolActivate(document, 0);
    DocumentKill(document, alsoQuit);
}

// Puts `document`, from here on owned, in the window in place of the open
// one, which is asked about its changes unless that has been `asked` already;
// on failure or Cancel the new record is released. The record is made before
// the old document closes, so that running out of memory leaves the old one
// open instead of a window with none.
static ErrorCode DocInstall(Document *document, const char *windowName, int showCommand, bool asked)
{
    if (theDocument && !asked && DocumentAskSave(theDocument) == IDCANCEL) {
        DocRecordKill(document);
        return 1;
    }
    if (theDocument)
        DocumentEnd(theDocument, false);
    document->buttonEnd = toolBarBaseEnd;
    ErrorCode error = DocWindowTake(document, windowName);
    if (error) {
        DocRecordKill(document);
        return error;
    }
    theDocument = document;
    ShowWindow(theWindow, showCommand);
    UpdateWindow(theWindow);
    DocToolActivate(document, 1);
    return 0;
}

Document *DocumentCreate(ErrorCode &error, const char *windowName, int width, int height, int showCommand)
{
    Document *document = DocRecordNew(error, width, height);
    if (!error)
        error = DocInstall(document, windowName, showCommand, false);
    return error ? nullptr : document;
}

Document *DocumentNew(ErrorCode &error, int showCommand)
{
    Document *document = DocumentCreate(error, untitledName, preferences.defaultWidth,
                                        preferences.defaultHeight, showCommand);
    if (document)
        document->windowFiled = 0;
    return document;
}

// Shows the record of an opened file, then gives undo its copy of the page.
// The page is tied to the file only when it holds all of it: saving a page
// cut short, or left empty when memory ran out, would lose the rest.
static void DocumentShowOpened(Document *document, const char *file, bool whole, bool filled, int showCommand)
{
    char name[windowNameSize];
    DocFileWindowName(name, sizeof name, file);
    bool tied = whole && filled;
    if (DocInstall(document, tied ? name : untitledName, showCommand, true))
        return;
    if (filled)
        DocFileFillUndo(*document);
    if (tied) {
        lstrcpyA(document->file, file);
        document->windowFiled = 1;
    }
    if (!whole)
        MessageShow(messageFileCut, MB_OK | MB_ICONEXCLAMATION);
}

// The open document is saved, if the user wants, before the file is read:
// it may be this very file. Changes the user drops are dropped only once
// the new document takes its place. The page is filled before the window
// shows it, so that its first paint is the file's, and the file is let go
// before anything waits on the user.
void DocumentOpen(const char *file, int showCommand)
{
    // A cut path would later be saved to some other file.
    if (lstrlenA(file) >= static_cast<int>(sizeof Document::file)) {
        TestError(ERROR_FILENAME_EXCED_RANGE);
        return;
    }
    if (theDocument && DocumentAskSave(theDocument) == IDCANCEL)
        return;
    FileView view;
    if (FileViewOpen(view, file))
        return;
    int width, height;
    bool whole = DocFileMeasure(view.text, view.size, DocFileWrapWidth(file), width, height);
    ErrorCode error;
    Document *document = DocRecordNew(error, width, height);
    bool filled = document && !DocFileFill(*document, view.text, view.size); // a failure is reported
    FileViewClose(view);
    if (document)
        DocumentShowOpened(document, file, whole, filled, showCommand);
}

static OPENFILENAMEA DocFileDialog(HWND owner, char *file, DWORD flags)
{
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = fileFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof Document::file;
    dialog.Flags = flags | OFN_HIDEREADONLY;
    return dialog;
}

void DocumentOpenDialog()
{
    char file[sizeof Document::file] = "";
    OPENFILENAMEA dialog = DocFileDialog(theWindow, file, OFN_FILEMUSTEXIST);
    if (CommonOpenFileName(&dialog))
        DocumentOpen(file, SW_SHOWNORMAL);
}

// The text goes to a temporary file first, so a failure at any step leaves
// the old file as it was.
ErrorCode DocumentSave(Document *document)
{
    if (!document->windowFiled)
        return DocumentSaveAsDialog(document);
    SafeFile safe;
    ErrorCode error = SafeFileOpen(safe, document->file);
    if (error)
        return error;
    unsigned char *text;
    std::size_t size;
    error = DocFileText(*document, text, size);
    if (!error) {
        error = SafeFileWrite(safe, text, size);
        Destroy(text);
    }
    error = SafeFileClose(safe, document->file, error);
    if (!error)
        document->windowDirty = 0;
    return error;
}

// The name is edited in a copy, so that cancelling leaves `file` alone.
ErrorCode DocumentSaveAsDialog(Document *document)
{
    char file[sizeof Document::file] = "";
    if (document->windowFiled)
        lstrcpyA(file, document->file);
    char fileTitle[fileTitleSize] = "";
    OPENFILENAMEA dialog = DocFileDialog(document->window, file, OFN_OVERWRITEPROMPT);
    dialog.lpstrFileTitle = fileTitle;
    dialog.nMaxFileTitle = sizeof fileTitle;
    dialog.lpstrDefExt = "TXT";
    if (!CommonSaveFileName(&dialog))
        return 1;
    char name[windowNameSize];
    DocFileWindowName(name, sizeof name, fileTitle);
    SetWindowTextA(document->window, name);
    lstrcpyA(document->file, file);
    document->windowFiled = 1;
    return DocumentSave(document);
}

bool DocumentClose(Document *document, bool alsoQuit)
{
    if (DocumentAskSave(document) == IDCANCEL)
        return false;
    DocumentEnd(document, alsoQuit);
    return true;
}

void DocumentKill(Document *document, bool alsoQuit)
{
    ToolButtonsKill(document); // the option buttons belong to the document too
    DocumentLink(document->window, nullptr);
    if (alsoQuit) {
        DestroyWindow(document->window);
        theWindow = nullptr;
    }
    if (theDocument == document)
        theDocument = nullptr;
    DocRecordKill(document);
    if (alsoQuit)
        PostQuitMessage(0);
}
