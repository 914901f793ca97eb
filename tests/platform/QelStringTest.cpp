#include <gtest/gtest.h>

#include "qel_templ.h"
#include "qel_text.h"

using qel_text::CQelStringT;
using qel_templ::CQelArray;

TEST(QelString, EmptyAndBasics) {
  CQelString s;
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(0, s.GetLength());
  EXPECT_EQ(0, s.GetAt(0));
  s = u"Hello";
  s += u" World";
  EXPECT_EQ(11, s.GetLength());
  EXPECT_EQ(6, s.Find(u"World"));
  EXPECT_EQ(-1, s.Find(u"world"));
  EXPECT_EQ(0, s.CompareNoCase(u"hello world"));
  EXPECT_EQ(u"Hello", s.Left(5));
  EXPECT_EQ(u"World", s.Right(5));
  EXPECT_EQ(u"lo W", s.Mid(3, 4));
  EXPECT_EQ(u"", s.Mid(40));
  EXPECT_EQ(9, s.ReverseFind('l'));
  EXPECT_EQ(2, s.FindOneOf(reinterpret_cast<const unsigned short*>(u"xl")));
}
