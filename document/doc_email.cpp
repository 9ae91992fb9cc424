#include "document/doc_email.h"

#include <climits>

#include "base/preferences.h"
#include "page/text_conversion.h"

int EmailWidthToAsk(const unsigned char *text, std::size_t size)
{
    if (preferences.emailWidthQuiet)
        return 0;
    int width = INT_MAX; // no wrapping: the widest line as it is
    int height;
    PagePointerDims(text, size, width, height);
    return width > emailWrapWidth ? width : 0;
}
