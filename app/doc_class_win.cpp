#include "app/doc_class_win.h"

#include "app/doc_window_win.h"
#include "base/window_class_win.h"

void InitDocWindows()
{
    WindowClassRegister(documentClassName, DocumentProc, "MenuBar");
}
