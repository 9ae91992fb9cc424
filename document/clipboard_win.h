// The system clipboard: a drawing leaves the program as text for any other
// program and in the program's own page form, which keeps empty cells and the
// exact size for pasting back.
#pragma once

#include <windows.h>

#include <cstddef>

#include "page/page.h"

// The number the system gave the page form at start-up.
extern UINT pageClipFormat;
// The number of the "PNG" format in which other programs offer pictures.
extern UINT pngClipFormat;

// One clipboard transaction's context; it holds nothing, but the calls that
// belong together take the same one.
struct Clip {};

// Registers the page and PNG forms; start-up ends if this fails.
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
// before the first 0; for metafiles, which have no block, 0x7FFFFFFF.
HANDLE ClipGet(ErrorCode &error, Clip &clip, UINT format, std::size_t &size);
void ClipDone(Clip &clip);
// Adds `page` in the page form when `directPage` is set, else as text with
// the message prefix; on failure nothing is added.
ErrorCode PageAddToClip(const Page &page, Clip &clip, bool directPage);
