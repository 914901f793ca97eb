// Plain coordinate values of the data model: CIEPosition2D (x, y) and CIEPosition3D (x, y, z),
// in metres. Geodetic positions reuse CIEPosition3D with latitude, longitude in radians and
// height in metres.
#pragma once

#include "QelAlloc.h"

struct CIEPosition2D {
  double x = 0.0;
  double y = 0.0;

  CIEPosition2D() = default;
  CIEPosition2D(double px, double py) : x(px), y(py) {}
  CIEPosition2D(const CIEPosition2D&) = default;
  CIEPosition2D& operator=(const CIEPosition2D&) = default;
  virtual ~CIEPosition2D() = default;

  // Equal when both coordinates agree after rounding to 4 decimals (a tenth of a millimetre).
  bool operator==(const CIEPosition2D& o) const;
  bool operator!=(const CIEPosition2D& o) const { return !(*this == o); }
  CIEPosition2D& operator*=(const double& f) {
    x *= f;
    y *= f;
    return *this;
  }
  bool IsDefined() const { return x != 0.0 || y != 0.0; }
  const double* GetCoordinates() const { return &x; }

  QEL_DECLARE_SHARED_ALLOCATION()
};

struct CIEPosition3D {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  CIEPosition3D() = default;
  CIEPosition3D(double px, double py, double pz) : x(px), y(py), z(pz) {}
  CIEPosition3D(const CIEPosition3D&) = default;
  CIEPosition3D& operator=(const CIEPosition3D&) = default;
  virtual ~CIEPosition3D() = default;

  // Scales about the local origin, moves to origin, then rotates the plane position about the
  // origin by angle (radians, counter-clockwise) when angle is not 0.
  virtual void ShiftValues(const CIEPosition3D& origin, double sx, double sy, double sz, double angle);

  // Exact equality of all three coordinates.
  bool operator==(const CIEPosition3D& o) const { return x == o.x && y == o.y && z == o.z; }
  bool operator!=(const CIEPosition3D& o) const { return !(*this == o); }
  CIEPosition3D& operator*=(const double& f) {
    x *= f;
    y *= f;
    z *= f;
    return *this;
  }
  bool IsDefined() const { return x != 0.0 || y != 0.0 || z != 0.0; }
  const double* GetCoordinates() const { return &x; }

  QEL_DECLARE_SHARED_ALLOCATION()
};
