// The arithmetic of the option buttons' drags, apart from any window.
#pragma once

#include <cstdint>

// Bits of a pen setting (pencilParam, rubberParam, drawParam).
const std::uint16_t penSizeBits = 0x0FFF;
const std::uint16_t penRound = 0x4000;
const std::uint16_t penShapeChoice = 0x8000; // the round bit may be changed

// Pixels sideways per step of a justification drag.
const int justificationStep = 16;

// `start` moved one unit for each whole `step` pixels of `distance` (part
// steps either way count for nothing), kept within `low` to `high`.
int ButtonDragValue(int start, int distance, int step, int low, int high);
// The pen setting for a pointer (dx, dy) from the press on a pen set to `start`.
std::uint16_t ShapeSizeValue(std::uint16_t start, int dx, int dy);
// The big text style (bold × 2 + italic) for a pointer (dx, dy) from the
// press, changed from the style `last` shown.
int BigTextStyleValue(int last, int dx, int dy);
