// Test support: catching the program's reports and failing its allocations.
#pragma once

#include <functional>

#include "base/error.h"

// While alive, reports go here instead of message boxes.
struct ReportCatcher {
    ReportCatcher();
    ~ReportCatcher();
    ReportCatcher(const ReportCatcher &) = delete;
    ReportCatcher &operator=(const ReportCatcher &) = delete;

    int errors = 0;            // error codes reported
    ErrorCode lastError = 0;
    int messages = 0;          // string-table messages shown
    unsigned lastMessage = 0;

private:
    ReportHook previous;
};

// Repeats `attempt` with allocation n failing, n = 1, 2, ..., once failing only
// that allocation and once every allocation from it on, until an attempt meets
// no failure. `attempt` builds what it needs, runs the operation, checks that a
// failure left everything as it was, releases what it built and returns the
// operation's error. Each failed attempt must have reported its error exactly
// once and leaked no block. Returns the number of attempts that failed.
// Without `allAfterToo` only one allocation fails at a time, for operations
// that go on after a failure and report each part they could not make.
int FailEachAllocation(const std::function<ErrorCode()> &attempt, bool allAfterToo = true);
// The same for an operation that returns nothing: an attempt failed when it
// reported an error.
int FailEachAllocationReported(const std::function<void()> &attempt, bool allAfterToo = true);
