// Helpers of the shapefile tests: a data root with the shapefile format bound through the loader,
// small fixture sets written with shapelib, and a coordinate-system catalogue for the tests.
#pragma once

#include <gtest/gtest.h>
#include <shapefil.h>

#include <memory>
#include <string>
#include <vector>

#include "IEData.h"
#include "IEFormat.h"
#include "IEParsersLoader.h"
#include "IESettings.h"
#include "IIECoordinateSystemCatalog.h"
#include "support/TestSupport.h"

namespace shape_test {

constexpr char16_t kShapeFormatId[] = u"{79241EB7-2DDB-4fbf-A677-8E0DB4DF8204}";
constexpr char16_t kDbfFormatId[] = u"{B4C2FC07-523D-4192-B518-585367AE93B5}";

std::unique_ptr<CIEFormat> MakeFormat(const char16_t* id = kShapeFormatId);

// One job: a loader with a fresh data root made from the settings.
class CJob {
 public:
  explicit CJob(TIESettings settings = DefaultSettings());
  CIEData& Data() { return *m_loader.GetIEData(); }
  EIEResult Import(const std::string& path);
  EIEResult Export(const std::string& path);
  // Objects of the current dataset.
  int Count();
  CIEObject* At(int index);
  static TIESettings DefaultSettings();

 private:
  std::unique_ptr<CIEFormat> m_format = MakeFormat();
  CIEParsersLoader m_loader;
};

// A shapefile set: the table is written with shapelib, the geometry byte by byte, so that a set
// may mix record types as files from other programs do. Columns are added first, then records.
class CFixture {
 public:
  CFixture(const std::string& base, int shapeType);
  ~CFixture();
  void AddField(const char* name, DBFFieldType type, int width, int decimals);
  // One record: the vertices (parts start at the given indices) and the field texts.
  void Add(int type, const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>& z,
           const std::vector<std::string>& fields, const std::vector<int>& partStarts = {0});
  void Close();

 private:
  std::string m_strBase;
  int m_nShapeType;
  std::vector<std::string> m_contents;
  DBFHandle m_dbf;
  int m_records = 0;
};

// A catalogue that knows the datum "WGS84" (and names that begin with it) and the projection
// "UTM Zone 33N".
class CTestCatalog : public IIECoordinateSystemCatalog {
 public:
  IIECoordinateSystemCatalog* clone() const override { return new CTestCatalog(*this); }
  bool GetDatumEllipsoid(const CQelString& datum, CQelString& ellipsoid, double& a, double& f) const override;
  bool GetProjectionParameters(const CQelString& projection, TProjectionParameters& params) const override;
  bool AcceptDatum(const CQelString& datum) const override { return datum.Find(u"WGS84") == 0; }
  bool AcceptProjection(const CQelString& datum, const CQelString& projection) const override;
  CQelString GetProjectionFilesFolder() const override { return folder; }
  static void* operator new(std::size_t n) noexcept { return dlmalloc(n ? n : 1); }
  static void operator delete(void* p) noexcept { dlfree(p); }

  CQelString folder;
  bool acceptEmptyDatum = false;
};

CQelString Wide(const std::string& text);
std::string Narrow(const CQelString& text);
bool Exists(const std::string& path);

}  // namespace shape_test
