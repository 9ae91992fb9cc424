#include "page/picture_dib.h"

#include <climits>

#include "base/memory.h"

namespace {

const std::uint32_t infoHeaderSize = 40;   // the smallest header understood
const std::uint32_t maskedHeaderSize = 52; // headers this long hold the colour masks themselves
const std::uint32_t uncompressed = 0;      // BI_RGB
const std::uint32_t colourMasks = 3;       // BI_BITFIELDS

// The header's fields, as stored.
struct DibHeader {
    std::uint32_t size;
    std::int32_t width, height;
    std::uint16_t planes, bitCount;
    std::uint32_t compression, colorsUsed;
};

// Where the parts of the block lie, in bytes from its start; 64 bits wide
// so that no lying header can make the sums wrap.
struct DibLayout {
    std::uint64_t masks;    // the colour masks, when used
    std::uint64_t table;    // the colour table
    std::uint64_t colors;   // its entries
    std::uint64_t bits;     // the first stored row
    std::uint64_t rowBytes; // each row, padded to 4 bytes
    std::uint64_t rows;
};

std::uint16_t Read16(const unsigned char *at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

std::uint32_t Read32(const unsigned char *at)
{
    return Read16(at) | static_cast<std::uint32_t>(Read16(at + 2)) << 16;
}

DibHeader DibHeaderRead(const unsigned char *bytes)
{
    return {Read32(bytes), static_cast<std::int32_t>(Read32(bytes + 4)), static_cast<std::int32_t>(Read32(bytes + 8)),
            Read16(bytes + 12), Read16(bytes + 14), Read32(bytes + 16), Read32(bytes + 32)};
}

bool DibFormatKnown(const DibHeader &header)
{
    switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return header.compression == uncompressed;
    case 16:
    case 32:
        return header.compression == uncompressed || header.compression == colourMasks;
    }
    return false;
}

bool DibHeaderSane(const DibHeader &header)
{
    return header.size >= infoHeaderSize && header.width > 0 && header.height != 0 && header.height != INT32_MIN &&
           header.planes == 1 && DibFormatKnown(header);
}

DibLayout DibLayoutOf(const DibHeader &header)
{
    DibLayout layout;
    // A short header is followed by the masks; a longer one holds them.
    bool masksFollow = header.compression == colourMasks && header.size < maskedHeaderSize;
    layout.masks = masksFollow ? header.size : infoHeaderSize;
    layout.table = header.size + (masksFollow ? 12 : 0);
    layout.colors = header.colorsUsed;
    if (!layout.colors && header.bitCount < 16)
        layout.colors = std::uint64_t(1) << header.bitCount;
    layout.bits = layout.table + 4 * layout.colors;
    layout.rowBytes = (static_cast<std::uint64_t>(header.width) * header.bitCount + 31) / 32 * 4;
    layout.rows = header.height < 0 ? -static_cast<std::int64_t>(header.height) : header.height;
    return layout;
}

// Also keeps the header, masks and colour table, which lie before the rows, inside the block.
bool DibLayoutFits(const DibLayout &layout, std::uint32_t size)
{
    // Divided rather than multiplied: rows times row bytes can pass 64 bits.
    return layout.bits <= size && layout.rows <= (size - layout.bits) / layout.rowBytes;
}

// The level of the nearest grey, whose red, green and blue are all equal,
// is the mean of the three; a pixel's darkness is its distance from white.
unsigned char DibDarkness(unsigned red, unsigned green, unsigned blue)
{
    return static_cast<unsigned char>(255 - (red + green + blue + 1) / 3);
}

void DibColorsRead(DibInfo &info, const unsigned char *table, std::uint64_t colors)
{
    for (std::uint32_t index = 0; index < 256; ++index) {
        // An index past the table has no colour; it shows black.
        info.darkness[index] = 255;
        if (index < colors) {
            const unsigned char *quad = table + 4 * index; // blue, green, red, unused
            info.darkness[index] = DibDarkness(quad[2], quad[1], quad[0]);
        }
    }
}

void DibMasksRead(DibInfo &info, const DibHeader &header, const unsigned char *masks)
{
    static const std::uint32_t fiveBits[3] = {0x7C00, 0x03E0, 0x001F};
    static const std::uint32_t eightBits[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    for (int i = 0; i < 3; ++i) {
        std::uint32_t mask = header.compression == colourMasks ? Read32(masks + 4 * i)
                             : header.bitCount == 16         ? fiveBits[i]
                                                             : eightBits[i];
        info.masks[i] = mask;
        info.shifts[i] = 0;
        while (mask && !(mask >> info.shifts[i] & 1))
            ++info.shifts[i];
    }
}

// One colour of a pixel, scaled from its mask's width to 0..255.
unsigned DibChannel(const DibInfo &info, std::uint32_t pixel, int i)
{
    std::uint64_t most = info.masks[i] >> info.shifts[i];
    if (!most)
        return 0;
    std::uint64_t value = (pixel & info.masks[i]) >> info.shifts[i];
    return static_cast<unsigned>((value * 255 + most / 2) / most);
}

unsigned char DibPixelDarkness(const DibInfo &info, const unsigned char *row, std::int32_t col)
{
    switch (info.bitCount) {
    case 1:
        return info.darkness[row[col / 8] >> (7 - col % 8) & 1];
    case 4:
        return info.darkness[row[col / 2] >> (col % 2 ? 0 : 4) & 15];
    case 8:
        return info.darkness[row[col]];
    }
    int bytes = info.bitCount / 8;
    const unsigned char *at = row + static_cast<std::size_t>(col) * bytes;
    std::uint32_t pixel = 0;
    for (int i = bytes - 1; i >= 0; --i)
        pixel = pixel << 8 | at[i];
    return DibDarkness(DibChannel(info, pixel, 0), DibChannel(info, pixel, 1), DibChannel(info, pixel, 2));
}

// The source position whose centre lies nearest the centre of destination
// position `at`, as the platform's stretch that deletes rows and columns picks.
std::int32_t DibNearest(std::int32_t at, std::int32_t source, std::int32_t dest)
{
    return static_cast<std::int32_t>((2 * static_cast<std::uint64_t>(at) + 1) * source /
                                     (2 * static_cast<std::uint64_t>(dest)));
}

} // namespace

ErrorCode DibRefuse()
{
    TestError(errorInvalidData);
    return errorInvalidData;
}

ErrorCode DibRead(const void *block, std::uint32_t size, DibInfo &info)
{
    const auto *bytes = static_cast<const unsigned char *>(block);
    if (size < infoHeaderSize)
        return DibRefuse();
    DibHeader header = DibHeaderRead(bytes);
    if (!DibHeaderSane(header))
        return DibRefuse();
    DibLayout layout = DibLayoutOf(header);
    if (!DibLayoutFits(layout, size))
        return DibRefuse();
    info.width = header.width;
    info.height = static_cast<std::int32_t>(layout.rows);
    info.bitCount = header.bitCount;
    info.rowStep = static_cast<std::ptrdiff_t>(layout.rowBytes);
    info.top = bytes + layout.bits;
    if (header.height > 0) { // stored bottom-up
        info.top += (layout.rows - 1) * layout.rowBytes;
        info.rowStep = -info.rowStep;
    }
    if (header.bitCount <= 8)
        DibColorsRead(info, bytes + layout.table, layout.colors);
    else
        DibMasksRead(info, header, bytes + layout.masks);
    return 0;
}

ErrorCode DibStretchGray(const DibInfo &info, unsigned char *gray, std::int32_t width, std::int32_t height)
{
    ErrorCode error;
    auto *columns = static_cast<std::int32_t *>(Allocate(error, sizeof(std::int32_t) * width));
    if (error)
        return error;
    for (std::int32_t x = 0; x < width; ++x)
        columns[x] = DibNearest(x, info.width, width);
    for (std::int32_t y = 0; y < height; ++y) {
        const unsigned char *row = info.top + info.rowStep * DibNearest(y, info.height, height);
        for (std::int32_t x = 0; x < width; ++x)
            *gray++ = DibPixelDarkness(info, row, columns[x]);
    }
    Destroy(columns);
    return 0;
}
