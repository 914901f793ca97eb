#include "ShapeExporter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "FileFuncs.h"
#include "IEData.h"
#include "IEDesignPoint.h"
#include "IEFormat.h"
#include "IEPolyLine.h"
#include "IEUtils.h"
#include "NotesFolder.h"
#include "ProjectionFile.h"
#include "ShapeLibAccess.h"
#include "ShapeText.h"

namespace {

constexpr int kShapeTypes[CShapeExporter::KIND_COUNT] = {SHPT_POINTZ, SHPT_ARCZ, SHPT_POLYGONZ};
const char16_t* const kSuffixes[CShapeExporter::KIND_COUNT] = {u"_POINTS", u"_POLYLINES", u"_POLYGONS"};
const char* const kPhotoDataNames[3] = {"AZMVAL", "TILTXVAL", "TILTYVAL"};
constexpr int kTextWidth = 128;
constexpr int kTextBytes = 127;
constexpr int kNumberWidth = 39;
// Photo angles keep their fraction: a whole-number column would cut 123.7 degrees to 123.
constexpr int kPhotoDataDecimals = 10;
// dBASE logical and date fields have fixed widths that other programs insist on.
constexpr int kLogicalWidth = 1;
constexpr int kDateWidth = 8;
constexpr int kFieldNameBytes = 10;

const char16_t kInvalidFieldNameCharacters[] = u"! .,?%*@#$^&'\"\\/|~;[]{}()<>`\t\r\n+=";

// Kind of an object: 0 points, 1 polylines, 2 polygons, -1 not exported.
int KindOf(const CIEObject& object) {
  switch (object.GetType()) {
    case IE_DESIGN_POINT:
    case IE_PTL_POINT:
    case IE_GPS_POINT:
      return 0;
    case IE_POLYLINE:
      return 1;
    case IE_AREA:
      return 2;
    default:
      return -1;
  }
}

// A number right-aligned in a field of width characters, as dBASE readers expect numbers.
void AlignRight(std::string& text, int width) {
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
}

void IntegerBytes(int64_t value, std::string& out) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.assign(digits, end);
}

// The stations of a point (its one station), polyline or area, by index in order.
int StationCount(const CIEObject& object) {
  return KindOf(object) == 0 ? 1 : static_cast<const CIEPolyLine&>(object).GetNumberOfStations();
}

const CIEStation& StationAt(const CIEObject& object, int index) {
  if (KindOf(object) == 0) return static_cast<const CIEDesignPoint&>(object).GetStation();
  return static_cast<const CIEPolyLine&>(object).GetStation(index);
}

}  // namespace

CQelString MakeDbfFieldName(const CQelString& name) {
  CQelString out;
  for (int i = 0; i < name.GetLength(); ++i) {
    unsigned short c = name[i];
    bool invalid = false;
    for (const char16_t* p = kInvalidFieldNameCharacters; *p; ++p)
      if (*p == c) invalid = true;
    if (!invalid)
      out += c;
    else if (!out.IsEmpty())
      out += static_cast<unsigned short>('_');
  }
  return out;
}

CShapeExporter::CShapeExporter(CIEData* data, const CQelString& fileName, const CIEFormat* format)
    : CExporterImpl(data, fileName, format) {}

CShapeExporter::~CShapeExporter() { CloseAll(); }

int CShapeExporter::GetNumberOfSteps() {
  const CIEDataset* dataset = m_pData ? static_cast<const CIEData*>(m_pData)->GetCurDataset() : nullptr;
  return (dataset ? dataset->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false) : 0) + 2;
}

bool CShapeExporter::SingleStep() {
  ++m_nCurrentStep;
  if (m_nCurrentStep == -1) return Prepare();
  if (m_nCurrentStep < m_nObjects) {
    const CIEObject* object =
        static_cast<const CIEData*>(m_pData)->GetCurDataset()->GetObjectAt(m_nCurrentStep);
    if (object && !WriteObject(*object)) {
      m_eResult = IE_RESULT_FAILED;
      CloseAll();
      return false;
    }
    return true;
  }
  CloseAll();
  return false;
}

bool CShapeExporter::Prepare() {
  const CIEDataset* dataset = m_pData ? static_cast<const CIEData*>(m_pData)->GetCurDataset() : nullptr;
  if (!dataset) return false;
  m_nObjects = dataset->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false);
  bool present[KIND_COUNT] = {};
  for (int i = 0; i < m_nObjects; ++i) {
    const CIEObject* object = dataset->GetObjectAt(i);
    int kind = object ? KindOf(*object) : -1;
    if (kind >= 0) present[kind] = true;
  }
  int presentCount = present[0] + present[1] + present[2];
  if (presentCount == 0) return false;
  m_bSplit = presentCount > 1;
  CQelString base = m_strFileName;
  int dot = base.ReverseFind('.');
  if (dot >= 0) base = base.Left(dot);
  BuildColumns();
  bool opened = false;
  for (int kind = 0; kind < KIND_COUNT; ++kind)
    if (present[kind] && OpenKind(kind, base)) opened = true;
  return opened;
}

