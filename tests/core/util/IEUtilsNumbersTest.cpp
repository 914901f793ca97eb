#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "IEHelpers.h"
#include "support/TestSupport.h"

using namespace IEUtils;

TEST(IEUtilsNumbers, ExponentText) {
  struct Row {
    double value;
    const char16_t* text;
  } rows[] = {
      {0.0, u"0.00000000000000000E+00"},          {1234.5, u"0.12345000000000000E+04"},
      {-0.00123, u"-.12300000000000000E-02"},     {1.0, u"0.10000000000000000E+01"},
      {0.5, u"0.50000000000000000E+00"},  // exponent -1 becomes 0, written with a plus
      {0.05, u"0.50000000000000003E-01"},         {9.99999999999999999e-5, u"0.10000000000000000E-03"},
      {-123456789.0, u"-.12345678900000000E+09"}, {1e100, u"0.10000000000000000E+101"},
  };
  for (const Row& r : rows) {
    CQelString text;
    EXPECT_TRUE(DoubleToString_WithExp(r.value, text)) << r.value;
    EXPECT_EQ(r.text, text) << r.value;
  }
  CQelString untouched(u"x");
  EXPECT_FALSE(DoubleToString_WithExp(std::numeric_limits<double>::infinity(), untouched));
  EXPECT_FALSE(DoubleToString_WithExp(std::nan(""), untouched));
  EXPECT_EQ(u"x", untouched);
}

TEST(IEUtilsNumbers, NumberTextChecks) {
  const CQelString forty(u'9', 40), fortyOne(u'9', 41);
  struct Row {
    CQelString text;
    bool integer;
    bool decimal;
  } rows[] = {
      {u"0123", true, true},     {u"-1", false, true},  {u"+1", false, true},     {u"1,5", false, true},
      {u"-3.0", false, true},    {u"3-", false, false}, {u"1e5", false, false},   {u"", false, false},
      {u" 1", false, false},     {forty, true, true},   {fortyOne, false, false}, {u"1.0", false, true},
      {u"\u0661", false, false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.integer, IsValidInteger(r.text)) << CQelStringA(r.text).c_str();
    EXPECT_EQ(r.decimal, IsValidDecimalNumber(r.text)) << CQelStringA(r.text).c_str();
  }
}

TEST(IEUtilsNumbers, StringToDouble) {
  struct Row {
    const char16_t* text;
    bool exponentForm;
    bool ok;
    double value;
  } rows[] = {
      {u"1.5", false, true, 1.5},   {u"1,5", false, true, 1.0},     {u"-3.0", false, true, -3.0},
      {u" 2.5 ", false, true, 2.5}, {u"+.5", false, true, 0.5},     {u"3-", false, false, 0.0},
      {u"1e5", false, false, 0.0},  {u"1e5", true, true, 100000.0}, {u"-2.5E-3", true, true, -0.0025},
      {u"abc", true, false, 0.0},   {u"", true, false, 0.0},        {u"", false, false, 0.0},
      {u".", false, false, 0.0},    {u"12abc", true, true, 12.0},
  };
  for (const Row& r : rows) {
    double value = 0.0;
    EXPECT_EQ(r.ok, StringToDouble(r.text, value, r.exponentForm)) << CQelStringA(CQelString(r.text)).c_str();
    EXPECT_EQ(r.value, value) << CQelStringA(CQelString(r.text)).c_str();
  }
}

TEST(IEUtilsNumbers, NumberTextIgnoresProcessLocale) {
  EXPECT_EQ(u"1.50", DoubleToString(1.5, 2));
  EXPECT_EQ(u"0.1", DoubleToString(0.1, -1));
  EXPECT_EQ(u"-42", IntToString(-42));
  double value = 0.0;
  EXPECT_TRUE(StringToDouble(u"2.75", value, false));
  EXPECT_EQ(2.75, value);
}

