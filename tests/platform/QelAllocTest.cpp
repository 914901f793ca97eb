#include <gtest/gtest.h>

#include "QelAlloc.h"
#include "TextFile.h"

namespace {
// Puts the seams back whatever the test did.
class AllocSeams : public ::testing::Test {
 protected:
  ~AllocSeams() override {
    qel_mem_test::FailAllocationAfter(0);
    qel_mem_test::SetFreeMemoryOverride(-1);
  }
};
}  // namespace

TEST_F(AllocSeams, TheNthAllocationFailsOnce) {
  qel_mem_test::FailAllocationAfter(3);
  void* a = dlmalloc(16);
  void* b = dlrealloc(nullptr, 16);
  void* c = dlmalloc(16);
  void* d = dlmalloc(16);
  EXPECT_NE(nullptr, a);
  EXPECT_NE(nullptr, b);
  EXPECT_EQ(nullptr, c);
  EXPECT_NE(nullptr, d);
  dlfree(a);
  dlfree(b);
  dlfree(d);
  dlfree(nullptr);

  void* keep = dlmalloc(8);
  ASSERT_NE(nullptr, keep);
  qel_mem_test::FailAllocationAfter(1);
  EXPECT_EQ(nullptr, dlrealloc(keep, 1 << 20));  // the old block stays valid
  static_cast<char*>(keep)[7] = 1;
  dlfree(keep);
}

TEST_F(AllocSeams, ClassAllocationGivesNullInsteadOfThrowing) {
  qel_mem_test::FailAllocationAfter(1);
  CTextFile* f = new CTextFile(64);
  EXPECT_EQ(nullptr, f);
  f = new CTextFile(64);
  ASSERT_NE(nullptr, f);
  delete f;
  CTextFile* many = new CTextFile[3];
  ASSERT_NE(nullptr, many);
  delete[] many;
}

TEST_F(AllocSeams, FreeMemoryFigure) {
  qel_mem_test::SetFreeMemoryOverride(12345);
  EXPECT_EQ(12345u, MemoryFuncs::GetFreeSliderMemory());
  qel_mem_test::SetFreeMemoryOverride(0);
  EXPECT_EQ(0u, MemoryFuncs::GetFreeSliderMemory());
  qel_mem_test::SetFreeMemoryOverride(-1);
  EXPECT_GT(MemoryFuncs::GetFreeSliderMemory(), 0u);
}

TEST_F(AllocSeams, HeapFiguresAreConsistent) {
  unsigned maxSystem = 0, system = 0, inUse = 0;
  dlmalloc_stats2(&maxSystem, &system, &inUse);
  EXPECT_LE(inUse, system);
  EXPECT_LE(system, maxSystem);
  void* big = dlmalloc(4 << 20);
  ASSERT_NE(nullptr, big);
  unsigned maxAfter = 0, systemAfter = 0, inUseAfter = 0;
  dlmalloc_stats2(&maxAfter, &systemAfter, &inUseAfter);
  dlfree(big);
  EXPECT_GE(maxAfter, maxSystem);
  EXPECT_LE(inUseAfter, systemAfter);
  EXPECT_LE(systemAfter, maxAfter);
  dlmalloc_stats2(nullptr, nullptr, nullptr);  // every figure is optional
}
