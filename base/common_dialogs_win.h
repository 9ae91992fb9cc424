// The common dialogs, loaded at their first use.
#pragma once

#include <windows.h>

#include <commdlg.h>

// Each is the dialog of the same name; FALSE also when the library cannot load.
BOOL CommonOpenFileName(OPENFILENAMEA *dialog);
BOOL CommonSaveFileName(OPENFILENAMEA *dialog);
BOOL CommonChooseFont(CHOOSEFONTA *dialog);
BOOL CommonChooseColor(CHOOSECOLORA *dialog);
