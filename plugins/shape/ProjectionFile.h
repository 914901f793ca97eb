// Projection files (.prj): one line of well-known text naming a shapefile's coordinate system.
// Reading maps its names to the host's datum and projection names through the name dictionary;
// writing copies a ready-made file of the host or composes the text from the host's catalogue.
#pragma once

#include <utility>
#include <vector>

#include "IEDefs.h"
#include "qel_text.h"

class CCsDictionary;
class IIECoordinateSystemCatalog;

// A coordinate-system description as read from or written to well-known text.
struct TWktCoordinateSystem {
  CQelString csName;
  CQelString geogcsName;
  CQelString datumName;
  CQelString spheroidName;
  double spheroidNumbers[2] = {0.0, 0.0};
  CQelString primeMeridianName;
  double primeMeridian = 0.0;
  CQelString angularUnitName;
  double angularUnitFactor = 0.0;
  CQelString projectionName;
  std::vector<std::pair<CQelString, double>> parameters;
  CQelString linearUnitName;
  double linearUnitFactor = 0.0;
  bool geographic = false;
};

// Parses the text; false when an element is missing or malformed.
bool ParseWkt(const CQelString& text, TWktCoordinateSystem& cs);

// x with d decimals, trailing zeros of the fraction (and then a bare '.') removed: 1.0 gives "1".
CQelString FormatWktNumber(double x, int d);

// Reads path; on success kind is 1 (geographic) or 2 (projected) with the host's names. unit
// becomes the file's linear unit as soon as that is recognised, even when a later step fails.
bool ReadProjectionFile(const IIECoordinateSystemCatalog* catalog, const CQelString& path, EDIST_UNITS& unit,
                        int& kind, CQelString& datum, CQelString& projection);
bool ReadProjectionFile(const CCsDictionary& dictionary, const IIECoordinateSystemCatalog* catalog,
                        const CQelString& path, EDIST_UNITS& unit, int& kind, CQelString& datum,
                        CQelString& projection);
// Writes path for the host's system; false when nothing was written.
bool WriteProjectionFile(const IIECoordinateSystemCatalog* catalog, bool projected, const CQelString& datum,
                         const CQelString& projection, EDIST_UNITS unit, const CQelString& path);
bool WriteProjectionFile(const CCsDictionary& dictionary, const IIECoordinateSystemCatalog* catalog,
                         bool projected, const CQelString& datum, const CQelString& projection,
                         EDIST_UNITS unit, const CQelString& path);
