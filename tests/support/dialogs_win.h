// Test support: answering the real message boxes the program shows.
#pragma once

#include <future>
#include <string>

struct BoxSeen {
    std::string caption;
    std::string text;
};

// Watches from another thread for the next message box of this process,
// reads it and presses `button` (IDOK, IDYES, ...) in it.
std::future<BoxSeen> AnswerNextMessageBox(int button);
