#include "QelAlloc.h"

#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
std::atomic<long long> g_freeOverride{-1};
std::atomic<unsigned long long> g_failAfter{0};
std::atomic<unsigned> g_maxSystem{0};

// True when the allocation seam says this allocation must fail.
bool ShouldFail() {
  unsigned long long n = g_failAfter.load(std::memory_order_relaxed);
  while (n != 0) {
    if (g_failAfter.compare_exchange_weak(n, n - 1, std::memory_order_relaxed)) return n == 1;
  }
  return false;
}

unsigned Clamp(size_t v) { return v > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<unsigned>(v); }
}  // namespace

extern "C" {
void* dlmalloc(size_t bytes) {
  if (ShouldFail()) return nullptr;
  return std::malloc(bytes);
}

void dlfree(void* mem) { std::free(mem); }

void* dlrealloc(void* mem, size_t bytes) {
  if (ShouldFail()) return nullptr;
  return std::realloc(mem, bytes);
}

void dlmalloc_stats2(unsigned* maxSystem, unsigned* system, unsigned* inUse) {
  struct mallinfo2 mi = mallinfo2();
  unsigned sys = Clamp(mi.arena + mi.hblkhd);
  unsigned used = Clamp(mi.uordblks + mi.hblkhd);
  unsigned prevMax = g_maxSystem.load();
  while (sys > prevMax && !g_maxSystem.compare_exchange_weak(prevMax, sys)) {
  }
  if (maxSystem) *maxSystem = sys > prevMax ? sys : prevMax;
  if (system) *system = sys;
  if (inUse) *inUse = used;
}
}

namespace MemoryFuncs {
unsigned long long GetFreeSliderMemory() {
  long long over = g_freeOverride.load();
  if (over >= 0) return static_cast<unsigned long long>(over);
  // MemAvailable counts reclaimable caches, which is what a process can still get.
  if (FILE* f = std::fopen("/proc/meminfo", "r")) {
    char line[256];
    unsigned long long kb = 0;
    bool found = false;
    while (std::fgets(line, sizeof line, f)) {
      if (std::sscanf(line, "MemAvailable: %llu kB", &kb) == 1) {
        found = true;
        break;
      }
    }
    std::fclose(f);
    if (found) return kb * 1024ull;
  }
  long pages = sysconf(_SC_AVPHYS_PAGES);
  long size = sysconf(_SC_PAGESIZE);
  return pages > 0 && size > 0 ? static_cast<unsigned long long>(pages) * size : 0;
}

void TuneHeapForLargeJobs() {
  // The host waits while a worker thread runs the job: a heap per thread buys nothing, and the
  // model built on one thread is freed on another.
  mallopt(M_ARENA_MAX, 1);
  // Without this, freeing a model of a million objects shrinks the top of the heap again and again.
  mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
}
}  // namespace MemoryFuncs

namespace qel_mem_test {
void SetFreeMemoryOverride(long long bytes) { g_freeOverride.store(bytes < 0 ? -1 : bytes); }
void FailAllocationAfter(unsigned long long n) { g_failAfter.store(n); }
}  // namespace qel_mem_test
