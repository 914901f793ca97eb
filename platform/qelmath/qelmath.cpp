#include "qelmath.h"

#include <cmath>

namespace qelmath {

CMathAngle::CMathAngle(double radians)
    : m_radians(radians), m_cos(std::cos(radians)), m_sin(std::sin(radians)) {}

void CMathAngle::getRotatedPoint(const C2dPos& centre, const C2dPos& point, C2dPos& result) const {
  const double dx = point.x - centre.x;
  const double dy = point.y - centre.y;
  const double rx = centre.x + dx * m_cos - dy * m_sin;
  const double ry = centre.y + dx * m_sin + dy * m_cos;
  result.x = rx;
  result.y = ry;
}

}  // namespace qelmath
