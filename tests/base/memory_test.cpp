#include <gtest/gtest.h>

#include "base/memory.h"
#include "tests/support/reports.h"

TEST(Memory, CountsBlocksAndFailsTheChosenAllocation)
{
    ReportCatcher reports;
    long live = MemoryLiveBlocks();
    ErrorCode error = 99;
    void *a = Allocate(error, 10);
    ASSERT_NE(nullptr, a);
    EXPECT_EQ(0u, error);
    void *empty = Allocate(error, 0); // a zero-byte block is still a block
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(live + 2, MemoryLiveBlocks());

    MemoryFailAt(2);
    void *b = Allocate(error, 10);
    EXPECT_NE(nullptr, b);
    void *grown = Reallocate(error, a, 100); // the second from now fails
    EXPECT_EQ(nullptr, grown);
    EXPECT_EQ(errorNoMemory, error);
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ(errorNoMemory, reports.lastError);
    void *c = Allocate(error, 10); // only that one failed
    EXPECT_NE(nullptr, c);

    MemoryFailAt(1, true);
    EXPECT_EQ(nullptr, Allocate(error, 1));
    EXPECT_EQ(nullptr, Allocate(error, 1));
    EXPECT_EQ(3, reports.errors);
    MemoryFailAt(0);

    Destroy(a); // the failed Reallocate left it in place
    Destroy(b);
    Destroy(c);
    Destroy(empty);
    Destroy(nullptr);
    EXPECT_EQ(live, MemoryLiveBlocks());
}

TEST(Memory, ReportsWhatTheSystemCannotSupply)
{
    ReportCatcher reports;
    ErrorCode error = 0;
    void *huge = Allocate(error, ~std::size_t(0) / 2);
    EXPECT_EQ(nullptr, huge);
    EXPECT_NE(0u, error);
    EXPECT_EQ(1, reports.errors);
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

TEST(Memory, ReallocatingNothingMakesABlock)
{
    long live = MemoryLiveBlocks();
    ErrorCode error;
    void *block = Reallocate(error, nullptr, 8);
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(live + 1, MemoryLiveBlocks());
    Destroy(block);
    EXPECT_EQ(live, MemoryLiveBlocks());
}
