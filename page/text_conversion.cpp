#include "page/text_conversion.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "base/memory.h"
#include "base/preferences.h"

// The nearest plain ASCII look-alike of every byte; the upper half folds the
// Windows Latin-1 characters.
static const unsigned char transTable[256] = {
    0x20, 0x20, 0x20, 0x0D, 0x20, 0x20, 0x20, 0x20, 0x20, 0x09, 0x0A, 0x20, 0x20, 0x0D, 0x20, 0x20,
    0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
    0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F,
    0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F,
    0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F,
    0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B, 0x5C, 0x5D, 0x5E, 0x5F,
    0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F,
    0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x7C, 0x7D, 0x7E, 0x20,
    0x20, 0x20, 0x2C, 0x66, 0x2C, 0x2E, 0x7C, 0x7C, 0x5E, 0x25, 0x53, 0x3C, 0x4F, 0x20, 0x20, 0x20,
    0x20, 0x27, 0x27, 0x22, 0x22, 0x2A, 0x2D, 0x2D, 0x7E, 0x74, 0x73, 0x3E, 0x6F, 0x20, 0x20, 0x59,
    0x20, 0x21, 0x63, 0x45, 0x2A, 0x59, 0x7C, 0x53, 0x22, 0x63, 0x61, 0x3C, 0x2D, 0x2D, 0x52, 0x2D,
    0x6F, 0x2B, 0x32, 0x33, 0x27, 0x75, 0x50, 0x2E, 0x2C, 0x31, 0x6F, 0x3E, 0x34, 0x32, 0x33, 0x3F,
    0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x43, 0x45, 0x45, 0x45, 0x45, 0x49, 0x49, 0x49, 0x49,
    0x44, 0x4E, 0x4F, 0x4F, 0x4F, 0x4F, 0x4F, 0x78, 0x30, 0x55, 0x55, 0x55, 0x55, 0x59, 0x70, 0x42,
    0x61, 0x61, 0x61, 0x61, 0x61, 0x61, 0x61, 0x63, 0x65, 0x65, 0x65, 0x65, 0x69, 0x69, 0x69, 0x69,
    0x64, 0x6E, 0x6F, 0x6F, 0x6F, 0x6F, 0x6F, 0x2D, 0x6F, 0x75, 0x75, 0x75, 0x75, 0x79, 0x70, 0x79,
};

void TextTranslate(unsigned char *textPtr, std::size_t textSize)
{
    for (std::size_t i = 0; i < textSize; ++i)
        textPtr[i] = transTable[textPtr[i]];
}

// The index of a line end's last byte: the LF that follows the CR, if any.
static std::size_t TextLineEndLast(const unsigned char *text, std::size_t size, std::size_t cr)
{
    return cr + 1 < size && text[cr + 1] == '\n' ? cr + 1 : cr;
}

void PagePointerDims(const unsigned char *textPointer, std::size_t dataSize, int &width, int &height)
{
    int wrap = width, lines = 0, lineLength = 0, wordLength = 0, widest = 0;
    for (std::size_t i = 0; i < dataSize; ++i) {
        if (textPointer[i] == '\r') {
            i = TextLineEndLast(textPointer, dataSize, i);
            ++lines;
            lineLength = wordLength = 0;
            continue;
        }
        if (textPointer[i] == ' ')
            wordLength = 0;
        if (lineLength >= wrap) {
            // A word as long as a line is broken where it stands.
            if (wordLength >= wrap)
                wordLength = 0;
            ++lines;
            lineLength = wordLength;
        }
        widest = std::max(widest, ++lineLength);
        ++wordLength;
    }
    width = widest;
    height = lines + 1;
}

std::size_t TextLineEnds(const unsigned char *text, std::size_t size, int width, const std::int32_t *advance,
                         std::size_t *ends, std::size_t limit)
{
    std::size_t count = 0, wordChars = 0;
    // A run of spaces never ends a line, so widths are summed in 64 bits.
    std::int64_t linePixels = 0, wordPixels = 0;
    for (std::size_t i = 0; i < size && count < limit; ++i) {
        std::int32_t pixels = advance ? advance[text[i]] : 1;
        if (text[i] == '\r') {
            i = TextLineEndLast(text, size, i);
            ends[count++] = i + 1;
            linePixels = wordPixels = 0;
            wordChars = 0;
        } else if (text[i] == ' ') {
            // Spaces never start a line; they are trimmed from its end instead.
            linePixels += pixels;
            wordPixels = 0;
            wordChars = 0;
        } else {
            if (linePixels + pixels > width) {
                // A word too wide for a line is cut where it stands; a
                // character alone wider than the line stays on it.
                if (wordPixels + pixels > width) {
                    wordPixels = 0;
                    wordChars = 0;
                }
                if (linePixels) {
                    ends[count++] = i - wordChars;
                    linePixels = wordPixels;
                }
            }
            linePixels += pixels;
            wordPixels += pixels;
            ++wordChars;
        }
    }
    if (count < limit)
        ends[count++] = size;
    return count;
}

static bool TextIsLineEnd(unsigned char c)
{
    return c == '\r' || c == '\n';
}

std::size_t TextLineTrim(const unsigned char *line, std::size_t length, bool &lineEnd)
{
    lineEnd = false;
    for (; length > 0 && (line[length - 1] == ' ' || TextIsLineEnd(line[length - 1])); --length)
        lineEnd |= TextIsLineEnd(line[length - 1]);
    return length;
}

int TextLineStart(Justification justify, int width, int length)
{
    return justify == justCentre ? (width - length) / 2 : justify == justRight ? width - length : 0;
}