void CShapeExporter::BuildColumns() {
  m_columns.clear();
  m_fieldNames.clear();
  auto add = [this](EColumnRole role, const CQelString& name, char type, int width, int decimals, int index,
                    int dataType) {
    m_fieldNames.push_back(name);
    std::string fieldName;
    TextToAnsi(MakeDbfFieldName(name), kFieldNameBytes, fieldName);
    m_columns.push_back({role, std::move(fieldName), type, width, decimals, index, dataType});
  };
  add(COLUMN_OBJNAME, CQelString(u"OBJNAME"), 'C', 10, 0, 0, 0);

  const CIEData* data = m_pData;
  const CIEDataset* dataset = data->GetCurDataset();
  m_pCode = nullptr;
  if (const CIEDataDictionary* dictionary = data->GetIEDataDictionary()) {
    dictionary->Reset();
    while (const CIECodeDescription* code = dictionary->GetNextCodeDescription()) {
      if (dataset->IsCodeDefinitionUsed(code)) {
        m_pCode = code;
        break;
      }
    }
  }
  if (m_pCode) {
    if (data->GetSettings().m_bFlags7[TIESettings::FLAG_WRITE_CODE_DESCRIPTION])
      add(COLUMN_CODEDESC, CQelString(u"CODEDESC"), 'C', kTextWidth, 0, 0, 0);
    for (int i = 0; i < m_pCode->GetSize(); ++i) {
      const CIEAttrDescription* attr = m_pCode->GetAttrDescriptionAt(i);
      CQelString name = attr->m_strName;
      int dot = name.Find('.');
      if (dot >= 0) name = name.Mid(dot + 1);
      name = name.Left(10);
      char type = 'C';
      int width = kTextWidth, decimals = 0;
      switch (attr->GetType()) {
        case CIEAttrDescription::ATTR_BOOL:
          type = 'L';
          width = kLogicalWidth;
          break;
        case CIEAttrDescription::ATTR_INTEGER:
          type = 'N';
          width = kNumberWidth;
          break;
        case CIEAttrDescription::ATTR_FLOAT:
          type = 'N';
          width = kNumberWidth;
          decimals = attr->GetMaxFracLength();
          if (decimals < 0) decimals = 0;
          if (decimals > kNumberWidth - 2) decimals = kNumberWidth - 2;
          break;
        case CIEAttrDescription::ATTR_DATE_TIME:
          type = 'D';
          width = kDateWidth;
          break;
        default:
          break;
      }
      add(COLUMN_ATTRIBUTE, name, type, width, decimals, i, 0);
    }
  }

  m_nPhotoColumns = 0;
  int count = dataset->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false);
  for (int i = 0; i < count; ++i) {
    const CIEObject* object = dataset->GetObjectAt(i);
    const CIEPhotoNotes* notes = object ? object->GetPhotoNotes() : nullptr;
    if (notes && notes->GetNumberOfPhotoNotes() > m_nPhotoColumns)
      m_nPhotoColumns = notes->GetNumberOfPhotoNotes();
  }
  for (int k = 0; k < m_nPhotoColumns; ++k) {
    bool used[3] = {};
    for (int i = 0; i < count; ++i) {
      const CIEObject* object = dataset->GetObjectAt(i);
      const CIEPhotoNotes* notes = object ? object->GetPhotoNotes() : nullptr;
      const CIEPhotoNote* note = notes ? notes->GetPhotoNote(k) : nullptr;
      for (int t = 0; t < 3 && note; ++t)
        if (note->GetData(static_cast<CIEPhotoNote::EPhotoPropertyDataType>(t)) != 0.0) used[t] = true;
    }
    CQelString number(std::to_string(k + 1).c_str());
    add(COLUMN_IMAGE, CQelString(u"IMAGECAP") + number, 'C', kTextWidth, 0, k, 0);
    for (int t = 0; t < 3; ++t)
      if (used[t])
        add(COLUMN_PHOTO_DATA, CQelString(kPhotoDataNames[t]) + number, 'N', kNumberWidth, kPhotoDataDecimals,
            k, t);
  }
  // A name that cleaning emptied still needs a column of its own.
  for (size_t c = 0; c < m_columns.size(); ++c)
    if (m_columns[c].name.empty()) m_columns[c].name = "FIELD" + std::to_string(c + 1);
}

