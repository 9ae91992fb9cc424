// The parts of opening and saving that need no windows: which files are
// documents, how read text becomes the page and how the page becomes text.
#pragma once

#include <cstddef>

#include "document/document.h"

// The most rows an opened file may fill: what the view scrolls through and
// the Dimensions dialog allows.
const int docFileMaxRows = 16000;
// The widest page: what a document file wraps at and the dialogs allow.
const int docMaxColumns = 500;

// Whether the full path ends in ".GLW", in any case.
bool DocFileIsDocument(const char *file);
// The width at which a file's lines are wrapped: wider for documents.
int DocFileWrapWidth(const char *file);
// The page size `text` needs when wrapped at `wrapWidth`, at least one cell
// and at most docFileMaxRows rows; false when the text has more rows than that.
bool DocFileMeasure(const unsigned char *text, std::size_t size, int wrapWidth, int &width, int &height);
// "<file title> - Glyphwright" into `name` of `capacity` bytes (more than the
// suffix takes): the name of `file` without its folder, cut to fit.
void DocFileWindowName(char *name, std::size_t capacity, const char *file);

// A document record holding an empty page of `width` x `height` (at least
// one cell) in both states; null with `error` set when memory runs out.
Document *DocRecordNew(ErrorCode &error, int width, int height);
// Releases the states, then the record.
void DocRecordKill(Document *document);

// Wraps `text` onto the back pages of both states, empty cells as spaces;
// on failure the pages stay as they were.
ErrorCode DocFileFill(Document &document, const unsigned char *text, std::size_t size);
// The file's text: the back page with the floating page laid into it (which
// goes on floating), every line padded; the caller destroys `text`.
ErrorCode DocFileText(Document &document, unsigned char *&text, std::size_t &size);
