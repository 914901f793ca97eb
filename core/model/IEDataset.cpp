#include "IEDataset.h"

#include <climits>

#include "IEArc.h"
#include "IECodeDescription.h"
#include "IEDesignPoint.h"
#include "IEPolyLine.h"
#include "IESheetPoint.h"
#include "IEUtils.h"
#include "qel_formats.h"

namespace {
// Room the main list keeps from the start, so that small imports never grow it.
const int kInitialObjectsCapacity = 1024;

bool IsPointKind(int kind) {
  return kind == IE_DESIGN_POINT || kind == IE_PTL_POINT || kind == IE_GPS_POINT || kind == IE_SHEET_POINT;
}

// Lines as drawing outputs count them; areas are counted on their own.
bool IsLineKind(int kind) { return kind == IE_POLYLINE || kind == IE_BREAKLINE || kind == IE_ARC; }

bool MatchesState(const CIEObject* object, IIEStateInterface::ECurrentState state) {
  return state == IIEStateInterface::STATE_ANY || object->GetStateType() == state;
}

// A clone of the object with this code as its only code; null when it cannot be made.
CIEObject* CloneWithCode(const CIEObject& object, const CIECodeValues& code) {
  CIEObject* copy = object.clone();
  if (!copy) return nullptr;
  copy->RemoveAllCodes();
  copy->AddCode(new CIECodeValues(code));
  return copy;
}

bool IsFullCircle(const CIEArc* arc) {
  return arc->GetData(CIEArc::ARC_START_ANGLE) == arc->GetData(CIEArc::ARC_END_ANGLE);
}

// Name of the design point made from station j of a sheet point: the station's own name, unless
// a later station has none or repeats the sheet point's name.
CQelString SheetStationPointName(const CQelString& sheetName, const CQelString& stationName, int j) {
  if (j == 0 || !(stationName.IsEmpty() || stationName == sheetName)) return stationName;
  CQelString name = sheetName + u"_st";
  if (j >= 2) name += qel_formats::IntToString(j - 1);
  return name;
}
}  // namespace

CIEDataset::CIEDataset(const CQelString& name, int initialSize, bool useNameIndex)
    : m_strName(name), m_pImportedFileSettings(new TIEJobInfo()) {
  m_objects.Reserve(initialSize > kInitialObjectsCapacity ? initialSize : kInitialObjectsCapacity);
  m_objects.SetSize(initialSize);
  if (useNameIndex) m_pNameIndex = new CNameIndex();
}

CIEDataset::~CIEDataset() {
  delete m_pImportedFileSettings;
  delete m_pNameIndex;
  delete m_pProperties;
  for (CIEObject* object : m_objects) delete object;
  for (CIEObjectList* list : m_objectLists) delete list;
  for (auto pos = m_pointsArrays.GetStartPosition(); pos;) delete m_pointsArrays.GetNextAssoc(pos);
}

void CIEDataset::Add(CIEObject* object) {
  if (!object) return;
  if (object->GetNumberOfCodes() > 0)
    m_bCodesExist = true;
  else
    m_bObjectWithoutCodes = true;
  m_objects.Add(object);
  if (m_pNameIndex && IsIndexed(object)) m_pNameIndex->SetAt(object->GetName(), object);
}

bool CIEDataset::RemoveObject(int index) {
  if (!m_objects.IsValidIndex(index)) return false;
  CIEObject* object = m_objects[index];
  m_objects.RemoveAt(index);
  if (object && m_pNameIndex && IsIndexed(object)) UnindexObject(object);
  return true;
}

void CIEDataset::UnindexObject(const CIEObject* object) {
  const CQelString& name = object->GetName();
  CIEObject* const* found = m_pNameIndex->Find(name);
  if (found && *found == object) {
    m_pNameIndex->RemoveKey(name);
  } else {
    // Renamed after it was added: find the entry by its value.
    for (auto pos = m_pNameIndex->GetStartPosition(); pos;) {
      const CQelString* key = nullptr;
      if (m_pNameIndex->GetNextAssoc(pos, &key) == object) {
        CQelString oldName = *key;
        m_pNameIndex->RemoveKey(oldName);
        return;
      }
    }
    return;
  }
  for (int i = m_objects.GetSize() - 1; i >= 0; --i) {
    CIEObject* other = m_objects[i];
    if (other && IsIndexed(other) && other->GetName() == name) {
      m_pNameIndex->SetAt(name, other);
      return;
    }
  }
}

