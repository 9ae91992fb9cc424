#include "app/doc_files_win.h"

#include <windows.h>

#include "app/doc_window_win.h"
#include "base/common_dialogs_win.h"
#include "base/memory.h"
#include "base/message.h"
#include "base/module_win.h"
#include "base/preferences.h"
#include "document/doc_files.h"
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

// The new record is made before the old document closes, so that running
// out of memory leaves the old one open instead of a window with none. The
// old one is asked about its changes unless that has been `asked` already.
static Document *DocReplace(ErrorCode &error, const char *windowName, int width, int height, int showCommand,
                            bool asked)
{
    Document *document = DocRecordNew(error, width, height);
    if (error)
        return nullptr;
    if (theDocument && !asked && DocumentAskSave(theDocument) == IDCANCEL) {
        DocRecordKill(document);
        error = 1;
        return nullptr;
    }
    if (theDocument)
        DocumentEnd(theDocument, false);
    document->buttonEnd = toolBarBaseEnd;
    error = DocWindowTake(document, windowName);
    if (error) {
        DocRecordKill(document);
        return nullptr;
    }
    theDocument = document;
    ShowWindow(theWindow, showCommand);
    UpdateWindow(theWindow);
    DocToolActivate(document, 1);
    return document;
}

Document *DocumentCreate(ErrorCode &error, const char *windowName, int width, int height, int showCommand)
{
    return DocReplace(error, windowName, width, height, showCommand, false);
}

Document *DocumentNew(ErrorCode &error, int showCommand)
{
    Document *document = DocumentCreate(error, untitledName, preferences.defaultWidth,
                                        preferences.defaultHeight, showCommand);
    if (document)
        document->windowFiled = 0;
    return document;
}

static ErrorCode DocFileReadOpen(HANDLE handle, unsigned char *&text, std::size_t &size)
{
    LARGE_INTEGER fileSize;
    if (!GetFileSizeEx(handle, &fileSize))
        return TestZeroError(nullptr);
    if (fileSize.QuadPart > MAXDWORD) { // more than one read can take
        TestError(ERROR_FILE_TOO_LARGE);
        return ERROR_FILE_TOO_LARGE;
    }
    ErrorCode error;
    text = static_cast<unsigned char *>(Allocate(error, fileSize.QuadPart));
    if (error)
        return error;
    DWORD read;
    if (!ReadFile(handle, text, fileSize.LowPart, &read, nullptr)) {
        error = TestZeroError(nullptr);
        Destroy(text);
        return error;
    }
    size = read;
    return 0;
}

static ErrorCode DocFileRead(const char *file, unsigned char *&text, std::size_t &size)
{
    HANDLE handle = CreateFileA(file, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return TestZeroError(nullptr);
    ErrorCode error = DocFileReadOpen(handle, text, size);
    CloseHandle(handle);
    return error;
}

// The page is tied to the file only when it holds all of it: saving a page
// cut short, or left empty when memory ran out, would lose the rest.
static void DocumentOpenText(const char *file, const unsigned char *text, std::size_t size, int showCommand)
{
    int width, height;
    bool whole = DocFileMeasure(text, size, DocFileWrapWidth(file), width, height);
    char name[windowNameSize];
    DocFileWindowName(name, sizeof name, file);
    ErrorCode error;
    Document *document = DocReplace(error, whole ? name : untitledName, width, height, showCommand, true);
    if (!document)
        return;
    if (DocFileFill(*document, text, size)) { // reported; the new document stays open and empty
        SetWindowTextA(document->window, untitledName);
    } else if (whole) {
        lstrcpyA(document->file, file);
        document->windowFiled = 1;
    }
    InvalidateRect(document->window, nullptr, FALSE);
    if (!whole)
        MessageShow(messageFileCut, MB_OK | MB_ICONEXCLAMATION);
}

// The open document is saved, if the user wants, before the file is read:
// it may be this very file. Changes the user drops are dropped only once
// the new document takes its place.
void DocumentOpen(const char *file, int showCommand)
{
    // A cut path would later be saved to some other file.
    if (lstrlenA(file) >= static_cast<int>(sizeof Document::file)) {
        TestError(ERROR_FILENAME_EXCED_RANGE);
        return;
    }
    if (theDocument && DocumentAskSave(theDocument) == IDCANCEL)
        return;
    unsigned char *text = nullptr;
    std::size_t size = 0;
    if (DocFileRead(file, text, size))
        return;
    DocumentOpenText(file, text, size, showCommand);
    Destroy(text);
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
