// A device-independent bitmap from the clipboard: its header checked against
// its block, pasted at the size the program gives it, and drawn onto a page
// of that size, or of a size the input chooses as a resize would.
#include <set>

#include "base/preferences.h"
#include "page/picture.h"
#include "page/picture_chars.h"
#include "page/picture_dib.h"
#include "tests/fuzz/fuzz_support.h"

// The rows the header describes lie inside the block.
static void FuzzRowsInside(const DibInfo &info, const FuzzBytes &block)
{
    std::ptrdiff_t rowBytes = (static_cast<std::ptrdiff_t>(info.width) * info.bitCount + 7) / 8;
    const unsigned char *bottom = info.top + info.rowStep * (info.height - 1);
    for (const unsigned char *row : {info.top, bottom})
        FuzzCheck(row >= block.data() && row + rowBytes <= block.data() + block.size(), "rows inside the block");
}

// Cells outside the drawn area stay empty; the others hold grey characters.
static void FuzzDrawn(const Page &page)
{
    std::set<char> grays(grayChars, grayChars + 256);
    for (char cell : FuzzPageCells(page))
        FuzzCheck(!cell || grays.count(cell), "only grey characters drawn");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzRun run;
    FuzzedDataProvider input(data, size);
    int squishMode = input.ConsumeIntegralInRange(0, 2);
    fontWidth = input.ConsumeIntegralInRange(1, 32);
    fontHeight = input.ConsumeIntegralInRange(1, 64);
    int roomWidth = input.ConsumeIntegralInRange(1, 500), roomHeight = input.ConsumeIntegralInRange(1, 16000);
    bool resized = input.ConsumeBool();
    int width = input.ConsumeIntegralInRange(1, 200), height = input.ConsumeIntegralInRange(1, 200);
    FuzzBytes block = FuzzRest(input);

    DibInfo info;
    ErrorCode error = DibRead(block.data(), static_cast<std::uint32_t>(block.size()), info);
    run.Reported(error, "DibRead");
    if (error)
        return 0;
    FuzzCheck(info.width > 0 && info.height > 0, "a bitmap with pixels");
    FuzzRowsInside(info, block);
    if (!resized) {
        FuzzCheck(PicturePasteSize(info.width, info.height, squishMode, roomWidth, roomHeight, width, height),
                  "a bitmap with pixels pastes");
        FuzzCheck(width >= 1 && width <= roomWidth && height >= 1 && height <= roomHeight, "pasted within the room");
    }
    Page page;
    error = PageNew(page, width, height);
    run.Reported(error, "PageNew");
    if (error)
        return 0;
    error = PictureBitmapOnPage(page, block.data(), static_cast<std::uint32_t>(block.size()), squishMode);
    run.Reported(error, "PictureBitmapOnPage");
    FuzzDrawn(page);
    PageKill(page);
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A font whose characters darken with their codes, and the built-in set.
    for (int c = 0; c < 256; ++c)
        charPixels[c] = static_cast<std::int16_t>(c);
    GrayCharsFromSet(reinterpret_cast<const unsigned char *>(defaultAChars));
    return 0;
}
