// What Send Email checks before it hands a drawing on.
#pragma once

#include <cstddef>

// Many mail programs re-wrap lines longer than this.
const int emailWrapWidth = 76;

// The width of the drawing's text when it is wider than mail programs keep
// and the user wants to be asked before sending it; otherwise 0.
int EmailWidthToAsk(const unsigned char *text, std::size_t size);
