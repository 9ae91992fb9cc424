// The Preferences dialog: edits a copy of the preferences and applies it on OK.
#pragma once

#include <windows.h>

#include "base/preferences.h"
#include "document/document.h"

// The working copy the dialog edits; meaningful only while it is open.
extern Preferences newPrefs;

// Runs the dialog over the document window.
void DoPreferencesDialog(Document *document);
INT_PTR CALLBACK PrefsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Shows newPrefs in the dialog's controls.
void ShowPreferencesItems(HWND theDialog);
