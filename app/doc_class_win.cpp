#include "app/doc_class_win.h"

#include "app/doc_window_win.h"
#include "base/module_win.h"

void InitDocWindows()
{
    WindowClassRegister(documentClassName, DocumentProc, "MenuBar");
}
