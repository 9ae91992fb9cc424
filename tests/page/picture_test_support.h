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

inline void PngPutBig(Bytes &bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<unsigned char>(value >> shift));
}

inline std::uint32_t PngCrc(const unsigned char *bytes, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = crc >> 1 ^ (crc & 1 ? 0xEDB88320 : 0);
    }
    return ~crc;
}

inline void PngChunk(Bytes &png, const char *kind, const Bytes &data)
{
    PngPutBig(png, static_cast<std::uint32_t>(data.size()));
    std::size_t start = png.size();
    png.insert(png.end(), kind, kind + 4);
    png.insert(png.end(), data.begin(), data.end());
    PngPutBig(png, PngCrc(png.data() + start, png.size() - start));
}

// A PNG file of 8-bit samples, `channels` of them a pixel: 1 grey, 3 red,
// green and blue, 4 with alpha after them. `pixels` holds the top row first.
// The rows are stored without compression, in one block of under 64 kB.
inline Bytes PngBlock(int width, int height, int channels, const std::vector<unsigned char> &pixels)
{
    Bytes raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        auto row = pixels.begin() + y * width * channels;
        raw.insert(raw.end(), row, row + width * channels);
    }
    auto size = static_cast<std::uint16_t>(raw.size());
    Bytes stream = {0x78, 0x01, 0x01, static_cast<unsigned char>(size), static_cast<unsigned char>(size >> 8),
                    static_cast<unsigned char>(~size), static_cast<unsigned char>(~size >> 8)};
    stream.insert(stream.end(), raw.begin(), raw.end());
    std::uint32_t low = 1, high = 0; // Adler-32
    for (unsigned char byte : raw) {
        low = (low + byte) % 65521;
        high = (high + low) % 65521;
    }
    PngPutBig(stream, high << 16 | low);
    const unsigned char colourTypes[] = {0, 0, 0, 2, 6};
    Bytes header;
    PngPutBig(header, width);
    PngPutBig(header, height);
    header.insert(header.end(), {8, colourTypes[channels], 0, 0, 0});
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PngChunk(png, "IHDR", header);
    PngChunk(png, "IDAT", stream);
    PngChunk(png, "IEND", {});
    return png;
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
