#include "page/page.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/memory.h"

std::int32_t fontWidth = 7;
std::int32_t fontHeight = 15;

static unsigned char *PageCell(const Page &page, int col, int row)
{
    return page.data + static_cast<std::int32_t>(row) * page.width + col;
}

static bool PageCellUsed(const Page &page, int col, int row)
{
    unsigned char cell = *PageCell(page, col, row);
    return cell && cell != ' ';
}

// Sizes are kept in 16 bits; a larger one (from a hostile file, say) is
// refused like a failed allocation rather than silently wrapped.
static ErrorCode PageSizeError(int width, int height)
{
    if (width >= 0 && height >= 0 && width <= INT16_MAX && height <= INT16_MAX)
        return 0;
    TestError(errorNoMemory);
    return errorNoMemory;
}

ErrorCode PageNew(Page &page, int width, int height)
{
    ErrorCode error = PageSizeError(width, height);
    if (error)
        return error;
    std::size_t size = static_cast<std::size_t>(width) * height;
    // Allocate gives a block even for no cells, so every live page holds one.
    auto *data = static_cast<unsigned char *>(AllocateZeroed(error, size));
    if (error)
        return error;
    page.width = static_cast<std::int16_t>(width);
    page.height = static_cast<std::int16_t>(height);
    page.data = data;
    return 0;
}

// Rows would move sideways in place, so a new width goes through a new page.
static ErrorCode PageResizeWidth(Page &page, int width, int height)
{
    Page resized;
    ErrorCode error = PageNew(resized, width, height);
    if (error)
        return error;
    PageMerge(resized, page, 0, 0, directCopy);
    PageKill(page);
    page = resized;
    return 0;
}

// Rows keep their place, so the block only grows or shrinks at its end.
static ErrorCode PageResizeHeight(Page &page, int height)
{
    std::size_t oldSize = static_cast<std::size_t>(page.width) * page.height;
    std::size_t newSize = static_cast<std::size_t>(page.width) * height;
    ErrorCode error;
    auto *data = static_cast<unsigned char *>(Reallocate(error, page.data, newSize));
    if (error)
        return error;
    if (newSize > oldSize)
        std::memset(data + oldSize, 0, newSize - oldSize);
    page.data = data;
    page.height = static_cast<std::int16_t>(height);
    return 0;
}

ErrorCode PageResize(Page &page, int width, int height)
{
    ErrorCode error = PageSizeError(width, height);
    if (error)
        return error;
    if (width != page.width)
        return PageResizeWidth(page, width, height);
    if (height != page.height)
        return PageResizeHeight(page, height);
    return 0;
}

void PageKill(Page &page)
{
    Destroy(page.data);
    page.data = nullptr;
}

unsigned char GetCharPage(const Page &page, int col, int row)
{
    return *PageCell(page, col, row);
}

void BlankRectPage(Page &page, int fromCol, int fromRow, int toCol, int toRow)
{
    if (toCol <= fromCol)
        return;
    for (int row = fromRow; row < toRow; ++row)
        std::memset(PageCell(page, fromCol, row), ' ', toCol - fromCol);
}

// A negative origin on one side moves both origins forward to 0.
static void ClipOrigin(int &origin, int &other)
{
    if (origin < 0) {
        other -= origin;
        origin = 0;
    }
}

// The byte that lies in a cell after `source` is laid onto `below`.
static unsigned char CellLaid(unsigned char below, unsigned char source, Transparency transparency)
{
    switch (transparency) {
    case opaque:
        return source ? source : ' ';
    case nullTransparent:
        return source ? source : below;
    case spaceTransparent:
        return source && source != ' ' ? source : below;
    case directCopy:
        return source;
    default:
        return below;
    }
}

void PageDataBlit(unsigned char *destPtr, int destWidth, int destHeight, int atCol, int atRow,
                  const unsigned char *sourcePtr, int sourceWidth, int sourceHeight, int fromCol, int fromRow,
                  Transparency transparency)
{
    ClipOrigin(atCol, fromCol);
    ClipOrigin(atRow, fromRow);
    ClipOrigin(fromCol, atCol);
    ClipOrigin(fromRow, atRow);
    int cols = std::min(destWidth - atCol, sourceWidth - fromCol);
    int rows = std::min(destHeight - atRow, sourceHeight - fromRow);
    if (cols <= 0 || rows <= 0)
        return;
    for (int r = 0; r < rows; ++r) {
        unsigned char *dest = destPtr + static_cast<std::int32_t>(atRow + r) * destWidth + atCol;
        const unsigned char *source = sourcePtr + static_cast<std::int32_t>(fromRow + r) * sourceWidth + fromCol;
        if (transparency == directCopy) { // a row at once: whole pages are copied so
            std::memmove(dest, source, cols);
            continue;
        }
        for (int c = 0; c < cols; ++c)
            dest[c] = CellLaid(dest[c], source[c], transparency);
    }
}

