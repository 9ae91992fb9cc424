// Every block of memory the program uses comes from Allocate and goes back
// through Destroy, so that tests can fail any allocation and count leaks.
#pragma once

#include <cstddef>

#include "base/error.h"

// A block of `allocate` bytes, not initialised; null with `error` set (and
// reported) when the system cannot supply it.
void *Allocate(ErrorCode &error, std::size_t allocate);
// As Allocate, but every byte 0. A large block comes from pages the system
// has not yet handed over, each costing a fault when first touched: so cells
// nothing writes cost nothing.
void *AllocateZeroed(ErrorCode &error, std::size_t allocate);
// Grows or shrinks a block from Allocate, which may move. On failure the old
// block is untouched, `error` is set and null is returned.
void *Reallocate(ErrorCode &error, void *pointer, std::size_t size);
// Releases a block from Allocate or Reallocate; null is accepted.
void Destroy(void *pointer);

// Test hooks. Makes the `nth` allocation from now (1 = the next) fail, and with
// `andAfter` every later one too; 0 switches failures off.
void MemoryFailAt(long nth, bool andAfter = false);
// Blocks handed out and not yet destroyed.
long MemoryLiveBlocks();
