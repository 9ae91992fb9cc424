// Handing a web address, or the help, to the user's browser.
#pragma once

// Opens `url` in the default browser; when none can be started, shows the
// address so that the user can type it.
void OpenURL(const char *url);
// Opens the help, "glyphwright.html" beside the program file, in the default
// browser; when it cannot, shows where the file lies.
void OpenHelp();
