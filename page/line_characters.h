// The characters that lines are drawn with: which one stands for a direction,
// full-width and full-height rules, and how a line drawn over another joins it.
#pragma once

#include <cstdint>

#include "page/page.h"

const unsigned char lineHyphen = '-';
const unsigned char lineBar = '|';
const unsigned char lineSlash = '/';
const unsigned char lineBackslash = '\\';
const unsigned char linePlus = '+';
const unsigned char lineX = 'X';
const unsigned char lineAsterisk = '*';

// The character for a step of `x` columns and `y` rows; a space for no step.
unsigned char DirectionCharacter(std::int16_t x, std::int16_t y);
// Fills row `position` with hyphens, growing the page down to it first.
ErrorCode HorizontalLine(Page &page, int position);
// Rules column `position` (inside the page) with bars; hyphens become pluses.
void VerticalLine(Page &page, int position);
// What `lineChar` laid over `existing` becomes, whatever the preferences.
unsigned char CompoundCharacter(unsigned char lineChar, unsigned char existing);
// What the line tool writes for `lineChar` at a cell: joined with the back
// page's character there when compounds are on and the cell is inside it.
unsigned char LineCompound(unsigned char lineChar, const Page &back, int col, int row);
