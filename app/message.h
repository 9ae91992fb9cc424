// Messages to the user: string-table entries shown in message boxes with no
// owner and the default caption.
#pragma once

// String-table ids of the program's messages.
enum MessageId : unsigned {
    messageLaterPreferences = 404,
};

// Loads string `id` and shows it with the box style `flags` (an icon and the
// buttons); returns the button the user chose.
int ShowMessage(unsigned id, unsigned flags);