TEST(IEUtilsNumbers, RoundingHelpers) {
  struct Row {
    double value;
    int trunc;
    double nearInt;
  } rows[] = {
      {2.5, 3, 3.0},    {-2.5, -3, -3.0}, {0.0, 0, 0.0}, {2.4, 2, 2.0},
      {-2.4, -2, -2.0}, {0.49, 0, 0.0},   {7.0, 7, 7.0}, {-0.5, -1, -1.0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.trunc, TRUNC(r.value)) << r.value;
    EXPECT_EQ(r.nearInt, dNearInt(r.value)) << r.value;
  }
  // Outside the range of int the result saturates instead of being undefined.
  EXPECT_EQ(INT_MAX, TRUNC(1e20));
  EXPECT_EQ(-INT_MAX, TRUNC(-1e20));
  EXPECT_EQ(0, TRUNC(std::nan("")));

  EXPECT_EQ(1.2346, CutValue(1.23456, 4));
  EXPECT_EQ(0.0, CheckZeroVal(0.00009));
  EXPECT_EQ(0.0, CheckZeroVal(-0.00009));
  EXPECT_EQ(0.0001, CheckZeroVal(0.0001));
  EXPECT_TRUE(IsOdd(-3));
  EXPECT_FALSE(IsOdd(4));
  EXPECT_TRUE(IsInBorders(1.0, 1.0, 2.0));
  EXPECT_TRUE(IsInBorders(2.0, 1.0, 2.0));
  EXPECT_FALSE(IsInBorders(2.0001, 1.0, 2.0));
  EXPECT_EQ(uint64_t(1) << 63, ToFlag(63));
}

TEST(IEUtilsNumbers, ScaleAndElevation) {
  EXPECT_EQ(1.0 + 100.0 / 6371000.0, getEllToGroundScale(100.0, 0.5));
  EXPECT_EQ(1.0 + 100.0 / 6371000.0, getEllToGroundScale(100.0, 1.0));
  EXPECT_EQ(1.1, getEllToGroundScale(100.0, 1000.0));
  EXPECT_EQ(15.0, getElevationOnLine(0.0, 10.0, 10.0, 20.0, 5.0));
  EXPECT_EQ(25.0, getElevationOnLine(0.0, 10.0, 10.0, 20.0, 15.0));
  EXPECT_EQ(7.0, getElevationOnLine(3.0, 7.0, 3.0, 9.0, 100.0));
}

TEST(IEUtilsNumbers, PlaneGeometry) {
  const double a[] = {1.0, 1.0}, b[] = {4.0, 5.0};
  EXPECT_EQ(5.0, DTT(a, b));
  EXPECT_DOUBLE_EQ(std::atan2(4.0, 3.0), CTT(a, b));
  EXPECT_EQ(0.0, DTT(nullptr, b));

  struct Row {
    double p1[2], p2[2], p3[2];
    double cx, cy, radius, a2, a3;
  } rows[] = {
      {{1, 0}, {0, 1}, {-1, 0}, 0.0, 0.0, 1.0, -M_PI / 2, 0.0},
      {{0, 0}, {2, 2}, {4, 0}, 2.0, 0.0, 2.0, -M_PI / 2, M_PI},
      {{10, 10},
       {13, 14},
       {15, 10},
       12.5,
       11.25,
       std::sqrt(7.8125),
       std::atan2(-2.75, -0.5),
       std::atan2(1.25, -2.5)},
  };
  for (const Row& r : rows) {
    double centre[3] = {9, 9, 9}, radius = 0, a2 = 0, a3 = 0;
    ASSERT_TRUE(ArcBy3Points(r.p1, r.p2, r.p3, centre, radius, a2, a3));
    EXPECT_NEAR(r.cx, centre[0], 1e-12);
    EXPECT_NEAR(r.cy, centre[1], 1e-12);
    EXPECT_EQ(0.0, centre[2]);
    EXPECT_NEAR(r.radius, radius, 1e-12);
    EXPECT_NEAR(0.0, std::remainder(r.a2 - a2, 2 * M_PI), 1e-12);
    EXPECT_NEAR(0.0, std::remainder(r.a3 - a3, 2 * M_PI), 1e-12);
    EXPECT_NEAR(radius, DTT(r.p1, centre), 1e-12);
    EXPECT_NEAR(radius, DTT(r.p3, centre), 1e-12);
  }

  const double p[] = {0, 0}, q[] = {1, 1}, s[] = {2, 2};
  double centre[3] = {}, radius = -1, a2 = -1, a3 = -1;
  EXPECT_FALSE(ArcBy3Points(p, q, s, centre, radius, a2, a3));  // collinear
  EXPECT_FALSE(ArcBy3Points(p, p, q, centre, radius, a2, a3));  // two points the same
  EXPECT_FALSE(ArcBy3Points(nullptr, q, s, centre, radius, a2, a3));
  EXPECT_FALSE(ArcBy3Points(p, nullptr, s, centre, radius, a2, a3));
  EXPECT_FALSE(ArcBy3Points(p, q, nullptr, centre, radius, a2, a3));
  EXPECT_FALSE(ArcBy3Points(p, q, s, nullptr, radius, a2, a3));
  EXPECT_EQ(-1.0, radius);
}

