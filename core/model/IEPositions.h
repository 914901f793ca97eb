// Plain coordinate values of the data model: CIEPosition2D (x, y), CIENamedPosition2D (a pair with
// a name) and CIEPosition3D (x, y, z), in metres. Geodetic positions reuse CIEPosition3D with latitude,
// longitude in radians and height in metres.
#pragma once

#include <utility>

#include "IEInterfaces.h"
#include "QelAlloc.h"
#include "qel_text.h"

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

struct CIENamedPosition2D : public CIEPosition2D, public IIENameInterface {
  CIENamedPosition2D() = default;
  CIENamedPosition2D(CQelString name, double px, double py)
      : CIEPosition2D(px, py), m_strName(std::move(name)) {}
  CIENamedPosition2D(const CIENamedPosition2D& o) : CIEPosition2D(o), IIENameInterface() {
    SetName(o.GetName());
  }
  CIENamedPosition2D& operator=(const CIENamedPosition2D& o) {
    CIEPosition2D::operator=(o);
    SetName(o.GetName());
    return *this;
  }
  ~CIENamedPosition2D() override = default;

  // Positions equal as CIEPosition2D (to 4 decimals) and names exactly equal.
  bool operator==(const CIENamedPosition2D& o) const {
    return CIEPosition2D::operator==(o) && GetName() == o.GetName();
  }
  bool operator!=(const CIENamedPosition2D& o) const { return !(*this == o); }

  void SetName(const CQelString& name) override { m_strName = name; }
  const CQelString& GetName() const override { return m_strName; }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  CQelString m_strName;
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
