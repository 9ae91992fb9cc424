#include "base/message.h"

#include <windows.h>

#include <cstdarg>

#include "base/error.h"
#include "base/module_win.h"

// With a test's hook installed nothing is shown, and the answer is IDOK,
// which every question treats as neither Yes nor No.
static int MessageBoxShow(unsigned id, HWND owner, const char *text, const char *caption, unsigned flags)
{
    if (ReportHook hook = ReportHookCurrent()) {
        hook(0, id);
        return IDOK;
    }
    return MessageBoxA(owner, text, caption, flags);
}

// The system formats at most 1024 characters.
static void MessageLoad(unsigned id, char (&text)[1024])
{
    if (!LoadStringA(theInstance, id, text, sizeof text))
        wsprintfA(text, "Message %u", id);
}

int MessageShow(unsigned id, unsigned flags, const char *caption)
{
    char text[1024];
    MessageLoad(id, text);
    return MessageBoxShow(id, nullptr, text, caption, flags);
}

int MessageShowFormat(unsigned id, unsigned flags, ...)
{
    char format[1024], text[1024];
    MessageLoad(id, format);
    va_list arguments;
    va_start(arguments, flags);
    wvsprintfA(text, format, arguments);
    va_end(arguments);
    return MessageBoxShow(id, nullptr, text, nullptr, flags);
}

int MessageShowText(HWND owner, const char *text, const char *caption, unsigned flags)
{
    return MessageBoxShow(0, owner, text, caption, flags);
}
