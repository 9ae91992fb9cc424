// A device-independent bitmap from the clipboard: its header checked against
// its block, and the bitmap drawn onto a page of any size, as a paste or a
// resize would.
#include <cstring>

#include "base/preferences.h"
#include "page/picture.h"
#include "page/picture_chars.h"
#include "page/picture_dib.h"
#include "tests/fuzz/fuzz_support.h"

void FuzzOne(FuzzedDataProvider &input)
{
    int squishMode = input.ConsumeIntegralInRange(0, 2);
    fontWidth = input.ConsumeIntegralInRange(1, 32);
    fontHeight = input.ConsumeIntegralInRange(1, 64);
    int width = input.ConsumeIntegralInRange(1, 200), height = input.ConsumeIntegralInRange(1, 200);
    FuzzBytes block = FuzzRest(input);

    DibInfo info;
    ErrorCode error = DibRead(block.data(), static_cast<std::uint32_t>(block.size()), info);
    FuzzReported(error, "DibRead");
    if (error)
        return;
    // The first and last rows that the header describes lie inside the block.
    FuzzCheck(info.width > 0 && info.height > 0, "a bitmap with pixels");
    std::ptrdiff_t rowBytes = (static_cast<std::ptrdiff_t>(info.width) * info.bitCount + 7) / 8;
    for (const unsigned char *row : {info.top, info.top + info.rowStep * (info.height - 1)})
        FuzzCheck(row >= block.data() && row + rowBytes <= block.data() + block.size(), "rows inside the block");
    Page page;
    error = PageNew(page, width, height);
    FuzzReported(error, "PageNew");
    if (error)
        return;
    error = PictureBitmapOnPage(page, block.data(), static_cast<std::uint32_t>(block.size()), squishMode);
    FuzzReported(error, "PictureBitmapOnPage");
    // Cells outside the drawn area stay empty; the others hold grey characters.
    for (std::size_t cell = 0; cell < static_cast<std::size_t>(width) * height; ++cell)
        FuzzCheck(!page.data[cell] || std::memchr(grayChars, page.data[cell], 256), "only grey characters drawn");
    PageKill(page);
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A font whose characters darken with their codes, and the built-in set.
    for (int c = 0; c < 256; ++c)
        charPixels[c] = static_cast<std::int16_t>(c);
    GrayCharsFromSet(reinterpret_cast<const unsigned char *>(defaultAChars));
    return 0;
}
