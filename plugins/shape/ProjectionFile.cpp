#include "ProjectionFile.h"

#include <string>

#include "BufferedFile.h"
#include "CsDictionary.h"
#include "FileFuncs.h"
#include "IEUtils.h"
#include "IIECoordinateSystemCatalog.h"
#include "ShapeText.h"
#include "qel_formats.h"

namespace {

// A projection file is one line; anything much longer is not one.
constexpr uint64_t kMaxFileSize = 64 * 1024;
constexpr double kDegreeFactor = 0.017453292519943295;

// The scan over the text: each element is looked for in what the previous one left.
class CWktScanner {
 public:
  explicit CWktScanner(const CQelString& text) : m_text(text) {}

  // keyword["value" ...: the text between the first two quotes of the rest. False when the
  // keyword does not occur in the rest or the value is empty.
  bool Quoted(const char16_t* keyword, CQelString& value) {
    value.Empty();
    if (m_text.Find(keyword, m_pos) < 0) return false;
    int open = m_text.Find('"', m_pos);
    if (open < 0) return false;
    int close = m_text.Find('"', open + 1);
    if (close < 0) return false;
    value = m_text.Mid(open + 1, close - open - 1);
    m_pos = close + 1;
    return !value.IsEmpty();
  }

  // keyword["name",number]: the content between the first '[' of the rest and the next ']'.
  bool Bracketed(const char16_t* keyword, CQelString& name, double& number) {
    CQelString rest;
    if (!Content(keyword, name, rest)) return false;
    number = Number(rest);
    return true;
  }

  bool Spheroid(CQelString& name, double& first, double& second) {
    CQelString rest;
    if (!Content(u"SPHEROID", name, rest)) return false;
    int comma = rest.Find(',');
    if (comma < 0) return false;
    first = Number(rest.Left(comma));
    second = Number(rest.Mid(comma + 1));
    return true;
  }

  bool Has(const char16_t* keyword) const { return m_text.Find(keyword, m_pos) >= 0; }

 private:
  bool Content(const char16_t* keyword, CQelString& name, CQelString& rest) {
    name.Empty();
    if (m_text.Find(keyword, m_pos) < 0) return false;
    int open = m_text.Find('[', m_pos);
    if (open < 0) return false;
    int close = m_text.Find(']', open + 1);
    if (close < 0) return false;
    CQelString content = m_text.Mid(open + 1, close - open - 1);
    m_pos = close + 1;
    int comma = content.Find(',');
    if (comma < 0) return false;
    CQelString first = content.Left(comma);
    int q1 = first.Find('"');
    int q2 = q1 < 0 ? -1 : first.Find('"', q1 + 1);
    if (q2 < 0) return false;
    name = first.Mid(q1 + 1, q2 - q1 - 1);
    rest = content.Mid(comma + 1);
    return !name.IsEmpty();
  }

  static double Number(CQelString text) {
    text.Trim();
    double value = 0.0;
    ParseLeadingDouble(text, value);
    return value;
  }

  const CQelString& m_text;
  int m_pos = 0;
};

bool ParseGeographicPart(CWktScanner& scan, TWktCoordinateSystem& cs) {
  return scan.Quoted(u"DATUM", cs.datumName) &&
         scan.Spheroid(cs.spheroidName, cs.spheroidNumbers[0], cs.spheroidNumbers[1]) &&
         scan.Bracketed(u"PRIMEM", cs.primeMeridianName, cs.primeMeridian) &&
         scan.Bracketed(u"UNIT", cs.angularUnitName, cs.angularUnitFactor);
}

bool ReadWholeFile(const CQelString& path, std::string& bytes) {
  CBufferedFile file;
  if (!file.Open(qel_path::ToSystemPath(path).c_str(), "rb", 16 * 1024)) return false;
  char buffer[4096];
  size_t n;
  while ((n = file.Read(buffer, 1, sizeof buffer)) > 0) {
    bytes.append(buffer, n);
    if (bytes.size() > kMaxFileSize) return false;
  }
  return !bytes.empty();
}

EDIST_UNITS UnitOfKey(const CQelString& key) {
  if (key.CompareNoCase(u"USFeet") == 0) return EDIST_UNITS::USFEET;
  if (key.CompareNoCase(u"IFeet") == 0) return EDIST_UNITS::IFEET;
  return EDIST_UNITS::METERS;
}

// Names of the parameters of a projection type, in the order the host gives their values.
const char16_t* ParameterName(const CQelString& typeCode, int index) {
  static const char16_t* const kTmerc[] = {u"Central_Meridian", u"Scale_Factor", u"Latitude_Of_Origin",
                                           u"False_Easting", u"False_Northing"};
  static const char16_t* const kStereo[] = {u"Latitude_Of_Origin", u"Longitude_Of_Origin", u"Scale_Factor",
                                            u"False_Easting", u"False_Northing"};
  static const char16_t* const kLambert[] = {u"Standard_Parallel_1", u"Standard_Parallel_2",
                                             u"Longitude_Of_Origin", u"Latitude_Of_Origin",
                                             u"False_Easting",       u"False_Northing"};
  static const char16_t* const kNzmg[] = {u"Latitude_Of_Origin", u"Longitude_Of_Origin", u"False_Easting",
                                          u"False_Northing"};
  struct TNames {
    const char16_t* code;
    const char16_t* const* names;
    int count;
  };
  static const TNames kTypes[] = {{u"TMERC", kTmerc, 5},
                                  {u"STER", kStereo, 5},
                                  {u"DSTER", kStereo, 5},
                                  {u"LC", kLambert, 6},
                                  {u"NZMG", kNzmg, 4}};
  for (const TNames& type : kTypes)
    if (typeCode.Compare(type.code) == 0)
      return index >= 0 && index < type.count ? type.names[index] : nullptr;
  return nullptr;
}

bool CopyReadyMadeFile(const CCsDictionary& dictionary, const IIECoordinateSystemCatalog& catalog,
                       const CQelString& projection, EDIST_UNITS unit, const CQelString& path) {
  const CCsDictionary::TEntry* entry = dictionary.FindByKey(CCsDictionary::PROJECTIONS, projection);
  if (!entry) return false;
  CQelString name = entry->value;
  name.Replace('_', ' ');
  if (name.Find(u"  TPAD") >= 0)
    name.Replace(u"  TPAD", u"_TPAD");
  else if (projection.Find(u"SPC83") >= 0 && unit == EDIST_UNITS::USFEET)
    name += u" (Feet)";
  CQelString folder = catalog.GetProjectionFilesFolder();
  if (folder.IsEmpty()) return false;
  return FileFuncsEx::CopyFromTo(folder + CQelString(u"/") + name + CQelString(u".prj"), path, 1);
}

}  // namespace

