#include "ShapeImporter.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

#include "FileFuncs.h"
#include "IEData.h"
#include "IEDesignPoint.h"
#include "IEPolyLine.h"
#include "IEUtils.h"
#include "IIECoordinateSystemCatalog.h"
#include "NotesFolder.h"
#include "ProjectionFile.h"
#include "ShapeLibAccess.h"
#include "ShapeMessages.h"
#include "ShapeText.h"
#include "qel_formats.h"

namespace {

enum EColumnRole {
  COLUMN_ATTRIBUTE,
  COLUMN_OBJNAME,
  COLUMN_CODEDESC,
  COLUMN_IMAGE,
  COLUMN_AZIMUTH,
  COLUMN_TILT_X,
  COLUMN_TILT_Y
};

struct TColumn {
  EColumnRole role = COLUMN_ATTRIBUTE;
  char type = 'C';
  int decimals = 0;
};

bool StartsWith(const CQelString& text, const char16_t* prefix) { return text.Find(prefix) == 0; }

EColumnRole RoleOf(const CQelString& name) {
  if (name.Compare(u"OBJNAME") == 0) return COLUMN_OBJNAME;
  if (name.Compare(u"CODEDESC") == 0) return COLUMN_CODEDESC;
  if (StartsWith(name, u"IMAGECAP") || StartsWith(name, u"IMAGE_CAP")) return COLUMN_IMAGE;
  if (StartsWith(name, u"AZMVAL")) return COLUMN_AZIMUTH;
  if (StartsWith(name, u"TILTXVAL")) return COLUMN_TILT_X;
  if (StartsWith(name, u"TILTYVAL")) return COLUMN_TILT_Y;
  return COLUMN_ATTRIBUTE;
}

CIEAttrDescription::EAttributeType AttributeTypeOf(char type, int decimals) {
  switch (type) {
    case 'C':
      return CIEAttrDescription::ATTR_STRING;
    case 'L':
      return CIEAttrDescription::ATTR_BOOL;
    case 'D':
      return CIEAttrDescription::ATTR_DATE_TIME;
    default:
      return decimals > 0 ? CIEAttrDescription::ATTR_FLOAT : CIEAttrDescription::ATTR_INTEGER;
  }
}

CIECodeDescription::EIECodeType CodeTypeOf(int shapeType, CIECodeDescription::EIECodeType otherwise) {
  switch (shapeType) {
    case SHPT_POINT:
    case SHPT_POINTZ:
    case SHPT_POINTM:
      return CIECodeDescription::CODE_POINT;
    case SHPT_ARC:
    case SHPT_ARCZ:
    case SHPT_ARCM:
      return CIECodeDescription::CODE_LINE;
    case SHPT_POLYGON:
    case SHPT_POLYGONZ:
    case SHPT_POLYGONM:
      return CIECodeDescription::CODE_AREA;
    default:
      return otherwise;
  }
}

// Decimal text of a whole number.
CQelString IntegerText(int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return qel_formats::AsciiToString(digits, static_cast<size_t>(end - digits));
}

// The text an attribute holds for a field, from the field's bytes. Numbers keep their whole value:
// integers of any width, and at least six decimals. An empty numeric or date field gives an empty
// text. Only text, logical and date fields are decoded.
CQelString AttributeText(CIEAttrDescription::EAttributeType type, int decimals, const char* raw, bool isNull,
                         const CDbfTextDecoder& decoder) {
  switch (type) {
    case CIEAttrDescription::ATTR_BOOL:
      return CQelString(decoder.Reads(raw, u"T") ? u"True" : u"False");
    case CIEAttrDescription::ATTR_DATE_TIME: {
      if (isNull) return CQelString();
      CQelString text = decoder.Decode(raw);
      if (text.GetLength() > 7) {
        text.Insert(4, '-');
        text.Insert(7, '-');
      }
      return text;
    }
    case CIEAttrDescription::ATTR_INTEGER: {
      if (isNull) return CQelString();
      int64_t whole = 0;
      if (ParseLeadingInteger(raw, whole)) return IntegerText(whole);
      double value = 0.0;
      if (ParseLeadingDouble(raw, value) && std::isfinite(value))
        return qel_formats::DoubleToString(std::trunc(value), 0);
      return CQelString(u"0");
    }
    case CIEAttrDescription::ATTR_FLOAT: {
      if (isNull) return CQelString();
      double value = 0.0;
      ParseLeadingDouble(raw, value);
      return qel_formats::DoubleToString(value, decimals > 6 ? decimals : 6);
    }
    default: {
      CQelString text = decoder.Decode(raw);
      text.Trim();
      return text;
    }
  }
}

// Types whose empty or null-marked fields give an empty text.
bool TellsNull(CIEAttrDescription::EAttributeType type) {
  return type == CIEAttrDescription::ATTR_DATE_TIME || type == CIEAttrDescription::ATTR_INTEGER ||
         type == CIEAttrDescription::ATTR_FLOAT;
}

bool HasZ(int shapeType) {
  return shapeType == SHPT_POINTZ || shapeType == SHPT_ARCZ || shapeType == SHPT_POLYGONZ;
}

struct TShapeCloser {
  void operator()(SHPInfo* handle) const { shape_lib::CloseShapes(handle); }
};
struct TTableCloser {
  void operator()(DBFInfo* handle) const { DBFClose(handle); }
};
struct TObjectDeleter {
  void operator()(SHPObject* object) const { SHPDestroyObject(object); }
};

// Same attributes in the same order: the description of an earlier file of the same export.
bool SameAttributes(const CIECodeDescription& a, const CIECodeDescription& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (int i = 0; i < a.GetSize(); ++i) {
    const CIEAttrDescription* x = a.GetAttrDescriptionAt(i);
    const CIEAttrDescription* y = b.GetAttrDescriptionAt(i);
    if (x->m_strName.Compare(y->m_strName) != 0 || x->GetType() != y->GetType()) return false;
  }
  return true;
}

}  // namespace

