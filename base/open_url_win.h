// Handing a web address to the user's browser.
#pragma once

// Opens `url` in the default browser; when none can be started, shows the
// address so that the user can type it.
void OpenURL(const char *url);
