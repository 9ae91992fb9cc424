#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory.h"
#include "document/clip_page.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"

static std::vector<unsigned char> ClipBytes(const Page &page)
{
    unsigned char *block = nullptr;
    std::size_t size = 0;
    EXPECT_EQ(0u, PageToClip(block, size, page));
    std::vector<unsigned char> bytes(block, block + size);
    Destroy(block);
    return bytes;
}

TEST(ClipPage, WritesSizesLittleEndianThenEveryCell)
{
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"ab.", "..."}));
    EXPECT_EQ((std::vector<unsigned char>{3, 0, 2, 0, 'a', 'b', 0, 0, 0, 0}), ClipBytes(page));
    PageKill(page);

    ASSERT_EQ(0u, PageNew(page, 300, 500)); // both bytes of each size used
    std::vector<unsigned char> bytes = ClipBytes(page);
    EXPECT_EQ(4u + 300 * 500, bytes.size());
    EXPECT_EQ((std::vector<unsigned char>{0x2C, 0x01, 0xF4, 0x01}), std::vector<unsigned char>(bytes.begin(), bytes.begin() + 4));
    PageKill(page);
}

TEST(ClipPage, ReadsBackWhatItWroteEmptyCellsIncluded)
{
    for (const Rows &rows : {Rows{"x"}, Rows{".a.", "...", "b.\xff"}, Rows{"....", "...c"}}) {
        Page page, back;
        ASSERT_EQ(0u, PageFromRows(page, rows));
        std::vector<unsigned char> bytes = ClipBytes(page);
        bytes.push_back('!'); // a block rounded up by the system
        ASSERT_EQ(0u, ClipToPage(back, bytes.data(), bytes.size()));
        PageCheck(back);
        EXPECT_EQ(rows, PageRows(back));
        EXPECT_EQ(PageBytes(page), PageBytes(back));
        PageKill(page);
        PageKill(back);
    }
}

// Every length short of the cells it announces, and sizes no page has.
TEST(ClipPage, RefusesBlocksThatDoNotHoldTheirCells)
{
    std::vector<unsigned char> good = {3, 0, 2, 0, 'a', 'b', 0, 0, 0, 0};
    std::vector<std::vector<unsigned char>> bad = {
        {0, 0, 2, 0},          {3, 0, 0, 0},          {0xFF, 0xFF, 1, 0, 'a'},
        {1, 0, 0xFF, 0xFF, 'a'}, {0, 0x80, 0, 0x80, 'a'}, {0xFF, 0x7F, 0xFF, 0x7F, 'a'},
    };
    for (std::size_t length = 0; length < good.size(); ++length)
        bad.emplace_back(good.begin(), good.begin() + length);
    for (const std::vector<unsigned char> &block : bad) {
        ReportCatcher reports;
        long live = MemoryLiveBlocks();
        Page page = {7, 7, nullptr};
        // A copy of exactly the block's length, so that the sanitizer sees any read past it.
        std::vector<unsigned char> exact(block);
        EXPECT_EQ(errorBadClipData, ClipToPage(page, exact.data(), exact.size())) << exact.size();
        EXPECT_EQ(1, reports.errors);
        EXPECT_EQ(7, page.width) << "the page is left alone";
        EXPECT_EQ(live, MemoryLiveBlocks());
    }
}

TEST(ClipPage, FailedAllocationsLeaveNothing)
{
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"ab.", "..c"}));
    std::vector<unsigned char> bytes = ClipBytes(page);
    EXPECT_EQ(2, FailEachAllocation([&] {
        unsigned char *block = nullptr;
        std::size_t size = 0;
        ErrorCode error = PageToClip(block, size, page);
        EXPECT_EQ(error != 0, block == nullptr);
        Destroy(block);
        return error;
    }));
    EXPECT_EQ(2, FailEachAllocation([&] {
        Page back = {};
        ErrorCode error = ClipToPage(back, bytes.data(), bytes.size());
        if (!error) {
            EXPECT_EQ(PageBytes(page), PageBytes(back));
        }
        PageKill(back);
        return error;
    }));
    PageKill(page);
}
