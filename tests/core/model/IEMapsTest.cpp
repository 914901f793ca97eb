#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "IEHashMapByName.h"
#include "IEOrderedMapByName.h"
#include "qel_formats.h"

namespace {

CQelString Name(int i) { return CQelString(u"P") + qel_formats::IntToString(i); }

TEST(IEHashMapByNameTest, BucketCountFollowsThePrimeListAndKeepsLoadAtMostOne) {
  CIEHashMapByName<int> map;
  EXPECT_EQ(0u, map.GetBucketCount());
  // Element count reached -> bucket count expected right after that insertion.
  const std::vector<std::pair<int, unsigned>> steps = {{1, 7u},    {7, 7u},        {8, 23u},
                                                       {23, 23u},  {24, 53u},      {54, 97u},
                                                       {98, 193u}, {6152, 12289u}, {12290, 24593u}};
  int inserted = 0;
  for (const auto& step : steps) {
    while (inserted < step.first) map.SetAt(Name(inserted), inserted), ++inserted;
    EXPECT_EQ(step.second, map.GetBucketCount()) << "after " << step.first << " elements";
    EXPECT_LE(map.GetCount(), map.GetBucketCount());
  }
  for (int i = 0; i < inserted; ++i) {
    const int* found = map.Find(Name(i));
    ASSERT_NE(nullptr, found);
    EXPECT_EQ(i, *found);
  }
}

TEST(IEHashMapByNameTest, PrimeListCoversTheWholeRange) {
  EXPECT_EQ(7u, IEHashDetail::BucketCountFor(0));
  EXPECT_EQ(53u, IEHashDetail::BucketCountFor(24));
  EXPECT_EQ(1610612741u, IEHashDetail::BucketCountFor(805306458ull));
  EXPECT_EQ(4294967291u, IEHashDetail::BucketCountFor(3221225474ull));
  EXPECT_EQ(4294967291u, IEHashDetail::BucketCountFor(4294967295ull));
}

TEST(IEHashMapByNameTest, ReplacingAKeyNeitherGrowsNorRebuilds) {
  CIEHashMapByName<int> map;
  for (int i = 0; i < 7; ++i) map.SetAt(Name(i), i);
  int old = -1;
  EXPECT_TRUE(map.SetAt(Name(3), 33, &old));
  EXPECT_EQ(3, old);
  EXPECT_EQ(7u, map.GetCount());
  EXPECT_EQ(7u, map.GetBucketCount());
  EXPECT_EQ(33, *map.Find(Name(3)));
}

TEST(IEHashMapByNameTest, NamesCompareExactly) {
  CIEHashMapByName<int> map;
  map.SetAt(u"Road", 1);
  EXPECT_EQ(nullptr, map.Find(u"road"));
  EXPECT_EQ(nullptr, map.Find(u"Road "));
  map.SetAt(CQelString(), 2);
  ASSERT_NE(nullptr, map.Find(CQelString()));
  EXPECT_EQ(2, *map.Find(CQelString()));
}

TEST(IEHashMapByNameTest, RemoveAndIterateVisitEveryEntryOnce) {
  CIEHashMapByName<int> map;
  EXPECT_EQ(nullptr, map.GetStartPosition());
  for (int i = 0; i < 100; ++i) map.SetAt(Name(i), i);
  for (int i = 0; i < 100; i += 2) EXPECT_TRUE(map.RemoveKey(Name(i)));
  EXPECT_FALSE(map.RemoveKey(Name(0)));
  EXPECT_EQ(50u, map.GetCount());
  std::multiset<int> seen;
  for (auto pos = map.GetStartPosition(); pos;) {
    const CQelString* key = nullptr;
    int value = map.GetNextAssoc(pos, &key);
    EXPECT_TRUE(*key == Name(value));
    seen.insert(value);
  }
  ASSERT_EQ(50u, seen.size());
  for (int i = 1; i < 100; i += 2) EXPECT_EQ(1u, seen.count(i));
  map.RemoveAll();
  EXPECT_EQ(0u, map.GetCount());
  EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(IEOrderedMapByNameTest, IteratesInCompareOrderWithPositions) {
  CIEOrderedMapByName<int> map;
  EXPECT_EQ(nullptr, map.GetStartPosition());
  // Compare orders by UTF-16 unit: upper case before lower case, "A" before "AB".
  const char16_t* keys[] = {u"b", u"AB", u"B", u"A", u"a"};
  for (int i = 0; i < 5; ++i) map.SetAt(keys[i], i);
  std::vector<CQelString> order;
  for (auto pos = map.GetStartPosition(); pos;) {
    const CQelString* key = nullptr;
    map.GetNextAssoc(pos, &key);
    order.push_back(*key);
  }
  const std::vector<CQelString> expected = {u"A", u"AB", u"B", u"a", u"b"};
  EXPECT_EQ(expected, order);
  int old = 0;
  EXPECT_TRUE(map.SetAt(u"B", 9, &old));
  EXPECT_EQ(2, old);
  EXPECT_EQ(5, map.GetCount());
  EXPECT_TRUE(map.RemoveKey(u"AB"));
  EXPECT_EQ(nullptr, map.Find(u"AB"));
  EXPECT_EQ(4, map.GetCount());
}

}  // namespace