const CIEObject* CIEDataset::FindObject(const CQelString& name, int kind) const {
  if (m_pNameIndex && kind != IE_SHEET_POINT) {
    CIEObject* const* found = m_pNameIndex->Find(name);
    return found ? *found : nullptr;
  }
  for (const CIEObject* object : m_objects)
    if (object && (kind == -1 || object->GetType() == kind) && object->GetName() == name) return object;
  return nullptr;
}

CIEObject* CIEDataset::FindObject(const CQelString& name, int kind) {
  return const_cast<CIEObject*>(static_cast<const CIEDataset*>(this)->FindObject(name, kind));
}

int CIEDataset::GetNumberOfElements(int kind, IIEStateInterface::ECurrentState state, bool points,
                                    bool lines) const {
  const int entries = m_objects.GetSize();
  if (points && lines) return entries;
  if (!points && !lines) {
    if (kind == -1) return entries;
    if (kind < 0 || kind > IE_ARC) return 0;
  }
  int count = 0;
  for (const CIEObject* object : m_objects) {
    if (!object || !MatchesState(object, state)) continue;
    const int type = object->GetType();
    if (points ? IsPointKind(type) : lines ? IsLineKind(type) : type == kind) ++count;
  }
  return count;
}

int CIEDataset::GetNumberOfElementsWithTheLayer(const CIELayer* layer, int kind) const {
  int count = 0;
  for (const CIEObject* object : m_objects) {
    if (!object || object->GetLayer() != layer || object->GetType() != kind ||
        object->GetStateType() != IIEStateInterface::STATE_ACTIVE)
      continue;
    count += kind == IE_ARC && IsFullCircle(static_cast<const CIEArc*>(object)) ? 2 : 1;
  }
  return count;
}

int CIEDataset::GetNumberOfSeparatedArcsWithTheLayer(const CIELayer* layer, int& counter) const {
  int count = 0;
  for (const CIEObject* object : m_objects) {
    if (!object || object->GetLayer() != layer || object->GetType() != IE_ARC ||
        object->GetStateType() != IIEStateInterface::STATE_ACTIVE)
      continue;
    ++counter;
    count += IsFullCircle(static_cast<const CIEArc*>(object)) ? 2 : 1;
  }
  return count;
}

int CIEDataset::GetNumberOfSegmentsWithTheLayer(const CIELayer* layer, int& counter) const {
  int count = 0;
  for (const CIEObject* object : m_objects) {
    if (!object || object->GetLayer() != layer || object->GetType() != IE_POLYLINE ||
        object->GetStateType() == IIEStateInterface::STATE_INACTIVE)
      continue;
    const auto* line = static_cast<const CIEPolyLine*>(object);
    const int n = line->GetNumberOfStations();
    if (n == 0) continue;
    for (int i = 0; i < n; ++i) {
      if (line->GetStation(i).GetBulge() == 0.0)
        ++count;
      else
        ++counter;
    }
    // An open line has no segment after its last vertex.
    if (!line->IsClosed()) {
      if (line->GetStation(n - 1).GetBulge() == 0.0)
        --count;
      else
        --counter;
    }
  }
  return count;
}

bool CIEDataset::IsCodeDefinitionUsed(const CIECodeDescription* desc) const {
  if (!desc) return false;
  for (const CIEObject* object : m_objects)
    if (object && object->FindCode(desc->GetName(), false)) return true;
  return false;
}

void CIEDataset::CopyIEObjectsWithTheCodeToTheNewDataset(CIEDataset* target,
                                                         const CQelString& codeName) const {
  if (!target) return;
  for (const CIEObject* object : m_objects) {
    const CIECodeValues* code = object ? object->FindCode(codeName, false) : nullptr;
    if (code) target->Add(CloneWithCode(*object, *code));
  }
}

void CIEDataset::MoveIEObjectsWithTheCodeToTheNewDataset(CIEDataset* target, const CQelString& codeName) {
  if (!target) return;
  // The index would lead to objects that the dataset no longer holds.
  delete m_pNameIndex;
  m_pNameIndex = nullptr;
  for (CIEObject*& object : m_objects) {
    const CIECodeValues* code = object ? object->FindCode(codeName, false) : nullptr;
    if (!code) continue;
    if (object->GetNumberOfCodes() > 1) {
      target->Add(CloneWithCode(*object, *code));
      continue;
    }
    target->Add(object);
    object = nullptr;
  }
}

