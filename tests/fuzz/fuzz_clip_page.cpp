// The program's own clipboard block, from any program: read into a page,
// which is then copied back as a block and as text, and saved.
#include <cstring>

#include "base/memory.h"
#include "document/clip_page.h"
#include "page/text_conversion.h"
#include "tests/fuzz/fuzz_support.h"

// The text forms of a page: lines as wide as the page (as the used part of
// it for a reader, under the message prefix), each ended by CR LF, and a 0.
static void FuzzAsText(FuzzRun &run, const Page &page, bool filing)
{
    unsigned char *text;
    std::size_t size;
    ErrorCode error = PageToText(text, size, page, filing);
    run.Reported(error, "PageToText");
    if (error)
        return;
    FuzzCheck(text[size] == 0, "a 0 after the text");
    FuzzCheck(size >= 2 && text[size - 2] == '\r' && text[size - 1] == '\n', "the last line ended");
    if (filing)
        FuzzCheck(size == static_cast<std::size_t>(page.height) * (page.width + 2), "every row saved whole");
    Destroy(text);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzRun run;
    FuzzedDataProvider input(data, size);
    FuzzBytes block = FuzzRest(input);
    Page page;
    ErrorCode error = ClipToPage(page, block.data(), block.size());
    run.Reported(error, "ClipToPage");
    if (error)
        return 0;
    std::size_t cells = static_cast<std::size_t>(page.width) * page.height;
    FuzzCheck(page.width > 0 && page.height > 0 && 4 + cells <= block.size(), "a page the block holds");
    unsigned char *copied;
    std::size_t copiedSize;
    error = PageToClip(copied, copiedSize, page);
    run.Reported(error, "PageToClip");
    if (!error) {
        FuzzCheck(copiedSize == 4 + cells && std::memcmp(copied, block.data(), copiedSize) == 0,
                  "a page copies back as the block it came from");
        Destroy(copied);
    }
    FuzzAsText(run, page, false);
    FuzzAsText(run, page, true);
    PageKill(page);
    return 0;
}
