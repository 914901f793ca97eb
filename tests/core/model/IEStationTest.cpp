#include <gtest/gtest.h>

#include <cmath>

#include "IEPositions.h"
#include "IEStation.h"

namespace {

TEST(IEPositionsTest, DefinedOnlyWithANonZeroCoordinate) {
  EXPECT_FALSE(CIEPosition2D().IsDefined());
  EXPECT_FALSE(CIEPosition3D().IsDefined());
  EXPECT_FALSE(CIEStation().IsDefined());
  EXPECT_TRUE(CIEPosition2D(0.0, -1.0).IsDefined());
  EXPECT_TRUE(CIEPosition3D(0.0, 0.0, 0.1).IsDefined());
}

TEST(IEPositionsTest, TwoDComparesToFourDecimalsThreeDExactly) {
  EXPECT_TRUE(CIEPosition2D(1.00000, 5.0) == CIEPosition2D(1.00004, 5.0));
  EXPECT_TRUE(CIEPosition2D(1.00004, 5.0) != CIEPosition2D(1.00006, 5.0));
  EXPECT_TRUE(CIEPosition3D(1.00000, 5.0, 0.0) != CIEPosition3D(1.00004, 5.0, 0.0));
}

TEST(IEPositionsTest, NamedPositionCopiesAndComparesTheName) {
  CIENamedPosition2D a(u"CP1", 1.0, 2.0);
  CIENamedPosition2D b(a);
  EXPECT_TRUE(b == a);
  EXPECT_TRUE(b.GetName() == u"CP1");
  b.SetName(u"cp1");
  EXPECT_TRUE(b != a);
  CIENamedPosition2D c;
  c = a;
  EXPECT_TRUE(c == a);
  EXPECT_EQ(1.0, c.GetCoordinates()[0]);
  EXPECT_EQ(2.0, c.GetCoordinates()[1]);
}

TEST(IEStationTest, DefaultsAndHeight) {
  CIEStation s;
  EXPECT_EQ(CIEStation::STATION_DEFAULT, s.GetStationType());
  EXPECT_TRUE(s.IsHeightDefined());
  EXPECT_EQ(0.0, s.GetGeoidHeight());
  EXPECT_EQ(0.0, s.GetBulge());
  s.z = 12.5;
  EXPECT_EQ(12.5, s.GetHeight());
  s.SetGeoidHeight(3.0);
  EXPECT_EQ(3.0, s.GetHeight());
  EXPECT_EQ(CIEStation::STATION_ENTERED, CIEStation(CIEStation::STATION_ENTERED).GetStationType());
}

TEST(IEStationTest, ShiftCoordsMovesPositionAndGeoidHeight) {
  CIEStation s;
  s.SetPosition(CIEPosition3D(1, 2, 3));
  s.ShiftCoords(CIEPosition3D(100, 200, 10), 1, 1, 1, 0.0);
  EXPECT_EQ(CIEPosition3D(101, 202, 13), static_cast<const CIEPosition3D&>(s));
  EXPECT_EQ(10.0, s.GetGeoidHeight());

  // Scaled first, then moved, then turned counter-clockwise about the origin.
  CIEStation t;
  t.SetPosition(2, 0, 1, 4.0);
  t.ShiftCoords(CIEPosition3D(10, 10, 0), 0.5, 0.5, 2.0, M_PI / 2);
  EXPECT_NEAR(10.0, t.x, 1e-12);
  EXPECT_NEAR(11.0, t.y, 1e-12);
  EXPECT_EQ(2.0, t.z);
  EXPECT_EQ(8.0, t.GetGeoidHeight());
}

TEST(IEStationTest, ScaleFactorIsNeitherComparedNorCopied) {
  CIEStation a, b;
  a.SetScaleFactor(0.9996);
  b.SetScaleFactor(1.5);
  EXPECT_TRUE(a == b);
  a.SetName(u"P1");
  a.SetNotes(u"n");
  a.SetTimeStamps(u"t");
  a.SetBulge(0.5);
  a.SetHeightUndefined();
  a.SetStationType(CIEStation::STATION_ENTERED);
  a.SetPosition(1, 2, 3, 4);
  b.Copy(a);
  EXPECT_EQ(1.5, b.GetScaleFactor());
  EXPECT_FALSE(b == a);  // Copy leaves the position behind
  b.SetPosition(a);
  EXPECT_TRUE(b == a);
  EXPECT_FALSE(b.IsHeightDefined());
  EXPECT_EQ(4.0, b.GetGeoidHeight());
}

TEST(IEStationTest, EachDescriptiveMemberTakesPartInEquality) {
  const CIEStation base;
  void (*changes[])(CIEStation&) = {
      [](CIEStation& s) { s.x = 1; },
      [](CIEStation& s) { s.SetNotes(u"n"); },
      [](CIEStation& s) { s.SetTimeStamps(u"t"); },
      [](CIEStation& s) { s.SetName(u"n"); },
      [](CIEStation& s) { s.SetStationType(static_cast<CIEStation::EStationType>(3)); },
      [](CIEStation& s) { s.SetHeightUndefined(); },
      [](CIEStation& s) { s.SetGeoidHeight(1); },
      [](CIEStation& s) { s.SetBulge(1); },
  };
  for (auto change : changes) {
    CIEStation s;
    change(s);
    EXPECT_TRUE(s != base);
    CIEStation copy(s);
    EXPECT_TRUE(copy == s);
  }
}

TEST(IEStationTest, ResetKeepsPositionTypeAndScale) {
  CIEStation s(CIEStation::STATION_ENTERED);
  s.SetPosition(1, 2, 3, 4);
  s.SetName(u"A");
  s.SetNotes(u"N");
  s.SetBulge(1);
  s.SetHeightUndefined();
  s.SetScaleFactor(2);
  s = s;
  EXPECT_TRUE(s.GetName() == u"A");
  s.reset();
  EXPECT_TRUE(s.GetName().IsEmpty());
  EXPECT_TRUE(s.GetNotes().IsEmpty());
  EXPECT_EQ(0.0, s.GetGeoidHeight());
  EXPECT_EQ(0.0, s.GetBulge());
  EXPECT_TRUE(s.IsHeightDefined());
  EXPECT_EQ(CIEPosition3D(1, 2, 3), static_cast<const CIEPosition3D&>(s));
  EXPECT_EQ(CIEStation::STATION_ENTERED, s.GetStationType());
  EXPECT_EQ(2.0, s.GetScaleFactor());
}

TEST(IEOffsetStationTest, CopyCarriesStationAndOffsets) {
  CIEOffsetStation a;
  a.SetName(u"S");
  a.SetPosition(1, 2, 3, 0);
  a.value1 = 1.5;
  a.text1 = u"x";
  a.value2 = 2.5;
  a.text2 = u"y";
  a.value3 = 3.5;
  a.vector3[2] = 7;
  a.values5[4] = 9;
  CIEOffsetStation b(a);
  CIEOffsetStation c;
  c = a;
  for (const CIEOffsetStation* s : {&b, &c}) {
    EXPECT_TRUE(*s == a);
    EXPECT_EQ(1.5, s->value1);
    EXPECT_TRUE(s->text1 == u"x");
    EXPECT_EQ(2.5, s->value2);
    EXPECT_TRUE(s->text2 == u"y");
    EXPECT_EQ(3.5, s->value3);
    EXPECT_EQ(7.0, s->vector3[2]);
    EXPECT_EQ(9.0, s->values5[4]);
  }
}

}  // namespace
