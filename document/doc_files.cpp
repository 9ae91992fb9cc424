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
    // The measure counts a space before a long word into the word, so it can
    // find fewer rows than the wrap makes; the rows past its count would be lost.
    std::size_t rows = std::max<std::size_t>(height, TextLineEnds(text, size, width, nullptr, nullptr, size + 1));
    height = static_cast<int>(std::min<std::size_t>(rows, docFileMaxRows));
    return rows <= docFileMaxRows;
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
    // Two empty pages rather than one copied: a large page's cells then cost
    // nothing until they are filled.
    width = std::max(width, 1);
    height = std::max(height, 1);
    error = PageNew(document->now.back, width, height);
    if (!error) {
        error = PageNew(document->last.back, width, height);
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

// Wrapped straight into the page. A 0 byte of the file is read as a space,
// so that no cell of an opened page is empty.
ErrorCode DocFileFill(Document &document, const unsigned char *text, std::size_t size)
{
    Page &back = document.now.back;
    ErrorCode error = TextIntoPage(back, justLeft, text, size);
    if (!error && std::memchr(text, 0, size))
        std::replace(back.data, back.data + static_cast<std::size_t>(back.width) * back.height, '\0', ' ');
    return error;
}

void DocFileFillUndo(Document &document)
{
    PageMerge(document.last.back, document.now.back, 0, 0, directCopy);
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
