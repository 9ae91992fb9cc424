#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "base/memory.h"
#include "document/doc_files.h"

static int reports;

static void FuzzCountReport(ErrorCode, unsigned)
{
    ++reports;
}

void FuzzCheck(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

FuzzRun::FuzzRun() : live(MemoryLiveBlocks()), previous(ReportHookSet(FuzzCountReport))
{
    reports = 0;
}

FuzzRun::~FuzzRun()
{
    ReportHookSet(previous);
    FuzzCheck(MemoryLiveBlocks() == live, "every block released");
    FuzzCheck(reports == 0, "every report accounted for");
}

void FuzzRun::Reported(ErrorCode error, const char *operation)
{
    if (reports != (error ? 1 : 0)) {
        std::fprintf(stderr, "%s: error %u, %d reports\n", operation, static_cast<unsigned>(error), reports);
        FuzzCheck(false, "an error is reported once, where it arises");
    }
    reports = 0;
}

const unsigned char *FuzzBytes::data() const
{
    static const unsigned char none = 0; // a real block even when empty
    return bytes.empty() ? &none : bytes.data();
}

FuzzBytes FuzzRest(FuzzedDataProvider &input)
{
    return {input.ConsumeRemainingBytes<unsigned char>()};
}

std::string FuzzPageCells(const Page &page, char empty)
{
    std::string cells(page.data, page.data + static_cast<std::size_t>(page.width) * page.height);
    for (char &cell : cells)
        cell = cell ? cell : empty;
    return cells;
}

std::string FuzzShown(const unsigned char *text, std::size_t size)
{
    std::string shown;
    for (std::size_t i = 0; i < size; ++i)
        if (text[i] && text[i] != ' ' && text[i] != '\r' && text[i] != '\n')
            shown += static_cast<char>(text[i]);
    return shown;
}

Document *FuzzOpen(FuzzRun &run, const unsigned char *text, std::size_t size, int wrapWidth)
{
    int width, height;
    if (!DocFileMeasure(text, size, wrapWidth, width, height))
        return nullptr;
    ErrorCode error;
    Document *document = DocRecordNew(error, width, height);
    run.Reported(error, "DocRecordNew");
    if (error)
        return nullptr;
    error = DocFileFill(*document, text, size);
    run.Reported(error, "DocFileFill");
    FuzzCheck(!error, "a measured text fills its page");
    return document;
}

// A row of a page as it reads back: empty cells as spaces and, for a page
// made from text, LFs among the spaces at its end as spaces too (trimmed as
// line ends).
static std::string FuzzRowReread(const Page &page, int row, bool fromText)
{
    std::string cells(page.data + static_cast<std::size_t>(row) * page.width,
                      page.data + static_cast<std::size_t>(row + 1) * page.width);
    for (char &cell : cells)
        cell = cell ? cell : ' ';
    for (std::size_t col = cells.size(); fromText && col > 0 && (cells[col - 1] == ' ' || cells[col - 1] == '\n');
         --col)
        cells[col - 1] = ' ';
    return cells;
}

void FuzzSaveReread(FuzzRun &run, Document &document, bool fromText)
{
    unsigned char *saved;
    std::size_t size;
    ErrorCode error = DocFileText(document, saved, size);
    run.Reported(error, "DocFileText");
    if (error)
        return;
    const Page &page = document.now.back;
    Document *reread = FuzzOpen(run, saved, size, docMaxColumns);
    FuzzCheck(reread, "a saved document opens");
    const Page &again = reread->now.back;
    FuzzCheck(again.width == page.width && again.height == page.height + 1, "the saved size reads back");
    for (int row = 0; row < page.height; ++row)
        FuzzCheck(FuzzRowReread(again, row, false) == FuzzRowReread(page, row, fromText), "a saved row reads back");
    FuzzCheck(FuzzRowReread(again, page.height, false) == std::string(page.width, ' '), "a last row of spaces");
    DocRecordKill(reread);
    Destroy(saved);
}
