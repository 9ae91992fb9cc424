// Packed device-independent bitmaps and character tables set up for tests.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "page/picture_chars.h"
#include "page/picture_dib.h"
#include "tests/support/restore.h"

typedef std::vector<unsigned char> Bytes;

struct DibShape {
    std::int32_t width, height;        // a negative height stores the rows top-down
    int bitCount;
    std::vector<std::uint32_t> colors = {}; // colour table, 0xRRGGBB
    std::vector<std::uint32_t> masks = {};  // red, green, blue: colour masks are used
    std::uint32_t headerSize = 40;     // from 52 the masks lie inside the header
};

inline void DibPut(Bytes &bytes, std::size_t at, std::uint32_t value, int size = 4)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<unsigned char>(value >> 8 * i);
}

// `pixels` holds the top row first: colour indices up to 8 bits, stored
// pixel values (0xRRGGBB for 24 and 32 bits) above.
inline Bytes DibBlock(const DibShape &shape, const std::vector<std::uint32_t> &pixels)
{
    std::size_t rowBytes = (shape.width * shape.bitCount + 31) / 32 * 4, rows = std::abs(shape.height);
    std::size_t table = shape.headerSize + (shape.masks.size() && shape.headerSize < 52 ? 12 : 0);
    std::size_t bits = table + 4 * shape.colors.size();
    Bytes bytes(bits + rowBytes * rows);
    DibPut(bytes, 0, shape.headerSize);
    DibPut(bytes, 4, shape.width);
    DibPut(bytes, 8, shape.height);
    DibPut(bytes, 12, 1 | shape.bitCount << 16); // planes, bits per pixel
    DibPut(bytes, 16, shape.masks.empty() ? 0 : 3);
    DibPut(bytes, 32, static_cast<std::uint32_t>(shape.colors.size()));
    for (std::size_t i = 0; i < shape.masks.size(); ++i)
        DibPut(bytes, 40 + 4 * i, shape.masks[i]);
    for (std::size_t i = 0; i < shape.colors.size(); ++i)
        DibPut(bytes, table + 4 * i, shape.colors[i]);
    for (std::size_t y = 0; y < rows; ++y) {
        std::size_t row = bits + (shape.height < 0 ? y : rows - 1 - y) * rowBytes;
        for (int x = 0; x < shape.width; ++x) {
            std::uint32_t value = pixels[y * shape.width + x];
            int bit = x * shape.bitCount;
            if (shape.bitCount < 8)
                bytes[row + bit / 8] |= static_cast<unsigned char>(value << (8 - shape.bitCount - bit % 8));
            else
                DibPut(bytes, row + bit / 8, value, shape.bitCount / 8);
        }
    }
    return bytes;
}

// The darkness bytes of the bitmap stretched to width x height.
inline Bytes Stretched(const Bytes &block, int width, int height)
{
    DibInfo info;
    EXPECT_EQ(0u, DibRead(block.data(), static_cast<std::uint32_t>(block.size()), info));
    Bytes gray(width * height);
    EXPECT_EQ(0u, DibStretchGray(info, gray.data(), width, height));
    return gray;
}

// Keeps the character tables of a test from the tests after it.
struct SavedTables : Restore {
    SavedTables() : Restore(charPixels, grayChars, charGrays) {}
};

// Darkness shown as the letters a (white) to z (black), so that pages read as text.
struct GrayLetters : SavedTables {
    GrayLetters()
    {
        for (int gray = 0; gray < 256; ++gray)
            grayChars[gray] = static_cast<unsigned char>('a' + gray * 25 / 255);
    }
};