bool CShapeExporter::OpenKind(int kind, const CQelString& base) {
  CQelString name = base;
  if (m_bSplit) name += kSuffixes[kind];
  const TIESettings& settings = m_pData->GetSettings();
  CQelString extension = m_pFormat ? m_pFormat->GetExtension(true) : CQelString(u".shp");
  if (!IEUtils::IsExportFileWithSameName(name + extension, settings.m_pMessageBox, settings.m_hNotifyWnd))
    return false;
  const std::string systemName = qel_path::ToSystemPath(name);
  m_hShapes[kind] = shape_lib::CreateShapes(systemName.c_str(), kShapeTypes[kind]);
  if (!m_hShapes[kind]) return false;
  const std::string codePage = CodePageForNewTable();
  m_hTables[kind] = shape_lib::CreateTable(systemName.c_str(), codePage.c_str());
  bool tableOk = m_hTables[kind] != nullptr;
  for (size_t c = 0; tableOk && c < m_columns.size(); ++c) {
    const TColumn& column = m_columns[c];
    tableOk = DBFAddNativeFieldType(m_hTables[kind], column.name.c_str(), column.type, column.width,
                                    column.decimals) == static_cast<int>(c);
  }
  m_pLinks[kind] = std::make_unique<CCrossLinkWriter>();
  if (!tableOk || !m_pLinks[kind]->Create(name + CQelString(u".clf"))) {
    CloseKind(kind);
    return false;
  }
  m_strKindNames[kind] = name;
  for (const char16_t* ext : {u".shp", u".shx", u".dbf", u".cpg", u".clf"})
    m_pData->AddFileNameToExported(name + CQelString(ext));

  const qel_ie_cs_utils::CCoordinateSystemInfo& cs = m_pData->GetCoordinateSystem();
  if (!cs.m_strDatumName.IsEmpty() && (cs.m_nKind == 1 || cs.m_nKind == 2)) {
    CQelString prj = name + CQelString(u".prj");
    if (WriteProjectionFile(settings.m_pCoordSystemCatalog, cs.m_nKind == 2, cs.m_strDatumName,
                            cs.m_strProjectionName, m_pData->GetJobInfo().GetDistUnits(), prj))
      m_pData->AddFileNameToExported(prj);
  }
  return true;
}

bool CShapeExporter::WriteObject(const CIEObject& object) {
  int kind = KindOf(object);
  if (kind < 0 || !m_hShapes[kind]) return true;
  const CIEData* data = m_pData;
  const bool geographic = data->GetCoordinateSystem().m_nKind == 1;
  const EDIST_UNITS jobUnits = data->GetJobInfo().GetDistUnits();
  const int count = StationCount(object);
  bool allHeights = true;
  for (int i = 0; i < count; ++i)
    if (!StationAt(object, i).IsHeightDefined()) allHeights = false;
  m_xs.clear();
  m_ys.clear();
  m_zs.clear();
  for (int i = 0; i < count; ++i) {
    const CIEStation& station = StationAt(object, i);
    double x = geographic ? station.y : IEUtils::FromMetersFactor(station.y, jobUnits);
    double y = geographic ? station.x : IEUtils::FromMetersFactor(station.x, jobUnits);
    m_xs.push_back(x);
    m_ys.push_back(y);
    m_zs.push_back(allHeights ? IEUtils::FromMetersFactor(station.GetHeight(), jobUnits) : 0.0);
    // A record whose Z was set to 0 keeps no heights in its cross-link records either, so that
    // its vertices still match by position when they are read back.
    m_pLinks[kind]->WriteStation(station, x, y, allHeights, jobUnits);
  }
  SHPObject* shape = MakeShape(kind);
  int record = shape ? shape_lib::AppendShape(m_hShapes[kind], shape) : -1;
  if (record < 0) return false;
  return WriteRecord(kind, record, object);
}

