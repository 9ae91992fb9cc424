#include "page/line_characters.h"

#include <cstring>

#include "base/preferences.h"

unsigned char DirectionCharacter(std::int16_t x, std::int16_t y)
{
    if (!x)
        return y ? lineBar : ' ';
    if (!y)
        return lineHyphen;
    // Moving left is read as moving right the other way round, so only
    // whether the two steps agree in sign matters.
    return (x > 0) == (y > 0) ? lineBackslash : lineSlash;
}

ErrorCode HorizontalLine(Page &page, int position)
{
    if (position >= page.height) {
        ErrorCode error = PageResize(page, page.width, position + 1);
        if (error)
            return error;
    }
    std::memset(page.data + static_cast<std::int32_t>(position) * page.width, lineHyphen, page.width);
    return 0;
}

void VerticalLine(Page &page, int position)
{
    for (int row = 0; row < page.height; ++row) {
        unsigned char &cell = page.data[static_cast<std::int32_t>(row) * page.width + position];
        cell = cell == lineHyphen ? linePlus : lineBar;
    }
}

struct CompoundPair {
    unsigned char first, second; // either may be the line's character
    unsigned char joint;
};

static const CompoundPair compoundPairs[] = {
    {lineHyphen, lineBar, linePlus},
    {linePlus, lineHyphen, linePlus},
    {linePlus, lineBar, linePlus},
    {lineSlash, lineBackslash, lineX},
    {lineSlash, lineX, lineX},
    {lineBackslash, lineX, lineX},
    {lineAsterisk, linePlus, lineAsterisk},
    {lineAsterisk, lineHyphen, lineAsterisk},
    {lineAsterisk, lineSlash, lineAsterisk},
    {lineAsterisk, lineX, lineAsterisk},
    {lineAsterisk, lineBackslash, lineAsterisk},
    {lineAsterisk, lineBar, lineAsterisk},
    {linePlus, lineSlash, lineAsterisk},
    {linePlus, lineBackslash, lineAsterisk},
    {linePlus, lineX, lineAsterisk},
    {lineHyphen, lineX, lineAsterisk},
    {lineBar, lineX, lineAsterisk},
};

unsigned char CompoundCharacter(unsigned char lineChar, unsigned char existing)
{
    for (const CompoundPair &pair : compoundPairs) {
        if ((pair.first == lineChar && pair.second == existing) ||
            (pair.first == existing && pair.second == lineChar))
            return pair.joint;
    }
    return lineChar;
}

unsigned char LineCompound(unsigned char lineChar, const Page &back, int col, int row)
{
    // A cell beyond the back page has nothing under it to join with.
    bool inside = col >= 0 && row >= 0 && col < back.width && row < back.height;
    if (!preferences.compounds || !inside)
        return lineChar;
    return CompoundCharacter(lineChar, GetCharPage(back, col, row));
}