// Spreads a line over `width` cells by widening its gaps, later gaps first
// getting the larger share.
static void TextJustifyRow(unsigned char *row, const unsigned char *line, int length, int width)
{
    int gaps = static_cast<int>(std::count(line, line + length, ' '));
    int spare = width - length, owed = 0, col = 0;
    for (int i = 0; i < length; ++i) {
        if (line[i] == ' ')
            for (owed += spare; owed >= gaps; owed -= gaps)
                row[col++] = ' ';
        row[col++] = line[i];
    }
}

// Copies one wrapped line into `row`, trimmed and justified.
static void TextPutLine(unsigned char *row, int width, const unsigned char *line, std::size_t size,
                        Justification justify, bool lastLine)
{
    bool lineEnd;
    int length = static_cast<int>(TextLineTrim(line, std::min<std::size_t>(size, width), lineEnd));
    if (justify == justJustify && !lineEnd && !lastLine) {
        TextJustifyRow(row, line, length, width);
        return;
    }
    std::memcpy(row + TextLineStart(justify, width, length), line, length);
}

// Where each line of a wrapped text ends. Short texts, such as the cells of a
// table, keep their ends in `local` and need no block of their own.
struct TextWrapped {
    std::size_t local[64];
    std::size_t *ends;
    std::size_t lines;
};

// Wraps the text at `width` into at most `height` lines, 0 for no limit.
static ErrorCode TextWrap(TextWrapped &wrapped, const unsigned char *text, std::size_t size, int width, int height)
{
    // Each byte ends at most one line, and the text's end one more.
    std::size_t limit = size + 1;
    if (height > 0)
        limit = std::min(limit, static_cast<std::size_t>(height));
    ErrorCode error = 0;
    wrapped.ends = wrapped.local;
    if (limit > std::size(wrapped.local))
        wrapped.ends = static_cast<std::size_t *>(Allocate(error, limit * sizeof(std::size_t)));
    if (!error)
        wrapped.lines = TextLineEnds(text, size, width, nullptr, wrapped.ends, limit);
    return error;
}

static void TextWrappedKill(TextWrapped &wrapped)
{
    if (wrapped.ends != wrapped.local)
        Destroy(wrapped.ends);
}

// Puts the wrapped lines into `width` cells a row from `first` down, rows
// being `stride` cells apart.
static void TextPutLines(unsigned char *first, int stride, int width, Justification justify,
                         const unsigned char *text, const TextWrapped &wrapped)
{
    for (std::size_t r = 0; r < wrapped.lines; ++r) {
        std::size_t start = r ? wrapped.ends[r - 1] : 0;
        TextPutLine(first + r * stride, width, text + start, wrapped.ends[r] - start, justify,
                    r + 1 == wrapped.lines);
    }
}

ErrorCode TextToPage(Page &page, int width, int height, Justification justify, const unsigned char *textPtr,
                     std::size_t textSize)
{
    TextWrapped wrapped;
    ErrorCode error = TextWrap(wrapped, textPtr, textSize, width, height);
    if (error)
        return error;
    Page made;
    error = PageNew(made, width, static_cast<int>(wrapped.lines));
    if (!error) {
        TextPutLines(made.data, width, width, justify, textPtr, wrapped);
        page = made;
    }
    TextWrappedKill(wrapped);
    return error;
}

ErrorCode TextOntoPage(Page &page, int col, int row, int width, Justification justify, const unsigned char *text,
                       std::size_t size, int &lines)
{
    TextWrapped wrapped;
    ErrorCode error = TextWrap(wrapped, text, size, width, 0);
    if (error)
        return error;
    std::size_t bottom = row + wrapped.lines;
    if (bottom > static_cast<std::size_t>(page.height))
        error = PageResize(page, page.width, static_cast<int>(std::min<std::size_t>(bottom, INT32_MAX)));
    if (!error) {
        TextPutLines(page.data + static_cast<std::int32_t>(row) * page.width + col, page.width, width, justify, text,
                     wrapped);
        lines = static_cast<int>(wrapped.lines);
    }
    TextWrappedKill(wrapped);
    return error;
}

// Writes `width` cells and CR LF, empty cells as spaces; returns the next line's start.
static unsigned char *TextPutRow(unsigned char *out, const unsigned char *cells, int width)
{
    for (int col = 0; col < width; ++col)
        *out++ = cells[col] ? cells[col] : ' ';
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

// The prefix rows, then a blank line to set the drawing apart from them.
static unsigned char *TextPutPrefix(unsigned char *out, const Page &prefix)
{
    for (int row = 0; row < prefix.height; ++row)
        out = TextPutRow(out, prefix.data + row * prefix.width, prefix.width);
    std::memset(out, ' ', prefix.width);
    out += prefix.width;
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

ErrorCode PageToText(unsigned char *&textPointer, std::size_t &dataSize, const Page &page, bool filing)
{
    CellRect area = {0, 0, page.width, page.height};
    Page prefix = {0, 0, nullptr};
    ErrorCode error = 0;
    if (!filing) {
        // A reader needs no blank margin on the right or at the bottom.
        PageAutoReduce(page, area, false);
        const auto *message = reinterpret_cast<const unsigned char *>(preferences.messagePrefix);
        error = TextToPage(prefix, area.right, 0, justCentre, message, std::strlen(preferences.messagePrefix));
        if (error)
            return error;
    }
    int width = area.right, height = area.bottom;
    std::size_t lines = height + (filing ? 0 : prefix.height + 1);
    std::size_t size = lines * (width + 2);
    auto *text = static_cast<unsigned char *>(Allocate(error, size + 1));
    if (!error) {
        unsigned char *out = filing ? text : TextPutPrefix(text, prefix);
        for (int row = 0; row < height; ++row)
            out = TextPutRow(out, page.data + row * page.width, width);
        *out = 0;
        textPointer = text;
        dataSize = size;
    }
    PageKill(prefix);
    return error;
}
