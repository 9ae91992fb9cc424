#include "base/memory.h"

#include <gtest/gtest.h>

#include "tests/support/reports.h"

TEST(Memory, CountsBlocksFailsTheChosenAllocationsAndReportsOnce)
{
    ReportCatcher reports;
    long live = MemoryLiveBlocks();
    ErrorCode error = 99;
    void *a = Allocate(error, 10), *empty = Allocate(error, 0); // a zero-byte block is still a block
    ASSERT_TRUE(a && empty && !error);
    EXPECT_EQ(live + 2, MemoryLiveBlocks());
    MemoryFailAt(2);
    void *b = Allocate(error, 10);
    EXPECT_EQ(nullptr, Reallocate(error, a, 100)); // the second from now fails, leaving `a`
    EXPECT_EQ(errorNoMemory, error);
    void *c = Allocate(error, 10); // only that one failed
    EXPECT_TRUE(b && c && reports.errors == 1);
    MemoryFailAt(1, true);
    EXPECT_TRUE(!Allocate(error, 1) && !Allocate(error, 1));
    MemoryFailAt(0);
    EXPECT_EQ(nullptr, Allocate(error, ~std::size_t(0) / 2)); // more than the system has
    EXPECT_EQ(4, reports.errors);
    for (void *block : {a, b, c, empty, static_cast<void *>(nullptr)})
        Destroy(block);
    EXPECT_EQ(live, MemoryLiveBlocks());
    TestError(0);
    int x;
    EXPECT_EQ(0u, TestZeroError(&x));
    EXPECT_NE(0u, TestZeroError(nullptr)); // callers must always be told to stop
    EXPECT_EQ(5, reports.errors);
}
