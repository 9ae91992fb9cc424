// Text into pages: wrapped at a width, to a row limit and justified as the
// input chooses; and read as a file, saved and read again.
#include "base/memory.h"
#include "base/preferences.h"
#include "document/doc_files.h"
#include "page/text_conversion.h"
#include "tests/fuzz/fuzz_support.h"

void FuzzOne(FuzzedDataProvider &input)
{
    int width = input.ConsumeIntegralInRange(1, 600); // every caller wraps within a cell at least
    int height = input.ConsumeIntegralInRange(0, 40); // 0 for no limit
    auto justify = static_cast<Justification>(input.ConsumeIntegralInRange(0, 3));
    bool document = input.ConsumeBool();
    preferences.defaultWidth = input.ConsumeIntegralInRange<std::int16_t>(0, docMaxColumns);
    FuzzBytes text = FuzzRest(input);
    std::string all = FuzzShown(text.data(), text.size());

    // Every character that shows reaches the page, in order, unless a row
    // limit cut the text short.
    Page page;
    ErrorCode error = TextToPage(page, width, height, justify, text.data(), text.size());
    FuzzReported(error, "TextToPage");
    if (!error) {
        FuzzCheck(page.width == width && page.height >= 1, "one row at least, as wide as asked");
        FuzzCheck(!height || page.height <= height, "no more rows than the limit");
        std::string shown = FuzzShown(page);
        FuzzCheck(height ? all.compare(0, shown.size(), shown) == 0 : shown == all, "the text's characters kept");
        PageKill(page);
    }
    // Nothing that shows is lost when a file is read, and the document saved
    // reads back.
    Document *opened = FuzzOpen(text.data(), text.size(), DocFileWrapWidth(document ? "picture.glw" : "notes.txt"));
    if (opened) {
        FuzzCheck(FuzzShown(opened->now.back) == all, "a file's characters all read");
        FuzzSaveReread(*opened, true);
        DocRecordKill(opened);
    }
}
