#include "tools/shape_cells.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "page/line_characters.h"

static void RectangleColumn(Page &page, int col, unsigned char character)
{
    for (int row = 0; row < page.height; ++row)
        *ShapeCell(page, col, row) = character;
}

// Columns fromCol..toCol of `row`; automatic runs end in corners.
static void RectangleRun(Page &page, int row, int fromCol, int toCol, unsigned char character)
{
    if (fromCol > toCol)
        return;
    std::memset(ShapeCell(page, fromCol, row), character ? character : lineHyphen, toCol - fromCol + 1);
    if (!character)
        *ShapeCell(page, fromCol, row) = *ShapeCell(page, toCol, row) = linePlus;
}

ErrorCode RectangleMakePage(Page &page, int width, int height, unsigned char character, int size)
{
    ErrorCode error = PageNew(page, width, height);
    if (error)
        return error;
    int endValue = std::min(size, (width + 1) / 2);
    for (int value = 0; value < endValue; ++value) {
        RectangleColumn(page, value, character ? character : lineBar);
        RectangleColumn(page, width - 1 - value, character ? character : lineBar);
    }
    // The top and bottom sides come last so that they win at the corners.
    endValue = std::min(size, (height + 1) / 2);
    for (int value = 0; value < endValue; ++value) {
        RectangleRun(page, value, value, width - 1 - value, character);
        RectangleRun(page, height - 1 - value, value, width - 1 - value, character);
    }
    return 0;
}

unsigned char CircleCharacter(int width, int height, int col, int row)
{
    // Doubled offsets from the centre keep odd sizes in integers.
    std::int64_t hori1 = 2 * col - width, vert1 = 2 * row - height;
    if (height * std::llabs(hori1) >= 2 * width * std::llabs(vert1))
        return lineBar;
    if (width * std::llabs(vert1) >= 2 * height * std::llabs(hori1))
        return lineHyphen;
    // Rows grow downward, so the upper right and lower left lean like "\".
    return (hori1 < 0) != (vert1 < 0) ? lineBackslash : lineSlash;
}

void CircleLayImage(Page &page, const BitImage &image, unsigned char character)
{
    for (int row = 0; row < image.height; ++row)
        for (int col = 0; col < image.width; ++col)
            if (BitImagePixel(image, col, row))
                *ShapeCell(page, col, row) =
                    character ? character : CircleCharacter(page.width, page.height, col, row);
}
