#include "document/clip_page.h"

#include <cstring>

#include "base/memory.h"

static const std::size_t clipHeaderSize = 4;

static std::size_t ClipCellCount(int width, int height)
{
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

// Bytes are placed one by one so that the block reads the same on any machine.
static void ClipPutSize(unsigned char *at, std::int16_t value)
{
    auto bits = static_cast<std::uint16_t>(value);
    at[0] = static_cast<unsigned char>(bits & 0xFF);
    at[1] = static_cast<unsigned char>(bits >> 8);
}

static int ClipGetSize(const unsigned char *at)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | at[1] << 8));
}

ErrorCode PageToClip(unsigned char *&textPointer, std::size_t &dataSize, const Page &page)
{
    std::size_t cells = ClipCellCount(page.width, page.height);
    ErrorCode error;
    auto *block = static_cast<unsigned char *>(Allocate(error, clipHeaderSize + cells));
    if (error)
        return error;
    ClipPutSize(block, page.width);
    ClipPutSize(block + 2, page.height);
    std::memcpy(block + clipHeaderSize, page.data, cells);
    textPointer = block;
    dataSize = clipHeaderSize + cells;
    return 0;
}

ErrorCode ClipToPage(Page &page, const unsigned char *block, std::size_t size)
{
    int width = size < clipHeaderSize ? 0 : ClipGetSize(block);
    int height = size < clipHeaderSize ? 0 : ClipGetSize(block + 2);
    // The system may round a block up, so a longer one is fine.
    if (width <= 0 || height <= 0 || size - clipHeaderSize < ClipCellCount(width, height)) {
        TestError(errorBadClipData);
        return errorBadClipData;
    }
    ErrorCode error = PageNew(page, width, height);
    if (!error)
        std::memcpy(page.data, block + clipHeaderSize, ClipCellCount(width, height));
    return error;
}
