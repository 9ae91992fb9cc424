#include "tools/line_cells.h"

#include <cstdint>

#include "page/line_characters.h"

namespace {

// One band of slopes of a Shift drag: above `gradient` (rows per column,
// times 256) the end keeps one coordinate and takes the other from it.
struct LineBend {
    std::int32_t gradient;
    bool keepCol; // the column stays and the row is rewritten; else the reverse
    int sign;     // the rewritten coordinate moves by sign x the kept step; 0 keeps it at the start
};

// Tested in order; 128 is still horizontal while -128 is already diagonal.
const LineBend lineBends[] = {
    {512, false, 0},      // vertical
    {256, true, 1},       // diagonal keeping the column
    {128, false, 1},      // diagonal keeping the row
    {-128, true, 0},      // horizontal
    {-256, false, -1},    // diagonal keeping the row
    {-512, true, -1},     // diagonal keeping the column
    {INT32_MIN, false, 0} // vertical
};

} // namespace

bool BitImagePixel(const BitImage &image, int col, int row)
{
    const unsigned char *line = image.top + row * image.rowStep;
    return line[col / 8] >> (7 - col % 8) & 1;
}

void LineConstrain(int startCol, int startRow, int &endCol, int &endRow)
{
    int dCol = endCol - startCol, dRow = endRow - startRow;
    std::int32_t gradient = dRow * 256 / dCol;
    const LineBend *bend = lineBends;
    while (gradient <= bend->gradient)
        ++bend;
    if (bend->keepCol)
        endRow = startRow + bend->sign * dCol;
    else
        endCol = startCol + bend->sign * dRow;
}

unsigned char LineAutoCharacter(int width, int height, bool otherDiag)
{
    if (width > 2 * height)
        return lineHyphen;
    if (height > 2 * width)
        return lineBar;
    return otherDiag ? lineSlash : lineBackslash;
}

// One pen print: the block of cells from (col, row) that a drawn pixel covers.
static void LineLayPen(Page &page, const Page &refPage, int atCol, int atRow, int col, int row,
                       unsigned char character, int size, int vertSize)
{
    for (int subRow = row; subRow < row + vertSize; ++subRow)
        for (int subCol = col; subCol < col + size; ++subCol)
            *ShapeCell(page, subCol, subRow) = LineCompound(character, refPage, atCol + subCol, atRow + subRow);
}

void LineLayImage(Page &page, const Page &refPage, int atCol, int atRow, const BitImage &image,
                  unsigned char character, int size)
{
    int vertSize = PenRows(size);
    for (int row = 0; row < image.height; ++row)
        for (int col = 0; col < image.width; ++col)
            if (BitImagePixel(image, col, row))
                LineLayPen(page, refPage, atCol, atRow, col, row, character, size, vertSize);
}
