// Conversions between geodetic and Cartesian coordinates on the WGS 84 ellipsoid. Geodetic
// positions hold x = latitude and y = longitude in radians and z = ellipsoidal height in metres.
#pragma once

#include "IEPositions.h"

namespace IEMath {
// 1 on success; 0 when latitude and height are both exactly 0.
int _llh2xyz(const CIEPosition3D& llh, CIEPosition3D& xyz);
// 1 on success; 0 for the origin or when the latitude does not settle within the tolerance
// (radians) in 10 rounds. A tolerance of 10 or more skips the iteration.
int _xyz2llh(const CIEPosition3D& xyz, CIEPosition3D& llh, double tolerance);
}  // namespace IEMath
