// CCoordinateSystemCatalog: the exchange host's catalogue of ellipsoids, datums and projections,
// read from "Geo/catalogue.ini" beside the program. Jobs reach it through their settings when they
// read or write projection files.
#pragma once

#include <map>
#include <string>

#include "IIECoordinateSystemCatalog.h"
#include "qel_text.h"

struct TIESettings;

class CCoordinateSystemCatalog : public IIECoordinateSystemCatalog {
 public:
  CCoordinateSystemCatalog() = default;
  CCoordinateSystemCatalog(const CCoordinateSystemCatalog&) = default;
  CCoordinateSystemCatalog& operator=(const CCoordinateSystemCatalog&) = default;
  ~CCoordinateSystemCatalog() override = default;

  // Replaces the content with the file's; false when it cannot be read. Lines that do not parse
  // are left out.
  bool Load(const CQelString& path);
  // Folder of ready-made projection files, named after their systems.
  void SetProjectionFilesFolder(const CQelString& folder) { m_strPrjFolder = folder; }

  IIECoordinateSystemCatalog* clone() const override;
  bool GetDatumEllipsoid(const CQelString& datum, CQelString& ellipsoid, double& number1,
                         double& number2) const override;
  bool GetProjectionParameters(const CQelString& projection, TProjectionParameters& params) const override;
  bool AcceptDatum(const CQelString& datum) const override;
  bool AcceptProjection(const CQelString& datum, const CQelString& projection) const override;
  CQelString GetProjectionFilesFolder() const override { return m_strPrjFolder; }

  int GetNumberOfProjections() const { return static_cast<int>(m_projections.size()); }

  static void* operator new(std::size_t n) noexcept { return dlmalloc(n ? n : 1); }
  static void operator delete(void* p) noexcept { dlfree(p); }

 private:
  struct TEllipsoid {
    double semiMajorAxis;
    double inverseFlattening;
  };
  struct TProjection {
    std::u16string datum;
    TProjectionParameters params;
  };

  std::map<std::u16string, TEllipsoid> m_ellipsoids;
  std::map<std::u16string, std::u16string> m_datums;
  std::map<std::u16string, TProjection> m_projections;
  CQelString m_strPrjFolder;
};

// Loads the catalogue beside the program into the settings, which own it from then on (one held
// before is deleted). False when the catalogue file cannot be read; the settings keep theirs then.
bool InstallCoordinateSystemCatalog(TIESettings& settings);
