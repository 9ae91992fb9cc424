#include "document/doc_email_win.h"

#include <windows.h>

#include <mapi.h>

#include "base/memory.h"
#include "base/message.h"
#include "document/doc_email.h"
#include "page/text_conversion.h"

// Linking the mail library would load it at every start; it is loaded only
// while a message is being handed over.
static void EmailSend(HWND window, char *text)
{
    HMODULE library = LoadLibraryA("MAPI32.DLL");
    if (TestZeroError(library))
        return; // the system's message says it all
    auto send = reinterpret_cast<LPMAPISENDMAIL>(reinterpret_cast<void *>(GetProcAddress(library, "MAPISendMail")));
    ULONG result = MAPI_E_FAILURE;
    if (!TestZeroError(reinterpret_cast<void *>(send))) {
        MapiMessage message = {};
        message.lpszNoteText = text;
        result = send(0, reinterpret_cast<ULONG_PTR>(window), &message, MAPI_LOGON_UI | MAPI_DIALOG, 0);
    }
    if (result != SUCCESS_SUCCESS) // the user's cancelling too
        MessageShow(messageNoMapi, MB_OK | MB_ICONSTOP);
    FreeLibrary(library);
}

// A drawing wider than mail programs keep goes only if the user says so.
static bool EmailWidthAccepted(const unsigned char *text, std::size_t size)
{
    int width = EmailWidthToAsk(text, size);
    return !width || MessageShowFormat(messageWideEmail, MB_YESNO | MB_ICONQUESTION, width, emailWrapWidth) == IDYES;
}

void DocumentToClient(Document *document)
{
    const DocState &now = document->now;
    unsigned char *text;
    std::size_t size;
    if (PageToText(text, size, now.floating ? now.front : now.back, false))
        return;
    if (EmailWidthAccepted(text, size))
        EmailSend(document->window, reinterpret_cast<char *>(text));
    Destroy(text);
}