void CIEDataset::MoveIEObjectsWithoutCodesToTheNewDataset(CIEDataset* target) {
  if (!target) return;
  delete m_pNameIndex;
  m_pNameIndex = nullptr;
  for (CIEObject*& object : m_objects) {
    if (!object || object->GetNumberOfCodes() > 0) continue;
    target->Add(object);
    object = nullptr;
  }
}

void CIEDataset::TransformStationsToPoints() {
  for (int i = 0; i < m_objects.GetSize();) {
    CIEObject* object = m_objects[i];
    if (!object || object->GetType() != IE_SHEET_POINT) {
      ++i;
      continue;
    }
    RemoveObject(i);
    auto* sheet = static_cast<CIESheetPoint*>(object);
    for (int j = 0; j < sheet->GetNumberOfStations(); ++j) {
      const CIEOffsetStation* station = sheet->GetStation(j);
      if (!station) continue;
      auto* point = new CIEDesignPoint();
      if (!point) continue;
      const CQelString name = SheetStationPointName(sheet->GetName(), station->GetName(), j);
      point->SetStation(*station);
      // The name chosen above wins also over a station that repeats the sheet point's name.
      point->SetName(name);
      sheet->copyCodesData(point);
      Add(point);
    }
    delete sheet;
  }
}

int CIEDataset::GetMaxNumericObjectName(TIEMask kinds, int& counter) const {
  int maximum = 0;
  for (const CIEObject* object : m_objects) {
    if (!object || !(kinds & IEUtils::ToFlag(object->GetType()))) continue;
    const CQelString& name = object->GetName();
    if (!IEUtils::IsValidInteger(name)) {
      ++counter;
      continue;
    }
    // Names of more digits than an int holds count as the largest int.
    const long value = qel_formats::WideToLong(name);
    const int clamped = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
    if (clamped > maximum) maximum = clamped;
  }
  return maximum;
}

bool CIEDataset::AddObjectList(CIEObjectList* list) {
  if (!list || FindObjectListByName(list->GetName())) return false;
  m_objectLists.Add(list);
  return true;
}

const CIEObjectList* CIEDataset::GetObjectListAt(int index) const {
  return m_objectLists.IsValidIndex(index) ? m_objectLists[index] : nullptr;
}

CIEObjectList* CIEDataset::GetObjectListAt(int index) {
  return m_objectLists.IsValidIndex(index) ? m_objectLists[index] : nullptr;
}

CIEObjectList* CIEDataset::FindObjectListByName(const CQelString& name) const {
  for (CIEObjectList* list : m_objectLists)
    if (list->GetName() == name) return list;
  return nullptr;
}

void CIEDataset::AddPointsArray(const CQelString& name, CIEDesignPointsArray* points) {
  if (!points) return;
  CIEDesignPointsArray* old = nullptr;
  if (m_pointsArrays.SetAt(name, points, &old) && old != points) delete old;
}

CIEDesignPointsArray* CIEDataset::FindPointsArray(const CQelString& name) const {
  CIEDesignPointsArray* const* found = m_pointsArrays.Find(name);
  return found ? *found : nullptr;
}

const CIEDesignPointsArray* CIEDataset::GetNextPointsArray(qel_templ::QelTemplPosition& pos) const {
  return pos ? m_pointsArrays.GetNextAssoc(pos) : nullptr;
}

CIEDesignPointsArray* CIEDataset::GetNextPointsArray(qel_templ::QelTemplPosition& pos, CQelString& name) {
  if (!pos) return nullptr;
  const CQelString* key = nullptr;
  CIEDesignPointsArray* points = m_pointsArrays.GetNextAssoc(pos, &key);
  name = *key;
  return points;
}

CIEDatasetProperties* CIEDataset::GetIEDatasetProperties() {
  if (!m_pProperties) m_pProperties = new CIEDatasetProperties();
  return m_pProperties;
}

void CIEDataset::SetIEDatasetProperties(CIEDatasetProperties* props) {
  if (props == m_pProperties) return;
  delete m_pProperties;
  m_pProperties = props;
}

void CIEDataset::UpdateMinMax(const CIEPosition3D& pos) {
  if (CIEDatasetProperties* props = GetIEDatasetProperties()) props->UpdateBorders(pos);
}
