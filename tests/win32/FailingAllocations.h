#pragma once

// Every `operator new` of this test program is counted, and can be made to
// fail: how the window's start-up is tried out of memory.
namespace failingallocations {

// Lets `count` more allocations succeed; each one after that throws
// std::bad_alloc until allowAll().
void failAfter(long count);
void allowAll();
// Allocations made and not yet freed.
long live();
// Allocations made since the program started.
long made();

} // namespace failingallocations
