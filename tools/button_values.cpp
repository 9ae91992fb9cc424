#include "tools/button_values.h"

#include <algorithm>

namespace {

const int penSizeMax = 12;
const int shapeSizeStep = 8;    // pixels sideways per size step
const int shapeRoundReach = 16; // pixels up or down before the shape changes
const int styleReach = 8;

// An on-off part of a setting: on past `reach` pixels of `offset`, off past
// -`reach`, else as it `was`.
bool ButtonDragSwitch(bool was, int offset, int reach)
{
    if (offset > reach)
        return true;
    if (offset < -reach)
        return false;
    return was;
}

} // namespace

int ButtonDragValue(int start, int distance, int step, int low, int high)
{
    return std::clamp(start + distance / step, low, high);
}

std::uint16_t ShapeSizeValue(std::uint16_t start, int dx, int dy)
{
    int size = ButtonDragValue(start & penSizeBits, dx, shapeSizeStep, 1, penSizeMax);
    bool round = start & penRound;
    if (start & penShapeChoice)
        round = ButtonDragSwitch(round, -dy, shapeRoundReach); // up makes it round
    return static_cast<std::uint16_t>((start & penShapeChoice) | (round ? penRound : 0) | size);
}

int BigTextStyleValue(int last, int dx, int dy)
{
    bool bold = ButtonDragSwitch(last & 2, dx, styleReach);
    bool italic = ButtonDragSwitch(last & 1, dy, styleReach);
    return bold * 2 + italic;
}
