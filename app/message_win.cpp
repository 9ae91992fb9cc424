#include "app/message.h"

#include <windows.h>

#include "app/error.h"

int ShowMessage(unsigned id, unsigned flags)
{
    if (ReportHook hook = CurrentReportHook()) {
        hook(0, id);
        return IDOK;
    }
    char text[1024];
    if (!LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text))
        wsprintfA(text, "Message %u", id);
    return MessageBoxA(nullptr, text, nullptr, flags);
}
