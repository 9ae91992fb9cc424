#include "page/picture_chars.h"

#include <algorithm>
#include <cstdlib>

#include "base/preferences.h"

std::int16_t charPixels[256];
unsigned char charGrays[256];
unsigned char grayChars[256];

std::int32_t BlackPixelsCount(const unsigned char *bits, std::int32_t widthBytes, std::int32_t width,
                              std::int32_t height)
{
    std::int32_t count = 0;
    for (std::int32_t row = 0; row < height; ++row, bits += widthBytes)
        for (std::int32_t col = 0; col < width; col += 8) {
            // Bits past the width are row padding, not pixels.
            unsigned byte = bits[col / 8] & (0xFF00u >> std::min(width - col, 8));
            for (; byte; byte >>= 1)
                count += byte & 1;
        }
    return count;
}

void CharGraysFromPixels()
{
    auto [lightest, darkest] = std::minmax_element(charPixels, charPixels + 256);
    // A font whose characters all look alike has them all at the light end.
    int range = std::max(*darkest - *lightest, 1);
    for (int c = 0; c < 256; ++c)
        charGrays[c] = static_cast<unsigned char>((charPixels[c] - *lightest) * 255 / range);
}

// Each set character's darkness, stretched to the set's own range. When the
// font cannot tell them apart, the order the user gave (light to dark) is all
// there is to go on, so they are spread evenly by position.
static void GrayCharsLevels(const unsigned char *set, int count, int levels[256])
{
    int lightest = charPixels[set[0]], darkest = lightest;
    for (int i = 1; i < count; ++i) {
        lightest = std::min<int>(lightest, charPixels[set[i]]);
        darkest = std::max<int>(darkest, charPixels[set[i]]);
    }
    for (int i = 0; i < count; ++i)
        levels[i] = darkest > lightest ? (charPixels[set[i]] - lightest) * 255 / (darkest - lightest)
                                       : i * 255 / std::max(count - 1, 1);
}

void GrayCharsFromSet(const unsigned char *set)
{
    int count = 0;
    while (count < 255 && set[count])
        ++count;
    // An empty set leaves every darkness to its terminating 0, an empty cell.
    int levels[256];
    GrayCharsLevels(set, count, levels);
    for (int gray = 0; gray < 256; ++gray) {
        int best = 0;
        // Strictly nearer only, so that the earlier character wins a tie.
        for (int i = 1; i < count; ++i)
            if (std::abs(levels[i] - gray) < std::abs(levels[best] - gray))
                best = i;
        grayChars[gray] = set[best];
    }
}

void CalculateGrayChars()
{
    GrayCharsFromSet(preferences.grayscaleCharacters);
}
