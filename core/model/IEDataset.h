// CIEDataset: one named collection of job content: the main list of drawable objects, object
// lists, named arrays of design points, the extent and the settings of the imported file. It owns
// everything handed to it and deletes it when it is destroyed.
#pragma once

#include "IEDatasetProperties.h"
#include "IEDefs.h"
#include "IEHashMapByName.h"
#include "IEInterfaces.h"
#include "IEJobInfo.h"
#include "IEObject.h"
#include "IEObjectList.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIECodeDescription;
class CIEDesignPoint;
class CIELayer;

// A named array of design points that live in the dataset's main list.
typedef qel_templ::CQelArray<const CIEDesignPoint*> CIEDesignPointsArray;

class CIEDataset : public IIENameInterface {
 public:
  // initialSize null entries start the main list; the name index makes FindObject a hash lookup.
  explicit CIEDataset(const CQelString& name, int initialSize = 0, bool useNameIndex = false);
  // A dataset owns its content and is never copied.
  CIEDataset(const CIEDataset&) = delete;
  CIEDataset& operator=(const CIEDataset&) = delete;
  ~CIEDataset() override;

  void SetName(const CQelString& name) override { m_strName = name; }
  const CQelString& GetName() const override { return m_strName; }

  // Main object list.
  // Takes the object (null is ignored), notes whether it has codes and indexes it by name.
  void Add(CIEObject* object);
  // The entry, possibly null; null for an index outside the list.
  const CIEObject* GetObjectAt(int index) const {
    return m_objects.IsValidIndex(index) ? m_objects[index] : nullptr;
  }
  CIEObject* GetObjectAt(int index) { return m_objects.IsValidIndex(index) ? m_objects[index] : nullptr; }
  // Makes room for count entries in all, so that an importer that knows how many objects follow
  // grows the list once instead of step by step.
  void Reserve(int count) { m_objects.Reserve(count); }
  // Takes the entry out of the list without deleting it: the caller owns it now.
  bool RemoveObject(int index);
  // The first object of that name and kind (-1: any kind). With the name index the index answers
  // for every kind but sheet points.
  const CIEObject* FindObject(const CQelString& name, int kind) const;
  CIEObject* FindObject(const CQelString& name, int kind);
  // Entries by kind (-1: all entries) and state (STATE_ANY: every state); points or lines alone
  // count their group whatever the kind.
  int GetNumberOfElements(int kind, IIEStateInterface::ECurrentState state, bool points, bool lines) const;
  // Active objects of the kind on the layer; a full-circle arc counts twice.
  int GetNumberOfElementsWithTheLayer(const CIELayer* layer, int kind) const;
  // Active arcs on the layer: the result counts segments (2 for a full circle), counter the arcs.
  int GetNumberOfSeparatedArcsWithTheLayer(const CIELayer* layer, int& counter) const;
  // Straight segments of the layer's polylines; curved ones are added to counter.
  int GetNumberOfSegmentsWithTheLayer(const CIELayer* layer, int& counter) const;
  bool IsCodesExist() const { return m_bCodesExist; }
  bool IsObjectWithoutCodes() const { return m_bObjectWithoutCodes; }
  // True when some object carries a code of the description's name.
  bool IsCodeDefinitionUsed(const CIECodeDescription* desc) const;
  // Adds to target a clone of every object that carries the code, with that code alone.
  void CopyIEObjectsWithTheCodeToTheNewDataset(CIEDataset* target, const CQelString& codeName) const;
  // For a dataset that is deleted next, so that a split need not clone what it hands on: an object
  // that carries this code alone moves to target, the others are cloned as above. The entry of a
  // moved object becomes null, and the name index is dropped.
  void MoveIEObjectsWithTheCodeToTheNewDataset(CIEDataset* target, const CQelString& codeName);
  // Likewise for the objects without codes: every one of them moves to target.
  void MoveIEObjectsWithoutCodesToTheNewDataset(CIEDataset* target);
  // Replaces every sheet point by one design point per station, appended at the end.
  void TransformStationsToPoints();
  // The largest integer name among the objects whose kind bit is in kinds (0 when none);
  // counter is increased for every other name.
  int GetMaxNumericObjectName(TIEMask kinds, int& counter) const;

  // Object lists: a list whose name is already held is not taken (false); it stays the caller's.
  bool AddObjectList(CIEObjectList* list);
  const CIEObjectList* GetObjectListAt(int index) const;
  CIEObjectList* GetObjectListAt(int index);
  int GetNumberOfObjectLists() const { return m_objectLists.GetSize(); }
  CIEObjectList* FindObjectListByName(const CQelString& name) const;

  // Points arrays by name: the array is owned (not the points); an array held under the same
  // name before is deleted.
  void AddPointsArray(const CQelString& name, CIEDesignPointsArray* points);
  CIEDesignPointsArray* FindPointsArray(const CQelString& name) const;
  int GetNumberOfPointsArrays() const { return static_cast<int>(m_pointsArrays.GetCount()); }
  // Iteration in unspecified order; the position is null when there is none and after the last.
  qel_templ::QelTemplPosition GetStartPositionOfPointsArrayMap() const {
    return m_pointsArrays.GetStartPosition();
  }
  const CIEDesignPointsArray* GetNextPointsArray(qel_templ::QelTemplPosition& pos) const;
  CIEDesignPointsArray* GetNextPointsArray(qel_templ::QelTemplPosition& pos, CQelString& name);

  // Settings of the file the dataset was imported from.
  const TIEJobInfo& GetImportedFileSettings() const { return *m_pImportedFileSettings; }
  TIEJobInfo& GetImportedFileSettings() { return *m_pImportedFileSettings; }

  // Extent: the non-const getter creates default properties when there are none, the const one
  // answers what is held, possibly null.
  CIEDatasetProperties* GetIEDatasetProperties();
  const CIEDatasetProperties* GetIEDatasetProperties() const { return m_pProperties; }
  // Takes the properties; those held before are deleted.
  void SetIEDatasetProperties(CIEDatasetProperties* props);
  void UpdateMinMax(const CIEPosition3D& pos);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  typedef CIEHashMapByName<CIEObject*> CNameIndex;

  // Drops the index entries that lead to object, then lets the last remaining object of the same
  // name take its place.
  void UnindexObject(const CIEObject* object);
  static bool IsIndexed(const CIEObject* object) { return object->GetType() != IE_SHEET_POINT; }

  // Members in the order the holdings of the dataset are laid out and destroyed.
  CQelString m_strName;
  CIEDatasetProperties* m_pProperties = nullptr;
  TIEJobInfo* m_pImportedFileSettings = nullptr;
  qel_templ::CQelArray<CIEObject*> m_objects;
  qel_templ::CQelArray<CIEObjectList*> m_objectLists;
  CIEHashMapByName<CIEDesignPointsArray*> m_pointsArrays;
  bool m_bCodesExist = false;
  bool m_bObjectWithoutCodes = false;
  CNameIndex* m_pNameIndex = nullptr;
};
