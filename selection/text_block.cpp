#include "selection/text_block.h"

#include <cstring>

#include "base/memory.h"

ErrorCode TextFloatNew(DocState &now, int col, int row, int width, int height, std::uint32_t size)
{
    Page front;
    ErrorCode error = PageNew(front, width, height);
    if (error)
        return error;
    void *block = Allocate(error, size);
    if (error) {
        PageKill(front);
        return error;
    }
    now.front = front;
    now.floatCol = static_cast<std::int16_t>(col);
    now.floatRow = static_cast<std::int16_t>(row);
    now.floating = 1;
    now.format = formatText;
    now.handle = block;
    now.used = 0;
    now.allocated = size;
    return 0;
}

ErrorCode TextBlockGrow(DocState &now, std::uint32_t size)
{
    ErrorCode error;
    void *block = Reallocate(error, now.handle, size);
    if (error)
        return error;
    now.handle = block;
    now.allocated = size;
    return 0;
}

unsigned char *TextBlockAppend(DocState &now, const void *bytes, std::uint32_t count)
{
    unsigned char *end = static_cast<unsigned char *>(now.handle) + now.used;
    std::memcpy(end, bytes, count);
    now.used += count;
    return end;
}

// A typed Return is a CR and an LF, so one press takes both back.
void TextBlockBackspace(DocState &now)
{
    const unsigned char *text = static_cast<const unsigned char *>(now.handle);
    --now.used;
    if (now.used && text[now.used] == '\n' && text[now.used - 1] == '\r')
        --now.used;
}

bool TextKeyAllowed(char keyChar)
{
    unsigned char byte = static_cast<unsigned char>(keyChar);
    return byte == '\r' || byte == '\n' || (byte >= ' ' && byte <= 127);
}

static bool TextCellBlank(const Page &page, int col, int row)
{
    unsigned char cell = GetCharPage(page, col, row);
    return cell == 0 || cell == ' ';
}

void TextClickRect(const Page &back, int col, int row, Justification justification, CellRect &rect)
{
    int leftCol = 0, rightCol = back.width - 1;
    if (row >= 0 && row < back.height && TextCellBlank(back, col, row)) {
        leftCol = rightCol = col;
        while (leftCol > 0 && TextCellBlank(back, leftCol - 1, row))
            --leftCol;
        while (rightCol < back.width - 1 && TextCellBlank(back, rightCol + 1, row))
            ++rightCol;
    }
    // Left-justified text starts at the click, right-justified text ends on
    // it, centred text is centred on it within the nearer end.
    if (justification == justLeft)
        leftCol = col;
    else if (justification == justRight)
        rightCol = col;
    else if (rightCol - col > col - leftCol)
        rightCol = 2 * col - leftCol;
    else
        leftCol = 2 * col - rightCol;
    MakeRectangle(rect, leftCol, row, rightCol, row, wholeCol);
}
