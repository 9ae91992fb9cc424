// The Document Dimensions dialog: the page's columns and rows.
#pragma once

#include <windows.h>

#include "document/document.h"

// Runs the dialog over the document window; a new size is one undo step.
void DocumentDimsDialog(Document *document);
INT_PTR CALLBACK DimsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
