#include "document/doc_files.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "base/memory.h"
#include "base/preferences.h"
#include "page/text_conversion.h"

bool DocFileIsDocument(const char *file)
{
    static const char extension[] = ".glw";
    std::size_t length = std::strlen(file);
    if (length < 4)
        return false;
    for (int i = 0; i < 4; ++i)
        if (std::tolower(static_cast<unsigned char>(file[length - 4 + i])) != extension[i])
            return false;
    return true;
}

int DocFileWrapWidth(const char *file)
{
    return DocFileIsDocument(file) ? docMaxColumns : preferences.defaultWidth;
}

// An empty file measures no columns wide, but the tools need a cell to work
// on.
bool DocFileMeasure(const unsigned char *text, std::size_t size, int wrapWidth, int &width, int &height)
{
    width = wrapWidth;
    PagePointerDims(text, size, width, height);
    width = std::max(width, 1);
    bool whole = height <= docFileMaxRows;
    height = std::min(height, docFileMaxRows);
    return whole;
}

// The title is worked out here rather than asked of the dialog library,
// which would have to be loaded for every file opened from the command line.
void DocFileWindowName(char *name, std::size_t capacity, const char *file)
{
    static const char suffix[] = " - Glyphwright";
    const char *fileTitle = file;
    for (const char *at = file; *at; ++at)
        if (*at == '\\' || *at == '/' || *at == ':')
            fileTitle = at + 1;
    std::size_t room = capacity - sizeof suffix; // what the title may take
    std::size_t length = std::min(std::strlen(fileTitle), room);
    std::memcpy(name, fileTitle, length);
    std::memcpy(name + length, suffix, sizeof suffix);
}

Document *DocRecordNew(ErrorCode &error, int width, int height)
{
    auto *document = static_cast<Document *>(Allocate(error, sizeof(Document)));
    if (error)
        return nullptr;
    *document = Document{};
    error = PageNew(document->now.back, std::max(width, 1), std::max(height, 1));
    if (!error) {
        error = DocStateCopy(document->now, document->last);
        if (error)
            PageKill(document->now.back);
    }
    if (error) {
        Destroy(document);
        return nullptr;
    }
    document->colUnits = 10;
    document->rowUnits = 10;
    document->penStyle = penStyleHidden;
    return document;
}

void DocRecordKill(Document *document)
{
    DocStateKill(document->last);
    DocStateKill(document->now);
    Destroy(document);
}

// Laid down opaque so that empty cells become spaces, and into `last` too so
// that undo does not bring back an empty page.
ErrorCode DocFileFill(Document &document, const unsigned char *text, std::size_t size)
{
    Page &back = document.now.back;
    Page wrapped;
    ErrorCode error = TextToPage(wrapped, back.width, back.height, justLeft, text, size);
    if (error)
        return error;
    PageMerge(back, wrapped, 0, 0, opaque);
    PageMerge(document.last.back, wrapped, 0, 0, opaque);
    PageKill(wrapped);
    return 0;
}

ErrorCode DocFileText(Document &document, unsigned char *&text, std::size_t &size)
{
    if (document.now.floating) {
        ErrorCode error = DocFrontPageDrop(document, false, true);
        if (error)
            return error;
    }
    return PageToText(text, size, document.now.back, true);
}