bool ParseWkt(const CQelString& text, TWktCoordinateSystem& cs) {
  cs = TWktCoordinateSystem();
  CWktScanner scan(text);
  if (scan.Quoted(u"PROJCS", cs.csName)) {
    if (!scan.Quoted(u"GEOGCS", cs.geogcsName) || !ParseGeographicPart(scan, cs) ||
        !scan.Quoted(u"PROJECTION", cs.projectionName))
      return false;
    while (scan.Has(u"PARAMETER")) {
      std::pair<CQelString, double> parameter;
      if (!scan.Bracketed(u"PARAMETER", parameter.first, parameter.second)) return false;
      cs.parameters.push_back(parameter);
    }
    return scan.Bracketed(u"UNIT", cs.linearUnitName, cs.linearUnitFactor);
  }
  // No projected system (or one without a name): the geographic one, from where the scan stands.
  if (!scan.Quoted(u"GEOGCS", cs.geogcsName) || !ParseGeographicPart(scan, cs)) return false;
  cs.geographic = true;
  cs.csName = cs.geogcsName;
  cs.projectionName = u"Geographic";
  cs.linearUnitName = cs.angularUnitName;
  cs.linearUnitFactor = 1.0;
  return true;
}

CQelString FormatWktNumber(double x, int d) {
  CQelString text = qel_formats::DoubleToString(x, d);
  // Without decimals there is no fraction to trim: "100" stays "100".
  if (d <= 0) return text;
  int length = text.GetLength();
  while (length > 1) {
    unsigned short last = text[length - 1];
    if (last == '0') {
      --length;
    } else {
      if (last == '.') --length;
      break;
    }
  }
  return text.Left(length);
}

bool ReadProjectionFile(const IIECoordinateSystemCatalog* catalog, const CQelString& path, EDIST_UNITS& unit,
                        int& kind, CQelString& datum, CQelString& projection) {
  return ReadProjectionFile(CCsDictionary::Get(), catalog, path, unit, kind, datum, projection);
}

bool ReadProjectionFile(const CCsDictionary& dictionary, const IIECoordinateSystemCatalog* catalog,
                        const CQelString& path, EDIST_UNITS& unit, int& kind, CQelString& datum,
                        CQelString& projection) {
  if (!catalog) return false;
  if (path.Find(u".prj") < 0 || (path.Find('\\') < 0 && path.Find('/') < 0)) return false;
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  TWktCoordinateSystem cs;
  if (!ParseWkt(AnsiBytesToText(bytes.data(), static_cast<int>(bytes.size())), cs)) return false;

  const CCsDictionary::TEntry* unitEntry = dictionary.FindByValue(CCsDictionary::UNITS, cs.linearUnitName);
  if (!unitEntry) return false;
  unit = UnitOfKey(unitEntry->key);
  if (cs.datumName.IsEmpty()) return false;

  CQelString hostDatum;
  if (const CCsDictionary::TEntry* datumEntry = dictionary.FindByValue(CCsDictionary::DATUMS, cs.datumName)) {
    hostDatum = datumEntry->key;
    if (!catalog->AcceptDatum(hostDatum)) return false;
  } else if (cs.geographic) {
    return false;
  }
  if (cs.geographic) {
    kind = 1;
    datum = hostDatum;
    projection.Empty();
    return true;
  }
  if (cs.csName.IsEmpty()) return false;
  const CCsDictionary::TEntry* projectionEntry =
      dictionary.FindByValue(CCsDictionary::PROJECTIONS, cs.csName);
  CQelString hostProjection = projectionEntry ? projectionEntry->key : cs.csName;
  if (!catalog->AcceptProjection(hostDatum, hostProjection)) return false;
  kind = 2;
  datum = hostDatum;
  projection = hostProjection;
  return true;
}

