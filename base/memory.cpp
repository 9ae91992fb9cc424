#include "base/memory.h"

#include <cstdlib>

static long liveBlocks;
static long allocations;
static long failAt;       // allocation number that fails; 0 for none
static bool failAfterToo; // and every one after it

// Counts one allocation and says whether the test hook wants it to fail.
static bool MemoryShouldFail()
{
    ++allocations;
    if (!failAt || allocations < failAt)
        return false;
    return allocations == failAt || failAfterToo;
}

// Counts a block just obtained, or reports that there is none.
static void *MemoryTake(ErrorCode &error, void *pointer)
{
    error = 0;
    if (!pointer) {
        error = errorNoMemory;
        TestError(error);
        return nullptr;
    }
    ++liveBlocks;
    return pointer;
}

// A zero-byte request still gets a block, so that null always means failure.
void *Allocate(ErrorCode &error, std::size_t allocate)
{
    return MemoryTake(error, MemoryShouldFail() ? nullptr : std::malloc(allocate ? allocate : 1));
}

void *AllocateZeroed(ErrorCode &error, std::size_t allocate)
{
    return MemoryTake(error, MemoryShouldFail() ? nullptr : std::calloc(allocate ? allocate : 1, 1));
}

void *Reallocate(ErrorCode &error, void *pointer, std::size_t size)
{
    error = 0;
    void *moved = MemoryShouldFail() ? nullptr : std::realloc(pointer, size ? size : 1);
    if (!moved) {
        error = errorNoMemory;
        TestError(error);
    } else if (!pointer) {
        ++liveBlocks; // a reallocation of nothing is a new block
    }
    return moved;
}

void Destroy(void *pointer)
{
    if (!pointer)
        return;
    --liveBlocks;
    std::free(pointer);
}

void MemoryFailAt(long nth, bool andAfter)
{
    failAt = nth ? allocations + nth : 0;
    failAfterToo = andAfter;
}

long MemoryLiveBlocks()
{
    return liveBlocks;
}
