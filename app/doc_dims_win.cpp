#include "app/doc_dims_win.h"

#include "app/doc_window_win.h"
#include "base/center_window_win.h"
#include "base/dialog_number_win.h"
#include "base/message.h"
#include "base/module_win.h"
#include "document/doc_files.h"

// The dialog resource and its controls.
enum DimsItem {
    dimsDialog = 100,
    dimsColumns = 102,
    dimsHint = 103,
    dimsRows = 105,
};


static Document *DimsDocument(HWND dialog)
{
    return reinterpret_cast<Document *>(GetWindowLongPtrA(dialog, DWLP_USER));
}

static void DimsInit(HWND dialog, Document *document)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(document));
    CenterWindow(dialog, document->window);
    SetDlgItemInt(dialog, dimsColumns, document->now.back.width, FALSE);
    SetDlgItemInt(dialog, dimsRows, document->now.back.height, FALSE);
    char hint[256];
    if (LoadStringA(theInstance, stringDimensionsHint, hint, sizeof hint))
        SetDlgItemTextA(dialog, dimsHint, hint);
}

// A failed undo point or resize has been reported and leaves the page as it was.
static void DimsResize(Document *document, int columns, int rows)
{
    const Page &back = document->now.back;
    if (columns == back.width && rows == back.height)
        return;
    if (DocBeginAction(*document) || PageResize(document->now.back, columns, rows))
        return;
    DocumentSized(document);
    InvalidateRect(document->window, nullptr, FALSE);
}

// Both fields are read first, so that each faulty one shows its nearest limit.
static void DimsOk(HWND dialog)
{
    int columns, rows;
    int faulty = GetDlgItemIntLimited(dialog, dimsColumns, columns, 1, docMaxColumns);
    faulty |= GetDlgItemIntLimited(dialog, dimsRows, rows, 1, docFileMaxRows);
    if (faulty) {
        MessageShow(messageBadDimensions, MB_OK | MB_ICONSTOP);
        return;
    }
    DimsResize(DimsDocument(dialog), columns, rows);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK DimsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        DimsInit(dialog, reinterpret_cast<Document *>(lParam));
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK: DimsOk(dialog); return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE; // the close box too
    }
    return FALSE;
}

void DocumentDimsDialog(Document *document)
{
    if (DialogBoxParamA(theInstance, MAKEINTRESOURCEA(dimsDialog), document->window, DimsDialogProc,
                        reinterpret_cast<LPARAM>(document)) == -1)
        TestZeroError(nullptr);
}
