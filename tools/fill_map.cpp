#include "tools/fill_map.h"

#include <cstddef>
#include <cstring>

static bool FillBlank(unsigned char cell)
{
    return cell == 0 || cell == ' ';
}

static bool FillOpen(unsigned char cell, unsigned char inCharacter)
{
    return FillBlank(inCharacter) ? FillBlank(cell) : cell == inCharacter;
}

void FillMapBuild(const Page &page, unsigned char inCharacter, unsigned char *bits, std::int32_t widthBytes)
{
    for (int row = 0; row < page.height; ++row) {
        unsigned char *line = bits + static_cast<std::ptrdiff_t>(page.height - 1 - row) * widthBytes;
        std::memset(line, 0, (page.width + 7) / 8);
        for (int col = 0; col < page.width; ++col)
            if (!FillOpen(GetCharPage(page, col, row), inCharacter))
                line[col / 8] |= 0x80 >> col % 8;
    }
}

void FillMapApply(Page &page, const BitImage &source, const BitImage &result, unsigned char character)
{
    for (int row = 0; row < page.height; ++row)
        for (int col = 0; col < page.width; ++col)
            if (BitImagePixel(source, col, row) != BitImagePixel(result, col, row))
                *ShapeCell(page, col, row) = character;
}
