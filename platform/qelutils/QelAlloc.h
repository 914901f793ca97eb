// The shared allocator of every module, and the memory figures that the low-memory guards read.
// On Linux one heap serves all modules already; the functions keep the names so that objects
// created in one module can be freed in another through the same entry points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

extern "C" {
void* dlmalloc(size_t bytes);
void dlfree(void* mem);
void* dlrealloc(void* mem, size_t bytes);
// maxSystem: the most bytes the heap has held from the system; system: bytes it holds now;
// inUse: bytes handed out to callers. system - inUse is free memory inside the heap.
void dlmalloc_stats2(unsigned* maxSystem, unsigned* system, unsigned* inUse);
}

namespace MemoryFuncs {
// Bytes of memory available to the process: the system's available memory.
unsigned long long GetFreeSliderMemory();
// For a host that runs one job at a time over models of millions of small blocks: one heap for
// all threads, and freed memory kept for the next allocations instead of being handed back to the
// system block by block while a model is freed. Call at start-up; it changes no result.
void TuneHeapForLargeJobs();
}  // namespace MemoryFuncs

// Test seams: make low-memory and out-of-memory paths reachable in tests.
namespace qel_mem_test {
// Replace the free-memory figure; a negative value restores the real one.
void SetFreeMemoryOverride(long long bytes);
// Make the n-th call of dlmalloc/dlrealloc from now on fail (1 = the next one); 0 disables.
void FailAllocationAfter(unsigned long long n);
}  // namespace qel_mem_test

// Class-level allocation routed to the shared allocator. A failed allocation yields null rather
// than throwing, so that no exception crosses a module boundary.
#define QEL_DECLARE_SHARED_ALLOCATION()                                               \
  static void* operator new(std::size_t n) noexcept { return dlmalloc(n ? n : 1); }   \
  static void* operator new[](std::size_t n) noexcept { return dlmalloc(n ? n : 1); } \
  static void* operator new(std::size_t, void* place) noexcept { return place; }      \
  static void* operator new[](std::size_t, void* place) noexcept { return place; }    \
  static void operator delete(void* p) noexcept { dlfree(p); }                        \
  static void operator delete[](void* p) noexcept { dlfree(p); }                      \
  static void operator delete(void*, void*) noexcept {}                               \
  static void operator delete[](void*, void*) noexcept {}
