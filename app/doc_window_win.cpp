#include "app/doc_window_win.h"

#include "app/doc_draw_win.h"
#include "app/doc_files_win.h"
#include "base/error.h"
#include "base/module_win.h"
#include "base/preferences.h"
#include "document/document_win.h"
#include "tools/scroll_win.h"
#include "tools/tool_bar_win.h"

const char documentClassName[] = "Document";

void InitDocWindows()
{
    WindowClassRegister(documentClassName, DocumentProc, "MenuBar");
}

void DocumentLink(HWND window, Document *document)
{
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(document));
}

static Document *DocumentOf(HWND window)
{
    return reinterpret_cast<Document *>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

static const Tool &DocTool(const Document *document)
{
    return tools[document->now.tool];
}

// The cursor and help line for whatever lies under a client point.
static void DocumentShowPointPlacing(Document *document, POINT point)
{
    if (point.y < toolBarHeight)
        ToolBarSetCursor(document, point);
    else
        ShowPlacing(document, DocumentPlacing(document, point));
}

// After most messages the cursor and help line follow the mouse, so that they
// also show what a command or key just changed.
static LRESULT DocumentCursorRefresh(HWND window, Document *document, UINT message, WPARAM wParam, LPARAM lParam)
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    RECT client;
    GetClientRect(window, &client);
    if (!document || !PtInRect(&client, point))
        return DefWindowProcA(window, message, wParam, lParam);
    DocumentShowPointPlacing(document, point);
    return 0;
}

static POINT PointOf(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

static void MsgGetMinMaxInfo(Document *document, MINMAXINFO *info)
{
    if (!document)
        return;
    RECT standard;
    DocStandardWindowRect(document, standard);
    int frameWidth = GetSystemMetrics(SM_CXFRAME), frameHeight = GetSystemMetrics(SM_CYFRAME);
    info->ptMaxSize = {standard.right - standard.left, standard.bottom - standard.top + 2 * frameHeight};
    info->ptMaxPosition = {standard.left - frameWidth, standard.top - frameHeight};
    info->ptMinTrackSize.x = minimumWindowWidth;
}

static void MsgLButtonDown(Document *document, POINT point)
{
    DocumentShowPointPlacing(document, point);
    if (point.y < toolBarHeight)
        ToolBarMouse(document, point);
    else if (!DocumentMouse(document, point) && DocTool(document).mouseProc)
        DocTool(document).mouseProc(document, POINTS{static_cast<SHORT>(point.x), static_cast<SHORT>(point.y)});
}

// The Edit menu doubles as the context menu.
static void MsgRButtonDown(HWND window, POINT point)
{
    ClientToScreen(window, &point);
    TrackPopupMenu(GetSubMenu(GetMenu(window), 1), TPM_RIGHTBUTTON, point.x, point.y, 0, window, nullptr);
}

// The page keys scroll whatever the tool; the arrows are the tool's.
static void MsgKeyDown(Document *document, WPARAM key)
{
    int rows = document->textRows, scrollRow = document->scrollRow;
    char arrow = 0;
    switch (LOBYTE(key)) {
    case VK_PRIOR: DocScroll(document, 0, -rows, 1); break;
    case VK_NEXT: DocScroll(document, 0, rows, 1); break;
    case VK_END: DocScroll(document, 0, document->now.back.height - scrollRow, 1); break;
    case VK_HOME: DocScroll(document, 0, -scrollRow, 1); break;
    case VK_LEFT: arrow = keyLeft; break;
    case VK_RIGHT: arrow = keyRight; break;
    case VK_UP: arrow = keyUp; break;
    case VK_DOWN: arrow = keyDown; break;
    }
    if (arrow && DocTool(document).keyProc)
        DocTool(document).keyProc(document, arrow);
}

static void MsgChar(Document *document, WPARAM character)
{
    if (DocTool(document).keyProc)
        DocTool(document).keyProc(document, static_cast<char>(LOBYTE(character)));
}

static void MsgPaint(HWND window, Document *document)
{
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    if (document)
        DocumentDraw(document, context, paint.rcPaint);
    EndPaint(window, &paint);
}

LRESULT CALLBACK DocumentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Document *document = DocumentOf(window);
    if (!document && message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam); // still being created
    switch (message) {
    case WM_GETMINMAXINFO:
        MsgGetMinMaxInfo(document, reinterpret_cast<MINMAXINFO *>(lParam));
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_SETCURSOR:
    case WM_KEYUP:
        break;
    case WM_LBUTTONDOWN:
        MsgLButtonDown(document, PointOf(lParam));
        break;
    case WM_RBUTTONDOWN:
        MsgRButtonDown(window, PointOf(lParam));
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_KEYDOWN:
        MsgKeyDown(document, wParam);
        break;
    case WM_CHAR:
        MsgChar(document, wParam);
        break;
    case WM_COMMAND:
        DocumentMenu(document, LOWORD(wParam));
        break;
    case WM_PAINT:
        MsgPaint(window, document);
        return 0;
    case WM_SIZE:
        DocumentSized(document);
        return 0;
    case WM_VSCROLL:
        DocScrollBar(document, SB_VERT, wParam);
        return 0;
    case WM_HSCROLL:
        DocScrollBar(document, SB_HORZ, wParam);
        return 0;
    case WM_INITMENU:
        DocumentEnableMenus(document, reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_CLOSE:
        DocumentClose(document, true);
        return 0;
    case WM_QUERYENDSESSION: // logging off or shutting down asks as a close does; Cancel refuses it
        return DocumentAskSave(document) != IDCANCEL;
    case WM_ENDSESSION: // the session's end ends the program before its loop does
        if (wParam)
            SavePreferences();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return DocumentCursorRefresh(window, document, message, wParam, lParam);
}
