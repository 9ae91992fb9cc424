// An enhanced metafile's header record, as the platform copies it out of a
// metafile from the clipboard: its bounds read, the picture pasted at the
// size the program gives it, and its drawing area on pages of any size.
#include "page/picture.h"
#include "page/picture_dib.h"
#include "tests/fuzz/fuzz_support.h"

// The area lies inside the page, centred, and holds a cell at least.
static void FuzzArea(const Page &page, std::int64_t width, std::int64_t height, int squishMode)
{
    CellRect area;
    if (!PictureDrawArea(page, width, height, squishMode, area))
        return;
    FuzzCheck(area.left >= 0 && area.top >= 0 && area.right <= page.width && area.bottom <= page.height &&
                  area.left < area.right && area.top < area.bottom,
              "a cell at least, drawn inside the page");
    FuzzCheck(area.left == (page.width - (area.right - area.left)) / 2 &&
                  area.top == (page.height - (area.bottom - area.top)) / 2,
              "centred");
    if (squishMode == squishDirect)
        FuzzCheck(area.right - area.left <= width && area.bottom - area.top <= height, "never enlarged");
}

void FuzzOne(FuzzedDataProvider &input)
{
    int squishMode = input.ConsumeIntegralInRange(0, 3); // 3: any other value
    fontWidth = input.ConsumeIntegralInRange(0, 32);
    fontHeight = input.ConsumeIntegralInRange(0, 64);
    int roomWidth = input.ConsumeIntegralInRange(1, 500), roomHeight = input.ConsumeIntegralInRange(1, 16000);
    auto pageWidth = input.ConsumeIntegralInRange<std::int16_t>(0, INT16_MAX);
    auto pageHeight = input.ConsumeIntegralInRange<std::int16_t>(0, INT16_MAX);
    FuzzBytes header = FuzzRest(input);

    std::int64_t width, height;
    ErrorCode error = MetafileBounds(header.data(), static_cast<std::uint32_t>(header.size()), width, height);
    FuzzReported(error, "MetafileBounds");
    if (error)
        return;
    int pastedWidth, pastedHeight;
    if (PicturePasteSize(width, height, squishMode, roomWidth, roomHeight, pastedWidth, pastedHeight)) {
        FuzzCheck(width > 0 && height > 0 && pastedWidth >= 1 && pastedWidth <= roomWidth && pastedHeight >= 1 &&
                      pastedHeight <= roomHeight,
                  "only a picture with pixels pastes, within the room");
        FuzzArea(Page{static_cast<std::int16_t>(pastedWidth), static_cast<std::int16_t>(pastedHeight), nullptr}, width,
                 height, squishMode);
    }
    FuzzArea(Page{pageWidth, pageHeight, nullptr}, width, height, squishMode);
}
