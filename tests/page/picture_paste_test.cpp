// The size of a pasted picture: a metafile's bounds read from its header
// record, the page the picture floats as, and fitting a side of no length.
#include <gtest/gtest.h>

#include "page/picture.h"
#include "tests/page/picture_test_support.h"
#include "tests/support/reports.h"

namespace {

// The smallest metafile header record, with these bounds.
Bytes MetafileHeader(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    Bytes header(88);
    DibPut(header, 0, 1); // the header record's type
    DibPut(header, 4, 88);
    std::int32_t bounds[] = {left, top, right, bottom};
    for (int i = 0; i < 4; ++i)
        DibPut(header, 8 + 4 * i, static_cast<std::uint32_t>(bounds[i]));
    DibPut(header, 40, 0x464D4520); // " EMF"
    return header;
}

// Sets the display font's cell to 8 x 16 pixels for one test.
struct CellShape {
    std::int32_t oldWidth = fontWidth, oldHeight = fontHeight;
    CellShape() { fontWidth = 8, fontHeight = 16; }
    ~CellShape() { fontWidth = oldWidth, fontHeight = oldHeight; }
};

} // namespace

TEST(PicturePaste, MetafileSizeIsItsBoundsDifference)
{
    struct Case {
        std::int32_t left, top, right, bottom;
        std::int64_t width, height;
    } cases[] = {
        {0, 0, 100, 50, 100, 50},
        {-20, -10, 300, 100, 320, 110},
        {5, 5, 5, 5, 0, 0},
        {100, 100, 0, 0, -100, -100},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0xFFFFFFFF, 0xFFFFFFFF},
    };
    for (const Case &test : cases) {
        Bytes header = MetafileHeader(test.left, test.top, test.right, test.bottom);
        std::int64_t width = 0, height = 0;
        EXPECT_EQ(0u, MetafileBounds(header.data(), 88, width, height));
        EXPECT_EQ(test.width, width) << test.left << " to " << test.right;
        EXPECT_EQ(test.height, height) << test.top << " to " << test.bottom;
    }
}

TEST(PicturePaste, ARecordThatIsNoMetafileHeaderIsRefused)
{
    struct Case {
        std::size_t at;
        std::uint32_t value;
        std::uint32_t size;
    } cases[] = {{0, 1, 87}, {0, 2, 88}, {40, 0x464D4521, 88}};
    ReportCatcher reports;
    for (const Case &test : cases) {
        Bytes header = MetafileHeader(0, 0, 10, 10);
        DibPut(header, test.at, test.value);
        std::int64_t width, height;
        EXPECT_EQ(errorInvalidData, MetafileBounds(header.data(), test.size, width, height)) << test.at;
    }
    EXPECT_EQ(3, reports.errors);
}

TEST(PicturePaste, PageIsAPixelACellOrScaledIntoTheRoom)
{
    CellShape cell;
    struct Case {
        std::int64_t width, height;
        int squishMode, roomWidth, roomHeight;
        int pageWidth, pageHeight; // 0: the picture does not paste
    } cases[] = {
        {10, 6, squishDirect, 74, 16000, 10, 6},
        {10, 6, squishProportional, 74, 16000, 10, 3},
        {10, 6, squishFree, 74, 16000, 10, 3},
        {300, 100, squishDirect, 74, 16000, 74, 25},
        {300, 100, squishProportional, 74, 16000, 74, 12},
        {5, 1, squishProportional, 74, 16000, 5, 1}, // its one row corrected to none
        {INT64_MAX / 2, 10, squishDirect, 74, 16000, 74, 1},
        {0xFFFFFFFF, 0xFFFFFFFF, squishDirect, 74, 100, 74, 74},
        {0, 5, squishDirect, 74, 16000, 0, 0},
        {5, -1, squishFree, 74, 16000, 0, 0},
    };
    for (const Case &test : cases) {
        int width = 0, height = 0;
        bool pastes = PicturePasteSize(test.width, test.height, test.squishMode, test.roomWidth, test.roomHeight,
                                       width, height);
        EXPECT_EQ(test.pageWidth != 0, pastes) << test.width << " x " << test.height;
        if (pastes) {
            EXPECT_EQ(test.pageWidth, width) << test.width << " x " << test.height << " mode " << test.squishMode;
            EXPECT_EQ(test.pageHeight, height) << test.width << " x " << test.height << " mode " << test.squishMode;
        }
    }
}

// A picture corrected to no rows once scaled through 0 / 0 in an empty box.
TEST(PicturePaste, ASideOfNoLengthSetsNoLimit)
{
    struct Case {
        std::int16_t boxWidth, boxHeight;
        int width, height;
        std::int16_t resultWidth, resultHeight;
    } cases[] = {{60, 0, 320, 0, 60, 0}, {0, 0, 320, 0, 0, 0}, {40, 10, 320, 0, 40, 0}};
    for (const Case &test : cases) {
        std::int16_t width = test.boxWidth, height = test.boxHeight;
        ScaleSize(width, height, test.width, test.height);
        EXPECT_EQ(test.resultWidth, width) << test.boxWidth << " x " << test.boxHeight;
        EXPECT_EQ(test.resultHeight, height) << test.boxWidth << " x " << test.boxHeight;
    }
}
