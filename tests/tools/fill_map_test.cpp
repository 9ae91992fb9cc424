#include "tools/fill_map.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/page/page_test_support.h"

// Rows of 10 cells take two bytes, stored here bottom row first without
// padding, so that a write past a row's end shows under the sanitizers.
TEST(FillMap, BoundaryPixelsAndFloodedCells)
{
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"*. *..*..*", "--*-------"}));
    std::vector<unsigned char> source(4, 0xAA), result = {0xE0, 0x00, 0xFF, 0xC0};
    FillMapBuild(page, ' ', source.data(), 2); // empty and space are open
    EXPECT_EQ((std::vector<unsigned char>{0xFF, 0xC0, 0x92, 0x40}), source);
    FillMapBuild(page, '-', source.data(), 2);
    EXPECT_EQ((std::vector<unsigned char>{0x20, 0x00, 0xFF, 0xC0}), source);
    FillMapApply(page, {source.data() + 2, -2, 10, 2}, {result.data() + 2, -2, 10, 2}, '#');
    EXPECT_EQ((Rows{"*. *..*..*", "##*-------"}), PageRows(page));
    PageKill(page);
}