struct CShapeImporter::TJob {
  std::unique_ptr<SHPInfo, TShapeCloser> shapes;
  std::unique_ptr<DBFInfo, TTableCloser> table;
  std::unique_ptr<CDbfTextDecoder> decoder;
  std::vector<TColumn> columns;
  CIECodeDescription* code = nullptr;
  bool geographic = false;
  CQelString notesFolder;
  CShapeMessages* messages = nullptr;

  // The field's bytes, valid until the next read from the table.
  const char* Raw(int record, int column) const {
    const char* text = DBFReadStringAttribute(table.get(), record, column);
    return text ? text : "";
  }
  CQelString Text(int record, int column) const { return decoder->Decode(Raw(record, column)); }
};

CShapeImporter::CShapeImporter(CIEData* data, const CQelString& fileName, const CIEFormat* format)
    : CImporterImpl(data, fileName, format) {}

EIEResult CShapeImporter::Import() const {
  if (!m_pData) return IE_RESULT_FAILED;
  CShapeMessages messages(m_strFileName);
  TJob job;
  job.messages = &messages;
  const CQelString base = FileFuncs::ExtractPathNameWithoutExtFromPathName(m_strFileName);
  const std::string systemBase = qel_path::ToSystemPath(base);
  job.shapes.reset(shape_lib::OpenShapes(systemBase.c_str()));
  job.table.reset(shape_lib::OpenTable(systemBase.c_str(), false));

  m_links.Read(m_strFileName);

  const TIESettings& settings = m_pData->GetSettings();
  m_eImportUnit = settings.m_eDistUnits == EDIST_UNITS::ANY_UNITS ? m_pData->GetJobInfo().GetDistUnits()
                                                                  : settings.m_eDistUnits;
  int kind = 0;
  CQelString datum, projection;
  if (ReadProjectionFile(settings.m_pCoordSystemCatalog, base + CQelString(u".prj"), m_eImportUnit, kind,
                         datum, projection)) {
    qel_ie_cs_utils::CCoordinateSystemInfo cs = m_pData->GetCoordinateSystem();
    cs.m_nKind = kind;
    cs.m_strDatumName = datum;
    cs.m_strProjectionName = projection;
    m_pData->SetCoordinateSystem(cs);
  }
  if (settings.m_eDistUnits != EDIST_UNITS::ANY_UNITS) m_eImportUnit = settings.m_eDistUnits;

  if (!job.shapes || !job.table) {
    messages.Add("the shapefile or its table cannot be opened");
    return messages.Finish(IE_RESULT_BAD_FILE);
  }
  int shapeCount = 0, headerType = 0;
  SHPGetInfo(job.shapes.get(), &shapeCount, &headerType, nullptr, nullptr);
  if (shapeCount != DBFGetRecordCount(job.table.get())) {
    messages.Add("the shapefile and its table hold different numbers of records");
    return messages.Finish(IE_RESULT_BAD_FILE);
  }
  job.decoder = std::make_unique<CDbfTextDecoder>(DBFGetCodePage(job.table.get()));
  job.geographic =
      m_pData->GetCoordinateSystem().m_nKind == qel_ie_cs_utils::CCoordinateSystemInfo::GEOGRAPHIC;
  job.notesFolder = FindNotesFolder(base, u"Notes");

  CQelString codeName = IEUtils::ExtractFileNameWithoutExtFromPathName(m_strFileName);
  for (const char16_t* suffix : {u"_POINTS", u"_POLYLINES", u"_POLYGONS"}) codeName.Replace(suffix, u"");
  auto code = std::unique_ptr<CIECodeDescription>(new CIECodeDescription(codeName));
  if (!code) return messages.Finish(IE_RESULT_OUT_OF_MEMORY);
  m_fieldNames.clear();
  int fieldCount = DBFGetFieldCount(job.table.get());
  for (int i = 0; i < fieldCount; ++i) {
    char name[XBASE_FLDNAME_LEN_READ + 1] = {};
    int width = 0, decimals = 0;
    DBFGetFieldInfo(job.table.get(), i, name, &width, &decimals);
    TColumn column;
    column.type = DBFGetNativeFieldType(job.table.get(), i);
    column.decimals = decimals;
    CQelString fieldName = job.decoder->Decode(name);
    column.role = RoleOf(fieldName);
    m_fieldNames.push_back(fieldName);
    job.columns.push_back(column);
    if (column.role != COLUMN_ATTRIBUTE) continue;
    CIEAttrDescription* attr = new CIEAttrDescription(fieldName);
    if (!attr) return messages.Finish(IE_RESULT_OUT_OF_MEMORY);
    attr->SetType(AttributeTypeOf(column.type, decimals));
    attr->m_nFracLength = decimals;
    code->AddAttrDescription(attr);
  }
  code->SetCodeType(CodeTypeOf(headerType, code->GetCodeType()));

  CIEDataDictionary* dictionary = m_pData->GetIEDataDictionary();
  CIECodeDescription* held = dictionary ? dictionary->FindCodeDiscription(codeName) : nullptr;
  if (held && SameAttributes(*held, *code)) {
    job.code = held;
  } else if (held) {
    // Columns that differ from the earlier file's: the new description takes the name, and the
    // dictionary keeps the earlier one alive for the objects that use it.
    job.code = code.release();
    dictionary->AddCodeDescription(job.code);
  } else {
    job.code = code.release();
    m_pData->AddCodeToIEDataDictionary(job.code);
  }
  return messages.Finish(ImportShapes(job));
}

