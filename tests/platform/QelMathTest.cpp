#include <gtest/gtest.h>

#include <cmath>

#include "qelmath.h"

namespace {
const double kPi = std::acos(-1.0);
}

// Positive angles turn counter-clockwise: east goes to north.
TEST(QelMath, RotationDirection) {
  struct Case {
    double angle;
    C2dPos centre, point, expected;
  } cases[] = {
      {kPi / 2, {0, 0}, {1, 0}, {0, 1}},
      {-kPi / 2, {0, 0}, {1, 0}, {0, -1}},
      {kPi, {0, 0}, {1, 2}, {-1, -2}},
      {kPi / 2, {1, 1}, {2, 1}, {1, 2}},
      {kPi / 4, {10, -5}, {10 + std::sqrt(2.0), -5}, {11, -4}},
      {0, {3, 3}, {7, 8}, {7, 8}},
  };
  for (const Case& c : cases) {
    C2dPos result;
    CMathAngle(c.angle).getRotatedPoint(c.centre, c.point, result);
    EXPECT_NEAR(c.expected.x, result.x, 1e-12) << c.angle;
    EXPECT_NEAR(c.expected.y, result.y, 1e-12) << c.angle;
  }
  EXPECT_DOUBLE_EQ(0.25, CMathAngle(0.25).GetRadians());
}

TEST(QelMath, ResultMayBeThePointOrTheCentre) {
  C2dPos p(1, 0);
  CMathAngle(kPi / 2).getRotatedPoint(C2dPos(0, 0), p, p);
  EXPECT_NEAR(0.0, p.x, 1e-12);
  EXPECT_NEAR(1.0, p.y, 1e-12);
  C2dPos c(1, 1);
  CMathAngle(kPi / 2).getRotatedPoint(c, C2dPos(2, 1), c);
  EXPECT_NEAR(1.0, c.x, 1e-12);
  EXPECT_NEAR(2.0, c.y, 1e-12);
}
