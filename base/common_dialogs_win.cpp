#include "base/common_dialogs_win.h"

// Linking the dialog library would load it, and the shell libraries it
// stands on, at every start: under Wine that is a third of the time to the
// first paint. It is loaded once, when a dialog is first wanted.
template <typename Record>
static BOOL CommonDialog(const char *name, Record *dialog)
{
    static HMODULE library = LoadLibraryA("comdlg32.dll");
    auto procedure = library ? reinterpret_cast<BOOL(WINAPI *)(Record *)>(
                                   reinterpret_cast<void *>(GetProcAddress(library, name)))
                             : nullptr;
    return procedure ? procedure(dialog) : FALSE;
}

BOOL CommonOpenFileName(OPENFILENAMEA *dialog)
{
    return CommonDialog("GetOpenFileNameA", dialog);
}

BOOL CommonSaveFileName(OPENFILENAMEA *dialog)
{
    return CommonDialog("GetSaveFileNameA", dialog);
}

BOOL CommonChooseFont(CHOOSEFONTA *dialog)
{
    return CommonDialog("ChooseFontA", dialog);
}

BOOL CommonChooseColor(CHOOSECOLORA *dialog)
{
    return CommonDialog("ChooseColorA", dialog);
}
