#include "tests/support/reports.h"

#include <gtest/gtest.h>

#include "base/memory.h"

static ReportCatcher *catcher;

static void CatchReport(ErrorCode code, unsigned messageId)
{
    if (code) {
        ++catcher->errors;
        catcher->lastError = code;
    } else {
        ++catcher->messages;
        catcher->lastMessage = messageId;
    }
}

ReportCatcher::ReportCatcher()
{
    previous = ReportHookSet(CatchReport);
    catcher = this;
}

ReportCatcher::~ReportCatcher()
{
    ReportHookSet(previous);
    catcher = nullptr;
}

int FailEachAllocation(const std::function<ErrorCode()> &attempt, bool allAfterToo)
{
    int failures = 0;
    for (long nth = 1; nth < 100000; ++nth) {
        bool succeeded = false;
        for (bool andAfter : {false, true}) {
            if (andAfter && !allAfterToo)
                continue;
            ReportCatcher reports;
            long live = MemoryLiveBlocks();
            MemoryFailAt(nth, andAfter);
            ErrorCode error = attempt();
            MemoryFailAt(0);
            EXPECT_EQ(live, MemoryLiveBlocks()) << "leak when allocation " << nth << " failed";
            if (!error) {
                EXPECT_EQ(0, reports.errors);
                succeeded = true;
                continue;
            }
            ++failures;
            EXPECT_EQ(1, reports.errors) << "allocation " << nth << " failed";
            EXPECT_EQ(error, reports.lastError);
        }
        if (succeeded)
            return failures;
    }
    ADD_FAILURE() << "the operation never succeeded";
    return failures;
}

int FailEachAllocationReported(const std::function<void()> &attempt, bool allAfterToo)
{
    return FailEachAllocation(
        [&] {
            attempt();
            return catcher->errors ? catcher->lastError : ErrorCode{0};
        },
        allAfterToo);
}
