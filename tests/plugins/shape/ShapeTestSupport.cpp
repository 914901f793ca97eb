#include "ShapeTestSupport.h"

#include <sys/stat.h>

#include <cstring>
#include <fstream>

#include "IEDataset.h"
#include "WinGuid.h"

namespace shape_test {

std::unique_ptr<CIEFormat> MakeFormat(const char16_t* id) {
  GUID guid{};
  EXPECT_TRUE(GuidFromString(reinterpret_cast<const unsigned short*>(id), guid));
  return std::unique_ptr<CIEFormat>(
      new CIEFormat(guid, CQelString(u"ESRI Shape (*.shp)"), CIECommonType::DIRECTION_IMPORT_EXPORT,
                    CQelString(u"shapeplug"), CQelString(u"shapeplug"), CQelString(u"SHP"),
                    CQelString(u"shp"), CQelString(u"ESRI Shape (*.shp)|"), 1, 0,
                    IEUtils::ToFlag(POINTS) | IEUtils::ToFlag(LINES) | IEUtils::ToFlag(AREAS), 0, 0, 0));
}

TIESettings CJob::DefaultSettings() {
  TIESettings settings;
  settings.AddDataType(POINTS);
  settings.AddDataType(LINES);
  settings.AddDataType(AREAS);
  return settings;
}

CJob::CJob(TIESettings settings) {
  CIEData::m_bStopProcess = false;
  m_loader.InitIEData(settings);
}

EIEResult CJob::Import(const std::string& path) {
  return m_loader.ImportInTheSameThread(Wide(path), m_format.get(), nullptr);
}

EIEResult CJob::Export(const std::string& path) {
  return m_loader.ExportInTheSameThread(Wide(path), m_format.get(), nullptr);
}

int CJob::Count() {
  CIEDataset* dataset = Data().GetCurDataset();
  return dataset->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false);
}

CIEObject* CJob::At(int index) { return Data().GetCurDataset()->GetObjectAt(index); }

namespace {

template <class T>
void PutLe(std::string& out, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  out.append(bytes, sizeof(T));
}

void PutBe32(std::string& out, int32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

bool HasZ(int type) {
  return type == SHPT_POINTZ || type == SHPT_ARCZ || type == SHPT_POLYGONZ || type == SHPT_MULTIPOINTZ;
}

std::string Content(int type, const std::vector<double>& x, const std::vector<double>& y,
                    const std::vector<double>& z, const std::vector<int>& partStarts) {
  std::string c;
  PutLe<int32_t>(c, type);
  const size_t n = x.size();
  if (type == SHPT_POINT || type == SHPT_POINTZ || type == SHPT_POINTM) {
    PutLe(c, x[0]);
    PutLe(c, y[0]);
    if (type == SHPT_POINTZ) PutLe(c, z[0]);
    if (type != SHPT_POINT) PutLe(c, 0.0);
    return c;
  }
  for (int i = 0; i < 4; ++i) PutLe(c, 0.0);
  const bool multipoint = type == SHPT_MULTIPOINT || type == SHPT_MULTIPOINTZ || type == SHPT_MULTIPOINTM;
  if (!multipoint) PutLe<int32_t>(c, static_cast<int32_t>(partStarts.size()));
  PutLe<int32_t>(c, static_cast<int32_t>(n));
  if (!multipoint)
    for (int start : partStarts) PutLe<int32_t>(c, start);
  for (size_t i = 0; i < n; ++i) {
    PutLe(c, x[i]);
    PutLe(c, y[i]);
  }
  if (HasZ(type)) {
    PutLe(c, 0.0);
    PutLe(c, 0.0);
    for (size_t i = 0; i < n; ++i) PutLe(c, z[i]);
  }
  return c;
}

std::string Header(int type, size_t bytes) {
  std::string h;
  PutBe32(h, 9994);
  h.append(20, '\0');
  PutBe32(h, static_cast<int32_t>(bytes / 2));
  PutLe<int32_t>(h, 1000);
  PutLe<int32_t>(h, type);
  for (int i = 0; i < 8; ++i) PutLe(h, 0.0);
  return h;
}

}  // namespace

CFixture::CFixture(const std::string& base, int shapeType)
    : m_strBase(base), m_nShapeType(shapeType), m_dbf(DBFCreate(base.c_str())) {
  EXPECT_TRUE(m_dbf);
}

CFixture::~CFixture() { Close(); }

void CFixture::AddField(const char* name, DBFFieldType type, int width, int decimals) {
  EXPECT_GE(DBFAddField(m_dbf, name, type, width, decimals), 0);
}

void CFixture::Add(int type, const std::vector<double>& x, const std::vector<double>& y,
                   const std::vector<double>& z, const std::vector<std::string>& fields,
                   const std::vector<int>& partStarts) {
  m_contents.push_back(Content(type, x, y, z, partStarts));
  for (size_t i = 0; i < fields.size(); ++i)
    DBFWriteAttributeDirectly(m_dbf, m_records, static_cast<int>(i), const_cast<char*>(fields[i].c_str()));
  ++m_records;
}

void CFixture::Close() {
  if (!m_dbf) return;
  DBFClose(m_dbf);
  m_dbf = nullptr;
  std::string records, index;
  size_t offset = 100;
  int number = 1;
  for (const std::string& content : m_contents) {
    PutBe32(index, static_cast<int32_t>(offset / 2));
    PutBe32(index, static_cast<int32_t>(content.size() / 2));
    PutBe32(records, number++);
    PutBe32(records, static_cast<int32_t>(content.size() / 2));
    records += content;
    offset += 8 + content.size();
  }
  std::ofstream(m_strBase + ".shp", std::ios::binary)
      << Header(m_nShapeType, 100 + records.size()) << records;
  std::ofstream(m_strBase + ".shx", std::ios::binary) << Header(m_nShapeType, 100 + index.size()) << index;
}

bool CTestCatalog::GetDatumEllipsoid(const CQelString& datum, CQelString& ellipsoid, double& a,
                                     double& f) const {
  if (datum.Compare(u"WGS84") != 0) return false;
  ellipsoid = u"WGS84";
  a = 6378137.0;
  f = 298.257223563;
  return true;
}

bool CTestCatalog::GetProjectionParameters(const CQelString& projection,
                                           TProjectionParameters& params) const {
  if (projection.Compare(u"UTM Zone 33N") != 0) return false;
  params.typeCode = u"TMERC";
  params.count = 5;
  const double values[] = {15.0, 0.9996, 0.0, 500000.0, 0.0};
  for (int i = 0; i < 5; ++i) {
    params.values[i] = values[i];
    params.linear[i] = i >= 3;
  }
  return true;
}

bool CTestCatalog::AcceptProjection(const CQelString& datum, const CQelString& projection) const {
  if (datum.IsEmpty() && !acceptEmptyDatum) return false;
  return projection.Compare(u"UTM Zone 33N") == 0;
}

CQelString Wide(const std::string& text) { return CQelString(text.c_str()); }

std::string Narrow(const CQelString& text) {
  CQelStringA bytes(static_cast<const unsigned short*>(text), text.GetLength());
  return std::string(bytes, static_cast<size_t>(bytes.GetLength()));
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

}  // namespace shape_test