EIEResult CShapeImporter::ImportShapes(TJob& job) const {
  int shapeCount = 0;
  SHPGetInfo(job.shapes.get(), &shapeCount, nullptr, nullptr, nullptr);
  std::vector<CIEObject*> objects;
  objects.reserve(static_cast<size_t>(shapeCount > 0 ? shapeCount : 0));
  auto dropAll = [&objects] {
    for (CIEObject* object : objects) delete object;
    objects.clear();
  };
  for (int i = 0; i < shapeCount; ++i) {
    if (CIEData::m_bStopProcess.load()) break;
    std::unique_ptr<SHPObject, TObjectDeleter> shape(shape_lib::ReadShape(job.shapes.get(), i));
    if (!shape || !shape_lib::IsShapeConsistent(shape.get())) {
      dropAll();
      job.messages->Add(("record " + std::to_string(i + 1) + " is damaged").c_str());
      return IE_RESULT_BAD_FILE;
    }
    int type = shape->nSHPType;
    bool hasZ = HasZ(type);
    bool isPoint = type == SHPT_POINT || type == SHPT_POINTZ || type == SHPT_POINTM;
    bool isLine = type == SHPT_ARC || type == SHPT_ARCZ || type == SHPT_ARCM;
    bool isArea = type == SHPT_POLYGON || type == SHPT_POLYGONZ || type == SHPT_POLYGONM;
    if (!isPoint && !isLine && !isArea) continue;
    if ((isPoint && shape->nVertices < 1) || (hasZ && shape->nVertices > 0 && !shape->padfZ)) {
      dropAll();
      job.messages->Add(("record " + std::to_string(i + 1) + " is damaged").c_str());
      return IE_RESULT_BAD_FILE;
    }
    auto makeStation = [&](int v) {
      double X = shape->padfX[v], Y = shape->padfY[v], Z = hasZ ? shape->padfZ[v] : 0.0;
      CIEStation station;
      const TCrossLinkRecord* link = m_links.Find(X, Y, Z, hasZ);
      if (link) {
        station.SetName(link->station.GetName());
        station.SetStationType(link->station.GetStationType());
      }
      station.x = job.geographic ? Y : IEUtils::ToMetersFactor(Y, m_eImportUnit);
      station.y = job.geographic ? X : IEUtils::ToMetersFactor(X, m_eImportUnit);
      if (!hasZ || (link && !link->heightDefined))
        station.SetHeightUndefined();
      else
        station.z = link ? UnitCodeToMeters(Z, link->unitCode) : IEUtils::ToMetersFactor(Z, m_eImportUnit);
      return station;
    };
    CIEObject* object = nullptr;
    if (isPoint) {
      CIEDesignPoint* point = new CIEDesignPoint;
      if (point) point->SetStation(makeStation(0));
      object = point;
    } else {
      CIEPolyLine* line = isLine ? new CIEPolyLine(false) : new CIEArea(false);
      if (line) {
        line->ReserveStations(shape->nVertices);
        for (int v = 0; v < shape->nVertices; ++v) line->AddStation(makeStation(v));
      }
      object = line;
    }
    if (!object) {
      dropAll();
      return IE_RESULT_OUT_OF_MEMORY;
    }
    objects.push_back(object);
    if (!FillCodeValues(job, i, *object)) {
      dropAll();
      return IE_RESULT_OUT_OF_MEMORY;
    }
  }
  CIEDataset* dataset = m_pData->GetCurDataset();
  dataset->Reserve(dataset->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false) +
                   static_cast<int>(objects.size()));
  for (CIEObject* object : objects) dataset->Add(object);
  return IE_RESULT_OK;
}

