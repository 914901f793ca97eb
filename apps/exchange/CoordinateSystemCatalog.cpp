#include "CoordinateSystemCatalog.h"

#include <vector>

#include "ExeDir.h"
#include "IESettings.h"
#include "TextFile.h"
#include "qel_formats.h"

namespace {

std::u16string Key(const CQelString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.c_str()),
                        static_cast<size_t>(text.GetLength()));
}

std::vector<CQelString> SplitCommas(const CQelString& text) {
  std::vector<CQelString> parts;
  CQelString rest = text;
  for (;;) {
    int comma = rest.Find(',');
    CQelString part = comma < 0 ? rest : rest.Left(comma);
    part.Trim();
    parts.push_back(part);
    if (comma < 0) return parts;
    rest = rest.Mid(comma + 1);
  }
}

// A number with nothing after it but blanks; a length carries a trailing "m".
bool ParseNumber(CQelString text, double& value, bool* length = nullptr) {
  text.Trim();
  bool isLength = text.GetLength() > 0 && text[text.GetLength() - 1] == 'm';
  if (isLength) text = text.Left(text.GetLength() - 1);
  const unsigned short* end = nullptr;
  value = qel_formats::WideToDouble(text, &end);
  if (text.IsEmpty() || !end || *end) return false;
  if (length) *length = isLength;
  return true;
}

void AddUtmZone(TProjectionParameters& params, int zone, bool south) {
  params.typeCode = u"TMERC";
  params.count = 5;
  const double values[5] = {6.0 * zone - 183.0, 0.9996, 0.0, 500000.0, south ? 10000000.0 : 0.0};
  const bool linear[5] = {false, false, false, true, true};
  for (int i = 0; i < 5; ++i) {
    params.values[i] = values[i];
    params.linear[i] = linear[i];
  }
}

}  // namespace

bool CCoordinateSystemCatalog::Load(const CQelString& path) {
  m_ellipsoids.clear();
  m_datums.clear();
  m_projections.clear();
  CTextFile file;
  if (!file.OpenRead(path)) return false;
  CQelString line, section;
  while (file.ReadLine(line)) {
    line.Trim();
    if (line.IsEmpty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      section = line.Mid(1, line.GetLength() - 2);
      continue;
    }
    int equals = line.Find('=');
    if (equals < 0) continue;
    CQelString name = line.Left(equals);
    name.Trim();
    std::vector<CQelString> parts = SplitCommas(line.Mid(equals + 1));
    if (section.Compare(u"ELLIPSOIDS") == 0 && parts.size() == 2) {
      TEllipsoid e;
      if (ParseNumber(parts[0], e.semiMajorAxis) && ParseNumber(parts[1], e.inverseFlattening))
        m_ellipsoids[Key(name)] = e;
    } else if (section.Compare(u"DATUMS") == 0 && parts.size() == 1) {
      m_datums[Key(name)] = Key(parts[0]);
    } else if (section.Compare(u"PROJECTIONS") == 0 && parts.size() >= 2) {
      TProjection projection;
      projection.datum = Key(parts[0]);
      const CQelString& type = parts[1];
      if ((type.Compare(u"UTM_NORTH") == 0 || type.Compare(u"UTM_SOUTH") == 0) && parts.size() == 3 &&
          name.Find(u"##") >= 0) {
        double zones = 0.0;
        if (!ParseNumber(parts[2], zones) || zones < 1 || zones > 60) continue;
        for (int zone = 1; zone <= static_cast<int>(zones); ++zone) {
          CQelString zoneName = name;
          zoneName.Replace(CQelString(u"##"), qel_formats::IntToString(zone));
          AddUtmZone(projection.params, zone, type.Compare(u"UTM_SOUTH") == 0);
          m_projections[Key(zoneName)] = projection;
        }
        continue;
      }
      int count = static_cast<int>(parts.size()) - 2;
      if (count > TProjectionParameters::MAX_PARAMETERS) continue;
      projection.params.typeCode = type;
      projection.params.count = count;
      bool ok = true;
      for (int i = 0; i < count && ok; ++i)
        ok = ParseNumber(parts[static_cast<size_t>(i) + 2], projection.params.values[i],
                         &projection.params.linear[i]);
      if (ok) m_projections[Key(name)] = projection;
    }
  }
  return true;
}

IIECoordinateSystemCatalog* CCoordinateSystemCatalog::clone() const {
  return new CCoordinateSystemCatalog(*this);
}

bool CCoordinateSystemCatalog::GetDatumEllipsoid(const CQelString& datum, CQelString& ellipsoid,
                                                 double& number1, double& number2) const {
  auto d = m_datums.find(Key(datum));
  if (d == m_datums.end()) return false;
  auto e = m_ellipsoids.find(d->second);
  if (e == m_ellipsoids.end()) return false;
  ellipsoid = CQelString(reinterpret_cast<const unsigned short*>(d->second.c_str()),
                         static_cast<int>(d->second.size()));
  number1 = e->second.semiMajorAxis;
  number2 = e->second.inverseFlattening;
  return true;
}

bool CCoordinateSystemCatalog::GetProjectionParameters(const CQelString& projection,
                                                       TProjectionParameters& params) const {
  auto p = m_projections.find(Key(projection));
  if (p == m_projections.end()) return false;
  params = p->second.params;
  return true;
}

bool CCoordinateSystemCatalog::AcceptDatum(const CQelString& datum) const {
  return m_datums.count(Key(datum)) != 0;
}

bool CCoordinateSystemCatalog::AcceptProjection(const CQelString& datum, const CQelString& projection) const {
  auto p = m_projections.find(Key(projection));
  return p != m_projections.end() && (datum.IsEmpty() || p->second.datum == Key(datum));
}

bool InstallCoordinateSystemCatalog(TIESettings& settings) {
  CCoordinateSystemCatalog* catalog = new CCoordinateSystemCatalog;
  if (!catalog) return false;
  const CQelString geo = GetExeDir() + CQelString(u"/Geo");
  if (!catalog->Load(geo + CQelString(u"/catalogue.ini"))) {
    delete catalog;
    return false;
  }
  catalog->SetProjectionFilesFolder(geo + CQelString(u"/prj"));
  delete settings.m_pCoordSystemCatalog;
  settings.m_pCoordSystemCatalog = catalog;
  return true;
}
