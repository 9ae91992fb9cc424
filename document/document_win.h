// The document's records seen as the platform's types.
#pragma once

#include <windows.h>

#include <cstddef>

#include "document/document.h"

static_assert(sizeof(PixelRect) == sizeof(RECT) && offsetof(PixelRect, left) == offsetof(RECT, left) &&
                  offsetof(PixelRect, top) == offsetof(RECT, top) &&
                  offsetof(PixelRect, right) == offsetof(RECT, right) &&
                  offsetof(PixelRect, bottom) == offsetof(RECT, bottom),
              "PixelRect must be laid out as RECT");

inline RECT &AsRect(PixelRect &rect)
{
    return reinterpret_cast<RECT &>(rect);
}

inline const RECT &AsRect(const PixelRect &rect)
{
    return reinterpret_cast<const RECT &>(rect);
}
