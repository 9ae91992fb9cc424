// Messages to the user: string-table entries shown in message boxes, with no
// owner and the default caption unless a caller needs otherwise.
#pragma once

struct HWND__;

// String-table ids of the program's messages.
enum MessageId : unsigned {
    messageOnlyASCII = 401,
    messageBadDimensions = 402,
    messageTooFewGrays = 403,
    messageLaterPreferences = 404,
    messageNoMapi = 405,
    messageFileMapping = 406,
    messageFileCut = 407,
    messageWideEmail = 408,
};

// The hint under the number fields of the dimension dialogs.
const unsigned stringDimensionsHint = 501;

// Loads string `id` and shows it with the box style `flags` (an icon and the
// buttons) under `caption` (null for the default); returns the button chosen.
int MessageShow(unsigned id, unsigned flags, const char *caption = nullptr);
// Like MessageShow, with the string's printf-style fields filled from the
// arguments that follow.
int MessageShowFormat(unsigned id, unsigned flags, ...);
// Shows `text` in a box owned by `owner`; returns the button chosen.
int MessageShowText(HWND__ *owner, const char *text, const char *caption, unsigned flags);
