#include "IEData.h"

#include "IEUtils.h"

std::atomic<bool> CIEData::m_bStopProcess{false};

namespace {
// Takes value into holder, deleting what it held; null keeps what is held.
template <class T>
void Attach(T*& holder, T* value) {
  if (!value || value == holder) return;
  delete holder;
  holder = value;
}

template <class T>
T* GetOrCreate(T*& holder) {
  if (!holder) holder = new T();
  return holder;
}

// A new dataset for a split, with the source's extent.
CIEDataset* SplitTarget(const CQelString& name, const CIEDataset& source) {
  auto* target = new CIEDataset(name, 0, false);
  if (!target) return nullptr;
  if (const CIEDatasetProperties* props = source.GetIEDatasetProperties())
    target->SetIEDatasetProperties(new CIEDatasetProperties(*props));
  return target;
}
}  // namespace

CIEData::CIEData(const TIESettings& settings) : m_settings(settings) {}

CIEData::~CIEData() {
  for (CIEDataset* dataset : m_datasets) delete dataset;
  delete m_pDataDictionary;
  delete m_pDrawDictionary;
}

void CIEData::AddDataset(CIEDataset* dataset) {
  if (dataset) m_datasets.Add(dataset);
}

const CIEDataset* CIEData::GetDatasetAt(int index) const {
  return m_datasets.IsValidIndex(index) ? m_datasets[index] : nullptr;
}

CIEDataset* CIEData::GetDatasetAt(int index) {
  return m_datasets.IsValidIndex(index) ? m_datasets[index] : nullptr;
}

int CIEData::GetNumberOfObjectsInAllDatasets() const {
  int total = 0;
  for (const CIEDataset* dataset : m_datasets)
    if (dataset) total += dataset->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false);
  return total;
}

void CIEData::SetCurDataset(int index) {
  if (m_datasets.IsValidIndex(index)) m_nCurDataset = index;
}

const CIEDataset* CIEData::GetCurDataset() const { return GetDatasetAt(m_nCurDataset); }

CIEDataset* CIEData::GetCurDataset() {
  if (!m_datasets.IsValidIndex(m_nCurDataset)) {
    m_nCurDataset = 0;
    if (m_datasets.IsEmpty()) AddDataset(new CIEDataset(u"STOPGAP", 0, false));
  }
  return GetDatasetAt(m_nCurDataset);
}

void CIEData::AttachIEDataDictionary(CIEDataDictionary* dict) { Attach(m_pDataDictionary, dict); }

void CIEData::AttachIELayars(CIEDrawDictionary* dict) { Attach(m_pDrawDictionary, dict); }

CIEDataDictionary* CIEData::GetIEDataDictionary() { return GetOrCreate(m_pDataDictionary); }

CIEDrawDictionary* CIEData::GetIEDrawDictionary() { return GetOrCreate(m_pDrawDictionary); }

bool CIEData::AddCodeToIEDataDictionary(CIECodeDescription* desc) {
  if (!desc) return false;
  CIEDataDictionary* dict = GetIEDataDictionary();
  if (!dict || dict->FindCodeDiscription(desc->GetName())) return false;
  dict->AddCodeDescription(desc);
  return true;
}

void CIEData::AddFileNameToExported(const CQelString& name) {
  if (!IEUtils::IsStringInStringArray(m_exportedFileNames, name)) m_exportedFileNames.Add(name);
}

bool CIEData::SplitDatasetsByCodes(bool allowed) {
  if (!allowed || m_datasets.IsEmpty()) return false;
  if (!m_settings.HasDataType(POINTS) && !m_settings.HasDataType(LINES) && !m_settings.HasDataType(AREAS) &&
      !m_settings.HasDataType(POINT_LISTS))
    return false;
  const qel_templ::CQelArray<CIEDataset*> sources(m_datasets);
  for (CIEDataset* dataset : sources) {
    if (!dataset || !dataset->IsCodesExist() ||
        dataset->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false) == 0)
      continue;
    SplitDataset(*dataset, dataset);
    for (int i = 0; i < m_datasets.GetSize(); ++i) {
      if (m_datasets[i] == dataset) {
        m_datasets.RemoveAt(i);
        break;
      }
    }
    delete dataset;
  }
  return true;
}

void CIEData::SplitDatasetByCodes(const CIEDataset* dataset) {
  if (dataset) SplitDataset(*dataset, nullptr);
}

void CIEData::SplitDataset(const CIEDataset& dataset, CIEDataset* consumed) {
  if (CIEDataDictionary* dict = m_pDataDictionary) {
    dict->Reset();
    while (const CIECodeDescription* desc = dict->GetNextCodeDescription()) {
      if (!dataset.IsCodeDefinitionUsed(desc)) continue;
      CIEDataset* target = SplitTarget(desc->GetName(), dataset);
      if (!target) continue;
      // The dictionary holds each name once: an object with one code is wanted by this pass alone.
      if (consumed)
        consumed->MoveIEObjectsWithTheCodeToTheNewDataset(target, desc->GetName());
      else
        dataset.CopyIEObjectsWithTheCodeToTheNewDataset(target, desc->GetName());
      AddDataset(target);
    }
  }
  if (!dataset.IsObjectWithoutCodes()) return;
  CIEDataset* target = SplitTarget(dataset.GetName(), dataset);
  if (!target) return;
  if (consumed) {
    consumed->MoveIEObjectsWithoutCodesToTheNewDataset(target);
  } else {
    const int entries = dataset.GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false);
    for (int i = 0; i < entries; ++i) {
      const CIEObject* object = dataset.GetObjectAt(i);
      if (object && object->GetNumberOfCodes() == 0) target->Add(object->clone());
    }
  }
  AddDataset(target);
}
