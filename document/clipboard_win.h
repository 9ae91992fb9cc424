// The system clipboard: a drawing leaves the program as text for any other
// program (plain, and as HTML for mail composers) and in the program's own
// page form, which keeps empty cells and the exact size for pasting back.
#pragma once

#include <windows.h>

#include <cstddef>

#include "page/page.h"

// The numbers the system gave the page and HTML forms at start-up.
extern UINT pageClipFormat;
extern UINT htmlClipFormat;
// The number of the "PNG" format in which other programs offer pictures.
extern UINT pngClipFormat;

// One clipboard transaction's context: the calls that belong together take
// the same one.
struct Clip {
    HGLOBAL folded = nullptr; // Unicode text read as 8-bit text, until ClipDone
};

// Registers the page, PNG and HTML forms; start-up ends if this fails.
ErrorCode InitClipFormats();
void ClipInitBoard(Clip &clip);
// Empties the clipboard.
ErrorCode ClipClear(Clip &clip);
// Adds `dataSize` bytes as `format` to what the clipboard holds (text gets a
// 0 byte after it). `priv` is not used.
ErrorCode ClipAdd(Clip &clip, UINT format, const void *dataPtr, std::size_t dataSize, void *priv);
// Whether the clipboard holds `format`; it is not opened.
bool ClipHas(Clip &clip, UINT format);
// The clipboard's own handle for `format`, left open until ClipDone (but
// closed again on failure). `size` is the block's size; for text, the bytes
// before the first 0; for metafiles, which have no block, 0x7FFFFFFF. Text
// that another program put as Unicode comes folded into 8-bit text, in a
// block that `clip` keeps until ClipDone.
HANDLE ClipGet(ErrorCode &error, Clip &clip, UINT format, std::size_t &size);
void ClipDone(Clip &clip);
// Adds 8-bit text as text and as HTML; when the HTML cannot be made, nothing
// is added.
ErrorCode ClipAddText(Clip &clip, const void *text, std::size_t size);
// Adds `page` in the page form when `directPage` is set, else as text with
// the message prefix; on failure nothing is added.
ErrorCode PageAddToClip(const Page &page, Clip &clip, bool directPage);
