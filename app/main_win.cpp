// Start-up and the main loop.
#include <windows.h>

#include <cstring>

#include "app/about_win.h"
#include "app/doc_files_win.h"
#include "app/doc_window_win.h"
#include "app/file_mapping_win.h"
#include "app/tool_rows_win.h"
#include "base/module_win.h"
#include "base/preferences.h"
#include "document/clipboard_win.h"
#include "page/fonts_win.h"
#include "page/picture_chars.h"

// The argument text is the path whole, spaces and all; but a shell quotes a
// path with spaces, and as no file name holds a quote, dropping an enclosing
// pair changes no real path.
static const char *MainFileArgument(char *commandLine)
{
    std::size_t length = std::strlen(commandLine);
    if (length < 2 || commandLine[0] != '"' || commandLine[length - 1] != '"')
        return commandLine;
    commandLine[length - 1] = 0;
    return commandLine + 1;
}

// The file named on the command line, else a new document. A file that
// cannot be opened has been reported; rather than run on with no window,
// the program then starts with a new document.
static void MainOpenDocument(char *commandLine, int showCommand)
{
    if (*commandLine)
        DocumentOpen(MainFileArgument(commandLine), showCommand);
    ErrorCode error;
    if (!theDocument)
        DocumentNew(error, showCommand);
}

// Runs until the quit message, whose parameter it returns. The shortcuts are
// the document window's wherever the keyboard is: the About window's
// buttons answer to some of the same command numbers.
static int MainLoop(HACCEL accelerators)
{
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (theWindow && TranslateAcceleratorA(theWindow, accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    theInstance = instance;
    tools = toolRows;
    CheckFileMapping();
    InitDocWindows();
    if (InitClipFormats())
        return 1; // the failure has been shown
    LoadPreferences(); // whatever cannot be read stays at the defaults
    CalculateFontNames();
    CalculateFontGrays(); // on failure the built-in font measures stay
    CalculateGrayChars();
    MainOpenDocument(commandLine, showCommand);
    if (!theDocument)
        return 1; // not even a new document: the failure has been shown
    ShowAboutDialog();
    int exitCode = MainLoop(LoadAcceleratorsA(theInstance, "Accelerators"));
    SavePreferences();
    return exitCode;
}