void PageMerge(Page &page, const Page &sourcePage, int atCol, int atRow, Transparency transparency)
{
    PageDataBlit(page.data, page.width, page.height, atCol, atRow, sourcePage.data, sourcePage.width,
                 sourcePage.height, 0, 0, transparency);
}

void PageLift(Page &page, const Page &sourcePage, int fromCol, int fromRow)
{
    PageDataBlit(page.data, page.width, page.height, 0, 0, sourcePage.data, sourcePage.width, sourcePage.height,
                 fromCol, fromRow, opaque);
}

static bool PageRowUsed(const Page &page, int row, int fromCol, int toCol)
{
    for (int col = fromCol; col < toCol; ++col)
        if (PageCellUsed(page, col, row))
            return true;
    return false;
}

static bool PageColUsed(const Page &page, int col, int fromRow, int toRow)
{
    for (int row = fromRow; row < toRow; ++row)
        if (PageCellUsed(page, col, row))
            return true;
    return false;
}

void PageAutoReduce(const Page &page, CellRect &rect, bool fromsToo)
{
    int fromCol = rect.left, fromRow = rect.top, toCol = rect.right, toRow = rect.bottom;
    while (toRow > fromRow && !PageRowUsed(page, toRow - 1, fromCol, toCol))
        --toRow;
    while (fromsToo && fromRow < toRow && !PageRowUsed(page, fromRow, fromCol, toCol))
        ++fromRow;
    while (toCol > fromCol && !PageColUsed(page, toCol - 1, fromRow, toRow))
        --toCol;
    while (fromsToo && fromCol < toCol && !PageColUsed(page, fromCol, fromRow, toRow))
        ++fromCol;
    // Nothing used: the caller keeps the area it asked about.
    if (fromCol == toCol || fromRow == toRow)
        return;
    rect = {fromCol, fromRow, toCol, toRow};
}

int PenRows(int size)
{
    // Cells are taller than wide, so a pen covers fewer rows than columns.
    return (size * fontWidth + fontHeight - 1) / fontHeight;
}

void GetSizedRect(const Page &page, int atCol, int atRow, int size, int &vertSize, int &fromCol, int &fromRow,
                  int &toCol, int &toRow)
{
    vertSize = PenRows(size);
    toCol = atCol + size / 2 + 1;
    toRow = atRow + vertSize / 2 + 1;
    fromCol = std::max(toCol - size, 0);
    fromRow = std::max(toRow - vertSize, 0);
    toCol = std::min(toCol, static_cast<int>(page.width));
    toRow = std::min(toRow, static_cast<int>(page.height));
}

// Whether the cell (dx, dy) from the pen's centre lies inside the ellipse
// inscribed in its footprint; distances are doubled so that even sizes,
// whose centre falls between cells, stay in integers.
static bool PenCovers(int dx, int dy, int size, int vertSize)
{
    std::int32_t hx = size % 2 ? 2 * dx : 2 * dx - 1;
    std::int32_t hy = vertSize % 2 ? 2 * dy : 2 * dy - 1;
    return hx * hx * vertSize * vertSize + hy * hy * size * size < size * size * vertSize * vertSize;
}

void SetCharsPage(Page &page, int atCol, int atRow, unsigned char character, int size, bool round)
{
    int vertSize, fromCol, fromRow, toCol, toRow;
    GetSizedRect(page, atCol, atRow, size, vertSize, fromCol, fromRow, toCol, toRow);
    // Pens under 3 columns are too small to show a rounded shape.
    bool ellipse = round && size >= 3;
    for (int row = fromRow; row < toRow; ++row)
        for (int col = fromCol; col < toCol; ++col)
            if (!ellipse || PenCovers(col - atCol, row - atRow, size, vertSize))
                *PageCell(page, col, row) = character;
}

void ScaleSize(std::int16_t &drawWidth, std::int16_t &drawHeight, int width, int height)
{
    if (width <= drawWidth && height <= drawHeight) {
        drawWidth = static_cast<std::int16_t>(width);
        drawHeight = static_cast<std::int16_t>(height);
        return;
    }
    // A side of no length sets no limit (and an empty box over it no 0 / 0).
    float hScale = width > 0 ? static_cast<float>(static_cast<double>(drawWidth) / width) : INFINITY;
    float vScale = height > 0 ? static_cast<float>(static_cast<double>(drawHeight) / height) : INFINITY;
    float ratio = hScale < vScale ? hScale : vScale;
    drawWidth = static_cast<std::int16_t>(std::floor(width * ratio + 0.5));
    drawHeight = static_cast<std::int16_t>(std::floor(height * ratio + 0.5));
}
