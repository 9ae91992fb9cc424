#include "base/memory.h"

#include <gtest/gtest.h>

#include "tests/support/reports.h"

TEST(Memory, CountsBlocksAndFailsTheChosenAllocations)
{
    ReportCatcher reports;
    long live = MemoryLiveBlocks();
    ErrorCode error = 99;
    void *a = Allocate(error, 10);
    void *empty = Allocate(error, 0); // a zero-byte block is still a block
    void *fresh = Reallocate(error, nullptr, 8);
    ASSERT_TRUE(a && empty && fresh);
    EXPECT_EQ(0u, error);
    EXPECT_EQ(live + 3, MemoryLiveBlocks());

    MemoryFailAt(2);
    void *b = Allocate(error, 10);
    EXPECT_EQ(nullptr, Reallocate(error, a, 100)); // the second from now fails, leaving `a`
    EXPECT_EQ(errorNoMemory, error);
    void *c = Allocate(error, 10); // only that one failed
    EXPECT_TRUE(b && c);
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ(errorNoMemory, reports.lastError);

    MemoryFailAt(1, true);
    EXPECT_EQ(nullptr, Allocate(error, 1));
    EXPECT_EQ(nullptr, Allocate(error, 1));
    MemoryFailAt(0);
    EXPECT_EQ(nullptr, Allocate(error, ~std::size_t(0) / 2)); // more than the system has
    EXPECT_EQ(4, reports.errors);
    for (void *block : {a, b, c, empty, fresh, static_cast<void *>(nullptr)})
        Destroy(block);
    EXPECT_EQ(live, MemoryLiveBlocks());
}

TEST(Memory, ZeroCodesAndPointersReportNothing)
{
    ReportCatcher reports;
    TestError(0);
    int x;
    EXPECT_EQ(0u, TestZeroError(&x));
    EXPECT_EQ(0, reports.errors);
    EXPECT_NE(0u, TestZeroError(nullptr)); // callers must always be told to stop
    EXPECT_EQ(1, reports.errors);
}
