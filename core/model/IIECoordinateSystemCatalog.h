// IIECoordinateSystemCatalog: the host's catalogue of datums and projections, which the job
// settings carry and the shapefile plug-in asks when it reads or writes projection files.
#pragma once

#include "QelAlloc.h"
#include "qel_text.h"

// The parameters of a host projection, in the order the host defines them.
struct TProjectionParameters {
  static constexpr int MAX_PARAMETERS = 16;

  int count = 0;
  // Angles in decimal degrees, lengths in metres.
  double values[MAX_PARAMETERS] = {};
  // True marks a length.
  bool linear[MAX_PARAMETERS] = {};
  // A key of the projection types known to the name dictionary ("TMERC", "LC", ...).
  CQelString typeCode;

  QEL_DECLARE_SHARED_ALLOCATION()
};

class IIECoordinateSystemCatalog {
 public:
  IIECoordinateSystemCatalog() = default;
  IIECoordinateSystemCatalog(const IIECoordinateSystemCatalog&) = default;
  IIECoordinateSystemCatalog& operator=(const IIECoordinateSystemCatalog&) = default;
  virtual ~IIECoordinateSystemCatalog() = default;

  // A new copy of this object; the caller owns it.
  virtual IIECoordinateSystemCatalog* clone() const = 0;
  // The datum's ellipsoid name with its semi-major axis and inverse flattening; false for an
  // unknown datum.
  virtual bool GetDatumEllipsoid(const CQelString& datum, CQelString& ellipsoid, double& number1,
                                 double& number2) const = 0;
  virtual bool GetProjectionParameters(const CQelString& projection, TProjectionParameters& params) const = 0;
  // Whether a geographic system on the datum can be used.
  virtual bool AcceptDatum(const CQelString& datum) const = 0;
  // Whether the projected system can be used; the datum may be empty.
  virtual bool AcceptProjection(const CQelString& datum, const CQelString& projection) const = 0;
  // The folder where ready-made projection files are kept.
  virtual CQelString GetProjectionFilesFolder() const = 0;
};
