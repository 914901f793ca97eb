#include "IEPositions.h"

#include "IERounding.h"
#include "qelmath.h"

bool CIEPosition2D::operator==(const CIEPosition2D& o) const {
  return IEUtils::CutValue(x, 4) == IEUtils::CutValue(o.x, 4) &&
         IEUtils::CutValue(y, 4) == IEUtils::CutValue(o.y, 4);
}

void CIEPosition3D::ShiftValues(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) {
  x = origin.x + x * sx;
  y = origin.y + y * sy;
  z = origin.z + z * sz;
  if (angle != 0.0) {
    C2dPos rotated;
    CMathAngle(angle).getRotatedPoint(C2dPos(origin.x, origin.y), C2dPos(x, y), rotated);
    x = rotated.x;
    y = rotated.y;
  }
}
