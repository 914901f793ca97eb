#include <gtest/gtest.h>

#include <vector>

#include "qel_templ.h"
#include "support/TestSupport.h"

using qel_templ::CQelArray;

namespace {

// An element that counts the live instances, to catch leaks and double destruction.
struct Counted {
  static int live;
  int value = 0;
  Counted() { ++live; }
  Counted(int v) : value(v) { ++live; }  // NOLINT: implicit for brevity in tests
  Counted(const Counted& o) : value(o.value) { ++live; }
  Counted(Counted&& o) noexcept : value(o.value) { ++live; }
  Counted& operator=(const Counted&) = default;
  Counted& operator=(Counted&&) noexcept = default;
  ~Counted() { --live; }
};
int Counted::live = 0;

template <class T, class A>
std::vector<int> Values(const CQelArray<T, A>& a) {
  std::vector<int> v;
  for (int i = 0; i < a.GetSize(); ++i) v.push_back(a[i].value);
  return v;
}

}  // namespace

// Growing takes the size plus the larger of the size and the number of elements needed.
TEST(QelArray, GrowthRule) {
  CQelArray<int> a;
  std::vector<int> capacities;
  for (int i = 0; i < 9; ++i) {
    a.Add(i);
    capacities.push_back(a.GetCapacity());
  }
  EXPECT_EQ((std::vector<int>{1, 2, 4, 4, 8, 8, 8, 8, 16}), capacities);

  CQelArray<int> b;
  b.Add(1);
  b.Add(2);
  b.InsertAt(1, 0, 5);  // needs 5 > size 2
  EXPECT_EQ(7, b.GetCapacity());
  b.InsertAt(0, 9);  // full: 7 + max(7, 1)
  EXPECT_EQ(14, b.GetCapacity());

  CQelArray<int> c, ten;
  c.SetSize(3);
  EXPECT_EQ(3, c.GetCapacity());
  ten.SetSize(10);
  c.Append(ten);  // 3 + max(3, 10)
  EXPECT_EQ(13, c.GetCapacity());
  c.Append(c);  // 13 + max(13, 13)
  EXPECT_EQ(26, c.GetCapacity());
  c.SetSize(30);  // 26 + max(26, 4)
  EXPECT_EQ(52, c.GetCapacity());
  c.SetSize(2);
  c.FreeExtra();
  EXPECT_EQ(2, c.GetCapacity());
  c.Reserve(40);
  EXPECT_EQ(40, c.GetCapacity());
}

TEST(QelArray, InsertAndRemoveShift) {
  {
    CQelArray<Counted> a;
    for (int i = 0; i < 5; ++i) a.Add(Counted(i));
    a.InsertAt(2, Counted(9), 2);
    EXPECT_EQ((std::vector<int>{0, 1, 9, 9, 2, 3, 4}), Values(a));
    a.InsertAt(99, Counted(7));
    a.InsertAt(-3, Counted(8));
    EXPECT_EQ((std::vector<int>{8, 0, 1, 9, 9, 2, 3, 4, 7}), Values(a));
    a.InsertAt(0, Counted(5), 0);
    a.RemoveAt(3, 2);
    EXPECT_EQ((std::vector<int>{8, 0, 1, 2, 3, 4, 7}), Values(a));
    a.RemoveAt(5, 99);
    EXPECT_EQ((std::vector<int>{8, 0, 1, 2, 3}), Values(a));
    a.RemoveAt(-1);
    a.RemoveAt(5);
    a.RemoveAt(0, 0);
    EXPECT_EQ((std::vector<int>{8, 0, 1, 2, 3}), Values(a));
    a.InsertAt(1, a[4]);  // an element of the array itself, while it grows
    EXPECT_EQ((std::vector<int>{8, 3, 0, 1, 2, 3}), Values(a));
    a.SetSize(8);
    EXPECT_EQ((std::vector<int>{8, 3, 0, 1, 2, 3, 0, 0}), Values(a));
    EXPECT_EQ(8, Counted::live);
    a.SetSize(1);
    EXPECT_EQ(1, Counted::live);
    EXPECT_TRUE(a.IsValidIndex(0));
    EXPECT_FALSE(a.IsValidIndex(1));
    EXPECT_FALSE(a.IsValidIndex(-1));
  }
  EXPECT_EQ(0, Counted::live);
}

TEST(QelArray, ValueSemanticsWithStrings) {
  CQelArray<CQelString> a;
  a.Add(u"one");
  a.Add(CQelString(u"two"));
  CQelArray<CQelString> b(a);
  b[0] = u"changed";
  EXPECT_EQ(CQelString(u"one"), a[0]);
  CQelArray<CQelString> c;
  c = b;
  c = c;
  EXPECT_EQ(2, c.GetSize());
  EXPECT_EQ(CQelString(u"changed"), c[0]);
  CQelArray<CQelString> d(std::move(c));
  EXPECT_EQ(0, c.GetSize());  // NOLINT: a moved-from array is empty
  EXPECT_EQ(2, d.GetSize());
  for (int i = 0; i < 20; ++i) d.Add(d[0]);  // an own element, across reallocations
  EXPECT_EQ(22, d.GetSize());
  EXPECT_EQ(CQelString(u"changed"), d[21]);
  d.Append(d);
  EXPECT_EQ(44, d.GetSize());
  EXPECT_EQ(CQelString(u"two"), d[23]);
  d.Copy(a);
  EXPECT_EQ(2, d.GetSize());
  int n = 0;
  for (const CQelString& s : d) n += s.GetLength();
  EXPECT_EQ(6, n);
  d.RemoveAll();
  EXPECT_TRUE(d.IsEmpty());
  EXPECT_EQ(-1, d.GetUpperBound());
}

TEST(QelArray, ByValueArgumentForm) {
  CQelArray<int, int> a;
  for (int i = 0; i < 4; ++i) a.Add(i * i);
  a.SetAt(0, 7);
  EXPECT_EQ(7, a.GetAt(0));
  EXPECT_EQ(9, a.ElementAt(3));
  EXPECT_EQ(3, a.GetUpperBound());
}