TEST(IEMath, GeodeticCartesianRoundTrip) {
  const double deg = M_PI / 180.0;
  struct Row {
    double lat, lon, h;
  } rows[] = {
      {45.0, 10.0, 250.0}, {-33.9, 151.2, 35.0}, {85.0, -60.0, 1200.0},
      {-89.5, 0.0, 0.0},   {0.0, 90.0, 100.0},   {1e-9, 0.0, 0.0},
  };
  for (const Row& r : rows) {
    const CIEPosition3D llh(r.lat * deg, r.lon * deg, r.h);
    CIEPosition3D xyz, back;
    ASSERT_EQ(1, IEMath::_llh2xyz(llh, xyz)) << r.lat;
    ASSERT_EQ(1, IEMath::_xyz2llh(xyz, back, 1e-12)) << r.lat;
    EXPECT_NEAR(llh.x, back.x, 1e-11) << r.lat;
    EXPECT_NEAR(llh.y, back.y, 1e-12) << r.lat;
    EXPECT_NEAR(llh.z, back.z, 1e-4) << r.lat;
  }
}

TEST(IEMath, KnownValuesAndFailures) {
  CIEPosition3D xyz(1, 2, 3), llh(4, 5, 6);
  // Latitude and height both 0 count as an unset position.
  EXPECT_EQ(0, IEMath::_llh2xyz(CIEPosition3D(0.0, 1.0, 0.0), xyz));
  EXPECT_EQ(CIEPosition3D(1, 2, 3), xyz);
  ASSERT_EQ(1, IEMath::_llh2xyz(CIEPosition3D(0.0, 0.0, 100.0), xyz));
  EXPECT_NEAR(6378237.0, xyz.x, 1e-6);
  EXPECT_NEAR(0.0, xyz.y, 1e-9);
  EXPECT_NEAR(0.0, xyz.z, 1e-9);

  ASSERT_EQ(1, IEMath::_xyz2llh(CIEPosition3D(6378137.0, 0.0, 0.0), llh, 1e-12));
  EXPECT_EQ(0.0, llh.x);
  EXPECT_EQ(0.0, llh.y);
  EXPECT_NEAR(0.0, llh.z, 1e-9);

  EXPECT_EQ(0, IEMath::_xyz2llh(CIEPosition3D(0.0, 0.0, 0.0), llh, 1e-12));
  // A tolerance that is never met fails after ten rounds instead of looping.
  EXPECT_EQ(0, IEMath::_xyz2llh(CIEPosition3D(4e6, 3e6, 4e6), llh, -1.0));
  // A tolerance of 10 or more takes the first estimate without iterating.
  ASSERT_EQ(1, IEMath::_xyz2llh(CIEPosition3D(4e6, 3e6, 4e6), llh, 10.0));
  EXPECT_NEAR(std::atan2(4e6, 5e6 * 0.99330562000986), llh.x, 1e-15);
  EXPECT_NEAR(std::atan2(3e6, 4e6), llh.y, 1e-15);
}
