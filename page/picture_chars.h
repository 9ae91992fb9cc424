// How dark each character of the display font looks, and which character of
// the picture set stands for each darkness.
#pragma once

#include <cstdint>

extern std::int16_t charPixels[256]; // black pixels of each character as drawn
extern unsigned char charGrays[256]; // each character's darkness: lightest 0, darkest 255
extern unsigned char grayChars[256]; // for each darkness, the nearest character of the set

// Black pixels in the first `width` pixels of each row of a 1-bit bitmap
// whose set bits are black, leftmost pixel in the top bit.
std::int32_t BlackPixelsCount(const unsigned char *bits, std::int32_t widthBytes, std::int32_t width,
                              std::int32_t height);
// Scales charPixels into charGrays.
void CharGraysFromPixels();
// Fills grayChars from the 0-terminated set `set`, light to dark.
void GrayCharsFromSet(const unsigned char *set);
// Fills grayChars from the picture characters of the preferences.
void CalculateGrayChars();
