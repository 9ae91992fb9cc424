#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "base/memory.h"
#include "document/doc_files.h"

static int reports;

void FuzzCheck(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

void FuzzReported(ErrorCode error, const char *operation)
{
    FuzzCheck(reports == (error ? 1 : 0),
              operation); // an error is reported once, where it arises
    reports = 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    long live = MemoryLiveBlocks();
    ReportHook previous = ReportHookSet([](ErrorCode, unsigned) { ++reports; });
    FuzzedDataProvider input(data, size);
    FuzzOne(input);
    ReportHookSet(previous);
    FuzzCheck(MemoryLiveBlocks() == live, "every block released");
    FuzzCheck(reports == 0, "every report accounted for");
    return 0;
}

FuzzBytes FuzzRest(FuzzedDataProvider &input)
{
    return {input.ConsumeRemainingBytes<unsigned char>()};
}

std::string FuzzShown(const unsigned char *text, std::size_t size)
{
    std::string shown;
    for (std::size_t i = 0; i < size; ++i)
        if (text[i] && text[i] != ' ' && text[i] != '\r' && text[i] != '\n')
            shown += static_cast<char>(text[i]);
    return shown;
}

std::string FuzzShown(const Page &page)
{
    return FuzzShown(page.data, static_cast<std::size_t>(page.width) * page.height);
}

Document *FuzzOpen(const unsigned char *text, std::size_t size, int wrapWidth)
{
    int width, height;
    if (!DocFileMeasure(text, size, wrapWidth, width, height))
        return nullptr;
    ErrorCode error;
    Document *document = DocRecordNew(error, width, height);
    FuzzReported(error, "DocRecordNew");
    if (document) {
        error = DocFileFill(*document, text, size);
        FuzzReported(error, "DocFileFill");
        FuzzCheck(!error, "a measured text fills its page");
    }
    return document;
}

// A page as it reads back: empty cells as spaces and, for a page made from
// text, LFs among the spaces at a row's end as spaces too (trimmed as line
// ends).
static std::string FuzzReread(const Page &page, bool fromText)
{
    std::string cells(page.data, page.data + static_cast<std::size_t>(page.width) * page.height);
    for (std::size_t end = cells.size(); end > 0; end -= page.width)
        for (std::size_t col = end; col > end - page.width &&
                                    (!cells[col - 1] || cells[col - 1] == ' ' || (fromText && cells[col - 1] == '\n'));
             --col)
            cells[col - 1] = ' ';
    for (char &cell : cells)
        cell = cell ? cell : ' ';
    return cells;
}

void FuzzSaveReread(Document &document, bool fromText)
{
    unsigned char *saved;
    std::size_t size;
    ErrorCode error = DocFileText(document, saved, size);
    FuzzReported(error, "DocFileText");
    if (error)
        return;
    const Page &page = document.now.back;
    Document *reread = FuzzOpen(saved, size, docMaxColumns);
    FuzzCheck(reread, "a saved document opens");
    const Page &again = reread->now.back;
    FuzzCheck(again.width == page.width &&
                  FuzzReread(again, false) == FuzzReread(page, fromText) + std::string(page.width, ' '),
              "a saved page reads back, and a last row of spaces");
    DocRecordKill(reread);
    Destroy(saved);
}