bool WriteProjectionFile(const IIECoordinateSystemCatalog* catalog, bool projected, const CQelString& datum,
                         const CQelString& projection, EDIST_UNITS unit, const CQelString& path) {
  return WriteProjectionFile(CCsDictionary::Get(), catalog, projected, datum, projection, unit, path);
}

bool WriteProjectionFile(const CCsDictionary& dictionary, const IIECoordinateSystemCatalog* catalog,
                         bool projected, const CQelString& datum, const CQelString& projection,
                         EDIST_UNITS unit, const CQelString& path) {
  if (!catalog) return false;
  if (projected && CopyReadyMadeFile(dictionary, *catalog, projection, unit, path)) return true;

  const char16_t* unitKey = unit == EDIST_UNITS::METERS   ? u"Meters"
                            : unit == EDIST_UNITS::USFEET ? u"USFeet"
                            : unit == EDIST_UNITS::IFEET  ? u"IFeet"
                                                          : nullptr;
  if (!unitKey) return false;
  const CCsDictionary::TEntry* unitEntry = dictionary.FindByKey(CCsDictionary::UNITS, unitKey);
  if (!unitEntry) return false;
  double unitFactor = 0.0;
  if (!unitEntry->extras.empty()) ParseLeadingDouble(unitEntry->extras[0], unitFactor);

  CQelString wktProjection;
  std::vector<std::pair<CQelString, double>> parameters;
  if (projected) {
    TProjectionParameters params;
    if (!catalog->GetProjectionParameters(projection, params)) return false;
    const CCsDictionary::TEntry* typeEntry =
        dictionary.FindByKey(CCsDictionary::PROJECTION_TYPE, params.typeCode);
    if (!typeEntry) return false;
    wktProjection = typeEntry->value;
    int count = params.count < TProjectionParameters::MAX_PARAMETERS ? params.count
                                                                     : TProjectionParameters::MAX_PARAMETERS;
    for (int i = 0; i < count; ++i) {
      const char16_t* name = ParameterName(params.typeCode, i);
      if (!name) continue;
      double value = params.linear[i] ? IEUtils::FromMetersFactor(params.values[i], unit) : params.values[i];
      parameters.emplace_back(CQelString(name), value);
    }
  }

  const CCsDictionary::TEntry* datumEntry = dictionary.FindByKey(CCsDictionary::DATUMS, datum);
  if (!datumEntry) return false;
  CQelString ellipsoid;
  double number1 = 0.0, number2 = 0.0;
  if (!catalog->GetDatumEllipsoid(datum, ellipsoid, number1, number2)) return false;
  const CCsDictionary::TEntry* spheroidEntry = dictionary.FindByKey(CCsDictionary::SPHEROIDS, ellipsoid);
  if (!spheroidEntry) return false;

  CQelString geographic = CQelString(u"GEOGCS[\"GCS_") + datumEntry->value + CQelString(u"\",DATUM[\"") +
                          datumEntry->value + CQelString(u"\",SPHEROID[\"") + spheroidEntry->value +
                          CQelString(u"\",") + FormatWktNumber(number1, 16) + CQelString(u",") +
                          FormatWktNumber(number2, 16) + CQelString(u"]],PRIMEM[\"Greenwich\",") +
                          FormatWktNumber(0.0, 6) + CQelString(u"],UNIT[\"Degree\",") +
                          FormatWktNumber(kDegreeFactor, 24) + CQelString(u"]]");
  CQelString text;
  if (!projected) {
    text = geographic;
  } else {
    text = CQelString(u"PROJCS[\"") + projection + CQelString(u"\",") + geographic +
           CQelString(u",PROJECTION[\"") + wktProjection + CQelString(u"\"],");
    for (const auto& parameter : parameters)
      text += CQelString(u"PARAMETER[\"") + parameter.first + CQelString(u"\",") +
              FormatWktNumber(parameter.second, 16) + CQelString(u"],");
    text += CQelString(u"UNIT[\"") + unitEntry->value + CQelString(u"\",") + FormatWktNumber(unitFactor, 20) +
            CQelString(u"]]");
  }

  std::string bytes;
  IEUtils::TStringA ansi;
  ansi.Add(text);
  CBufferedFile file;
  if (!file.Open(qel_path::ToSystemPath(path).c_str(), "wb", 16 * 1024)) return false;
  size_t n = static_cast<size_t>(ansi.length());
  bool ok = file.Write(ansi.data(), 1, n) == n;
  return file.Close() && ok;
}