bool CShapeExporter::WriteRecord(int kind, int record, const CIEObject& object) {
  static const CQelString kAbsent(u"0");
  DBFHandle table = m_hTables[kind];
  const CIEPhotoNotes* notes = object.GetPhotoNotes();
  int codePos = m_pCode ? object.GetCodePos(m_pCode->GetName()) : -1;
  const CIECodeValues* values = codePos >= 0 ? object.GetCode(codePos) : nullptr;
  // The record is put together here and handed to the library whole, each field as the library
  // writes one: the value left-aligned and filled with blanks, or cut to the field's width.
  m_record.assign(static_cast<size_t>(table->nRecordLength), ' ');
  for (size_t c = 0; c < m_columns.size(); ++c) {
    const TColumn& column = m_columns[c];
    std::string& bytes = m_fieldBytes;
    bytes.clear();
    switch (column.role) {
      case COLUMN_OBJNAME:
        TextToAnsi(object.GetName(), column.width, bytes);
        break;
      case COLUMN_CODEDESC:
        TextToAnsi(m_pCode->GetDescCodeName(), kTextBytes, bytes);
        break;
      case COLUMN_ATTRIBUTE: {
        const CQelString& text = values ? values->GetAttrAt(column.index) : kAbsent;
        if (column.type == 'C') {
          TextToAnsi(text, kTextBytes, bytes);
        } else if (column.type == 'L') {
          bytes = text.Compare(u"True") == 0 ? "T" : "F";
        } else if (column.type == 'D') {
          CQelString word = text;
          word.Trim();
          int blank = word.FindOneOf(u" \t");
          if (blank >= 0) word = word.Left(blank);
          word.Remove('-');
          int64_t date = 0;
          if (!word.IsEmpty()) IntegerBytes(ParseLeadingInteger(word, date) ? date : 0, bytes);
        } else if (!text.IsEmpty()) {
          int64_t whole = 0;
          double value = 0.0;
          if (column.decimals == 0 && ParseLeadingInteger(text, whole))
            IntegerBytes(whole, bytes);
          else if (ParseLeadingDouble(text, value))
            FormatFieldNumber(column.decimals == 0 ? std::trunc(value) : value, column.decimals, column.width,
                              bytes);
          else
            FormatFieldNumber(0.0, column.decimals, column.width, bytes);
          AlignRight(bytes, column.width);
        }
        break;
      }
      case COLUMN_IMAGE: {
        const CIEPhotoNote* note = notes ? notes->GetPhotoNote(column.index) : nullptr;
        if (note && !note->GetFileName().IsEmpty()) {
          CQelString folder = PhotoFolder(kind);
          if (!folder.IsEmpty())
            FileFuncsEx::CopyFromTo(note->GetFileName(),
                                    folder + CQelString(u"/") +
                                        FileFuncs::ExtractFileNameWithExtFromPathName(note->GetFileName()),
                                    1);
          TextToAnsi(note->GetFileName(), kTextBytes, bytes);
        }
        break;
      }
      case COLUMN_PHOTO_DATA: {
        const CIEPhotoNote* note = notes ? notes->GetPhotoNote(column.index) : nullptr;
        double value = note && !note->GetFileName().IsEmpty()
                           ? note->GetData(static_cast<CIEPhotoNote::EPhotoPropertyDataType>(column.dataType))
                           : 0.0;
        FormatFieldNumber(value, column.decimals, column.width, bytes);
        AlignRight(bytes, column.width);
        break;
      }
    }
    // Written as the field's bytes: the library's own number writers follow the process locale,
    // and its text writer misreads text given to a numeric field.
    const size_t width = static_cast<size_t>(table->panFieldSize[c]);
    std::memcpy(&m_record[static_cast<size_t>(table->panFieldOffset[c])], bytes.data(),
                strnlen(bytes.c_str(), width));
  }
  return DBFWriteTuple(table, record, &m_record[0]) != 0;
}

SHPObject* CShapeExporter::MakeShape(int kind) {
  const int count = static_cast<int>(m_xs.size());
  SHPObject*& shape = m_pShapes[kind];
  if (shape && shape->nVertices == count) {
    std::copy(m_xs.begin(), m_xs.end(), shape->padfX);
    std::copy(m_ys.begin(), m_ys.end(), shape->padfY);
    std::copy(m_zs.begin(), m_zs.end(), shape->padfZ);
    SHPComputeExtents(shape);
    return shape;
  }
  if (shape) SHPDestroyObject(shape);
  shape = SHPCreateSimpleObject(kShapeTypes[kind], count, m_xs.data(), m_ys.data(), m_zs.data());
  return shape;
}

CQelString CShapeExporter::PhotoFolder(int kind) {
  if (m_strPhotoFolders[kind].IsEmpty()) {
    CQelString folder = FindNotesFolder(m_strKindNames[kind], u"notes");
    FileFuncs::CreateDir(folder);
    if (!FileFuncs::IsDirExist(folder)) return CQelString();
    m_strPhotoFolders[kind] = folder;
  }
  return m_strPhotoFolders[kind];
}

void CShapeExporter::CloseKind(int kind) {
  if (m_hTables[kind]) DBFClose(m_hTables[kind]);
  m_hTables[kind] = nullptr;
  shape_lib::CloseShapes(m_hShapes[kind]);
  m_hShapes[kind] = nullptr;
  m_pLinks[kind].reset();
  if (m_pShapes[kind]) SHPDestroyObject(m_pShapes[kind]);
  m_pShapes[kind] = nullptr;
}

void CShapeExporter::CloseAll() {
  for (int kind = 0; kind < KIND_COUNT; ++kind) CloseKind(kind);
}