bool CShapeImporter::FillCodeValues(const TJob& job, int record, CIEObject& object) const {
  std::unique_ptr<CIECodeValues> values(new CIECodeValues(job.code));
  if (!values) return false;
  std::unique_ptr<CIEPhotoNotes> notes;
  CIEPhotoNote* currentNote = nullptr;
  int attribute = 0;
  for (size_t c = 0; c < job.columns.size(); ++c) {
    const TColumn& column = job.columns[c];
    const int field = static_cast<int>(c);
    switch (column.role) {
      case COLUMN_OBJNAME: {
        CQelString name = job.Text(record, field);
        name.Trim();
        object.SetName(name);
        break;
      }
      case COLUMN_CODEDESC: {
        CQelString text = job.Text(record, field);
        text.Trim();
        job.code->SetDescCodeName(text);
        break;
      }
      case COLUMN_IMAGE: {
        CQelString text = job.Text(record, field);
        text.Trim();
        currentNote = nullptr;
        if (text.IsEmpty()) break;
        if (!notes) notes.reset(new CIEPhotoNotes);
        CIEPhotoNote* note = notes ? new CIEPhotoNote : nullptr;
        if (!note) return false;
        note->SetFileName(job.notesFolder + CQelString(u"/") +
                          FileFuncs::ExtractFileNameWithExtFromPathName(text));
        notes->AddPhotoNote(note);
        currentNote = note;
        break;
      }
      case COLUMN_AZIMUTH:
      case COLUMN_TILT_X:
      case COLUMN_TILT_Y: {
        double value = 0.0;
        ParseLeadingDouble(job.Raw(record, field), value);
        if (currentNote)
          currentNote->SetData(column.role == COLUMN_AZIMUTH  ? CIEPhotoNote::PHOTO_AZIMUTH
                               : column.role == COLUMN_TILT_X ? CIEPhotoNote::PHOTO_TILT_X
                                                              : CIEPhotoNote::PHOTO_TILT_Y,
                               value);
        break;
      }
      case COLUMN_ATTRIBUTE: {
        const CIEAttrDescription* attr = job.code->GetAttrDescriptionAt(attribute++);
        CIEAttrDescription::EAttributeType type =
            attr ? attr->GetType() : AttributeTypeOf(column.type, column.decimals);
        // Asking for the null mark reads the field again: done first, and only where it counts.
        const bool nullMarked = TellsNull(type) && DBFIsAttributeNULL(job.table.get(), record, field);
        const char* raw = job.Raw(record, field);
        values->AddAttr(AttributeText(type, column.decimals, raw, nullMarked || !*raw, *job.decoder));
        break;
      }
    }
  }
  object.AddCode(values.release());
  if (notes) object.SetPhotoNotes(notes.release());
  return true;
}
