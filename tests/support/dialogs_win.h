// Test support: answering the real message boxes and dialogs the program shows.
#pragma once

#include <functional>
#include <future>
#include <string>

struct HWND__;

struct BoxSeen {
    std::string caption;
    std::string text;
};

// Watches from another thread for the next message box of this process,
// reads it and presses `button` (IDOK, IDYES, ...) in it.
std::future<BoxSeen> AnswerNextMessageBox(int button);

// Once the dialog titled `title` shows, notes its number fields `columns`
// and `rows`, lets `edit` change its controls and presses `button`. Gives
// "columns x rows -> closed", or with the fields again if the dialog stayed
// open (it is then cancelled).
std::future<std::string> AnswerNumberDialog(const char *title, int columns, int rows,
                                            std::function<void(HWND__ *)> edit, int button);
