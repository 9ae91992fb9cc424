// Text into pages: wrapped at a width, to a row limit and justified as the
// input chooses; and read as a file, saved and read again.
#include "base/memory.h"
#include "base/preferences.h"
#include "document/doc_files.h"
#include "page/text_conversion.h"
#include "tests/fuzz/fuzz_support.h"

// Every character that shows reaches the page, in order, unless a row limit
// cut the text short.
static void FuzzWrap(FuzzRun &run, const FuzzBytes &text, int width, int height, Justification justify)
{
    Page page;
    ErrorCode error = TextToPage(page, width, height, justify, text.data(), text.size());
    run.Reported(error, "TextToPage");
    if (error)
        return;
    FuzzCheck(page.width == width && page.height >= 1, "one row at least, as wide as asked");
    FuzzCheck(!height || page.height <= height, "no more rows than the limit");
    std::string shown = FuzzShown(page.data, static_cast<std::size_t>(page.width) * page.height);
    std::string all = FuzzShown(text.data(), text.size());
    FuzzCheck(height ? all.compare(0, shown.size(), shown) == 0 : shown == all, "the text's characters kept");
    PageKill(page);
}

// Nothing that shows is lost when a file is read, and the document saved
// reads back.
static void FuzzFile(FuzzRun &run, const FuzzBytes &file, int wrapWidth)
{
    Document *opened = FuzzOpen(run, file.data(), file.size(), wrapWidth);
    if (!opened)
        return;
    const Page &page = opened->now.back;
    FuzzCheck(FuzzShown(page.data, static_cast<std::size_t>(page.width) * page.height) ==
                  FuzzShown(file.data(), file.size()),
              "a file's characters all read");
    FuzzSaveReread(run, *opened, true);
    DocRecordKill(opened);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzRun run;
    FuzzedDataProvider input(data, size);
    int width = input.ConsumeIntegralInRange(1, 600); // every caller wraps within a cell at least
    int height = input.ConsumeIntegralInRange(0, 40); // 0 for no limit
    auto justify = static_cast<Justification>(input.ConsumeIntegralInRange(0, 3));
    bool document = input.ConsumeBool();
    preferences.defaultWidth = input.ConsumeIntegralInRange<std::int16_t>(0, docMaxColumns);
    FuzzBytes text = FuzzRest(input);
    FuzzWrap(run, text, width, height, justify);
    FuzzFile(run, text, DocFileWrapWidth(document ? "picture.glw" : "notes.txt"));
    return 0;
}
