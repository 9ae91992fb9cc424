#include "document/doc_clip_win.h"

bool DocumentTrack(const Document *, Clip &clip)
{
    const UINT formats[] = {CF_TEXT, CF_DIB, pngClipFormat, CF_ENHMETAFILE, pageClipFormat};
    for (UINT format : formats)
        if (ClipHas(clip, format))
            return true;
    return false;
}
