// The program's own clipboard block, from any program: read into a page,
// which is then copied back as a block and as text, and saved.
#include <cstring>

#include "base/memory.h"
#include "document/clip_page.h"
#include "page/text_conversion.h"
#include "tests/fuzz/fuzz_support.h"

void FuzzOne(FuzzedDataProvider &input)
{
    FuzzBytes block = FuzzRest(input);
    Page page;
    ErrorCode error = ClipToPage(page, block.data(), block.size());
    FuzzReported(error, "ClipToPage");
    if (error)
        return;
    std::size_t cells = static_cast<std::size_t>(page.width) * page.height;
    FuzzCheck(page.width > 0 && page.height > 0 && 4 + cells <= block.size(), "a page the block holds");
    unsigned char *copied;
    std::size_t size;
    error = PageToClip(copied, size, page);
    FuzzReported(error, "PageToClip");
    if (!error) {
        FuzzCheck(size == 4 + cells && std::memcmp(copied, block.data(), size) == 0,
                  "a page copies back as the block it came from");
        Destroy(copied);
    }
    // The text forms: lines as wide as the page (as the used part of it for
    // a reader, under the message prefix), each ended by CR LF, and a 0.
    for (bool filing : {false, true}) {
        error = PageToText(copied, size, page, filing);
        FuzzReported(error, "PageToText");
        if (error)
            continue;
        FuzzCheck(copied[size] == 0 && size >= 2 && copied[size - 2] == '\r' && copied[size - 1] == '\n',
                  "the last line ended, and a 0 after the text");
        FuzzCheck(!filing || size == static_cast<std::size_t>(page.height) * (page.width + 2), "every row saved whole");
        Destroy(copied);
    }
    PageKill(page);
}
