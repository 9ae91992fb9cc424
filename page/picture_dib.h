// Packed device-independent bitmaps: the header checked against the block
// that holds it, and the pixels stretched into grey without the platform.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/error.h"

// The system's code for data that is not what it claims (ERROR_INVALID_DATA).
const ErrorCode errorInvalidData = 13;

// A bitmap whose header fits its block.
struct DibInfo {
    std::int32_t width, height;  // pixels, both positive
    std::int32_t bitCount;       // 1, 4, 8, 16, 24 or 32
    const unsigned char *top;    // first byte of the top row
    std::ptrdiff_t rowStep;      // from a row to the one below; negative when stored bottom-up
    unsigned char darkness[256]; // up to 8 bits: each colour index's darkness
    std::uint32_t masks[3];      // 16 bits and more: where red, green and blue lie
    std::uint32_t shifts[3];     // the lowest bit of each mask
};

// Reports a picture that is not what it claims to be; returns errorInvalidData.
ErrorCode DibRefuse();
// Fills `info` from the bitmap in the `size` bytes at `block`. A header that
// does not fit the block, or a format other than uncompressed 1, 4, 8, 16,
// 24 or 32 bits or 16 or 32 bits with colour masks, is reported and refused.
ErrorCode DibRead(const void *block, std::uint32_t size, DibInfo &info);
// Stretches the whole bitmap onto `width` x `height` darkness bytes at
// `gray`, row after row, by deleting or repeating rows and columns.
ErrorCode DibStretchGray(const DibInfo &info, unsigned char *gray, std::int32_t width, std::int32_t height);
