#include "selection/page_effects.h"

#include "page/picture_chars.h"

namespace {

// An effect that rearranges cells: the size of the new page, and the old
// cell that new cell (c, r) takes, or 0 for one left empty.
struct PageEffect {
    int code;
    void (*size)(const Page &old, int &width, int &height);
    unsigned char (*cell)(const Page &old, int c, int r);
};

void SameSize(const Page &old, int &width, int &height)
{
    width = old.width;
    height = old.height;
}

void TurnedSize(const Page &old, int &width, int &height)
{
    width = old.height;
    height = old.width;
}

void ExplodedSize(const Page &old, int &width, int &height)
{
    width = 2 * old.width;
    height = old.height;
}

void ImplodedSize(const Page &old, int &width, int &height)
{
    width = (old.width + 1) / 2;
    height = old.height;
}

unsigned char Cell(const Page &old, int c, int r)
{
    return GetCharPage(old, c, r);
}

// A pair of cells becomes its first one, or its second when the first is a
// space. A last odd cell has no partner and stays as it is.
unsigned char ImplodeCell(const Page &old, int c, int r)
{
    unsigned char first = Cell(old, 2 * c, r);
    if (first == ' ' && 2 * c + 1 < old.width)
        return Cell(old, 2 * c + 1, r);
    return first;
}

const PageEffect pageEffects[] = {
    {flipHorizontal, SameSize, [](const Page &old, int c, int r) { return Cell(old, old.width - 1 - c, r); }},
    {flipVertical, SameSize, [](const Page &old, int c, int r) { return Cell(old, c, old.height - 1 - r); }},
    {rotateRight, TurnedSize, [](const Page &old, int c, int r) { return Cell(old, r, old.height - 1 - c); }},
    {rotateLeft, TurnedSize, [](const Page &old, int c, int r) { return Cell(old, old.width - 1 - r, c); }},
    {rotate180, SameSize,
     [](const Page &old, int c, int r) { return Cell(old, old.width - 1 - c, old.height - 1 - r); }},
    {explode, ExplodedSize,
     [](const Page &old, int c, int r) { return c % 2 ? static_cast<unsigned char>(0) : Cell(old, c / 2, r); }},
    {implode, ImplodedSize, ImplodeCell},
};

// Light characters become dark ones and dark ones light, empty cells
// included, all from the picture set.
void PageInvert(Page &page)
{
    std::int32_t cells = static_cast<std::int32_t>(page.width) * page.height;
    for (std::int32_t i = 0; i < cells; ++i)
        page.data[i] = grayChars[255 - charGrays[page.data[i]]];
}

ErrorCode PageRearrange(Page &page, const PageEffect &effect)
{
    int width, height;
    effect.size(page, width, height);
    Page result;
    ErrorCode error = PageNew(result, width, height);
    if (error)
        return error;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            result.data[static_cast<std::int32_t>(r) * width + c] = effect.cell(page, c, r);
    PageKill(page);
    page = result;
    return 0;
}

} // namespace

ErrorCode PageTransform(Page &page, int transformation)
{
    if (transformation == invert) {
        PageInvert(page);
        return 0;
    }
    for (const PageEffect &effect : pageEffects) {
        if (effect.code == transformation)
            return PageRearrange(page, effect);
    }
    return 0;
}
