// The math library's plane types: a 2-D position and an angle that rotates points.
// Angles are in radians and positive counter-clockwise, in a plane whose x axis points east and
// whose y axis points north (the mathematical sense, not the surveyor's clockwise azimuth).
#pragma once

namespace qelmath {

struct C2dPos {
  double x = 0.0;
  double y = 0.0;
  C2dPos() = default;
  C2dPos(double px, double py) : x(px), y(py) {}
};

class CMathAngle {
 public:
  CMathAngle() = default;
  explicit CMathAngle(double radians);
  double GetRadians() const { return m_radians; }
  // Rotates point about centre by this angle and stores the rotated point in result, which may
  // be the same object as point. Rotation by +pi/2 turns (1, 0) into (0, 1) about the origin.
  void getRotatedPoint(const C2dPos& centre, const C2dPos& point, C2dPos& result) const;

 private:
  double m_radians = 0.0;
  double m_cos = 1.0;
  double m_sin = 0.0;
};

}  // namespace qelmath

using qelmath::C2dPos;
using qelmath::CMathAngle;
