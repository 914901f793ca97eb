// CIEData: the root of one exchange job: the host's settings, the job info, the coordinate
// system, the datasets with the current one, the dictionaries shared by all datasets and the
// files an export has written. It owns its datasets and dictionaries.
#pragma once

#include <atomic>

#include "IECoordinateSystemInfo.h"
#include "IEDataDictionary.h"
#include "IEDataset.h"
#include "IEDrawDictionary.h"
#include "IEJobInfo.h"
#include "IESettings.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIEData {
 public:
  explicit CIEData(const TIESettings& settings);
  // The root owns a job's whole content and is never copied.
  CIEData(const CIEData&) = delete;
  CIEData& operator=(const CIEData&) = delete;
  // Deletes every dataset, then the dictionaries.
  virtual ~CIEData();

  // Set by the host to ask a running job to stop; jobs read it between steps.
  static std::atomic<bool> m_bStopProcess;

  // Datasets: appended and owned (null is ignored).
  void AddDataset(CIEDataset* dataset);
  const CIEDataset* GetDatasetAt(int index) const;
  CIEDataset* GetDatasetAt(int index);
  int GetNumberOfDatasets() const { return m_datasets.GetSize(); }
  // Entries of every dataset's main list, null entries included.
  int GetNumberOfObjectsInAllDatasets() const;

  // Kept only for an existing dataset.
  void SetCurDataset(int index);
  int GetCurDatasetID() const { return m_nCurDataset; }
  // The current dataset, or null when the index is outside the list.
  const CIEDataset* GetCurDataset() const;
  // The current dataset; an index outside the list falls back to the first dataset, and an empty
  // root gets a dataset named "STOPGAP" first.
  CIEDataset* GetCurDataset();

  // Attaching takes ownership and deletes the dictionary held before; null changes nothing.
  void AttachIEDataDictionary(CIEDataDictionary* dict);
  void AttachIELayars(CIEDrawDictionary* dict);
  // The non-const getters create an empty dictionary when there is none; the const ones answer
  // what is held, possibly null.
  CIEDataDictionary* GetIEDataDictionary();
  const CIEDataDictionary* GetIEDataDictionary() const { return m_pDataDictionary; }
  CIEDrawDictionary* GetIEDrawDictionary();
  const CIEDrawDictionary* GetIEDrawDictionary() const { return m_pDrawDictionary; }
  // Takes the description unless one of the same name is held; then it stays the caller's and
  // the answer is false. Null is ignored.
  bool AddCodeToIEDataDictionary(CIECodeDescription* desc);

  void SetSettings(const TIESettings& settings) { m_settings = settings; }
  const TIESettings& GetSettings() const { return m_settings; }
  void SetJobInfo(const TIEJobInfo& info) { m_jobInfo = info; }
  const TIEJobInfo& GetJobInfo() const { return m_jobInfo; }
  void SetCoordinateSystem(const qel_ie_cs_utils::CCoordinateSystemInfo& cs) { m_coordinateSystem = cs; }
  const qel_ie_cs_utils::CCoordinateSystemInfo& GetCoordinateSystem() const { return m_coordinateSystem; }

  // Files written by the export, each once; a stopped export deletes them.
  void AddFileNameToExported(const CQelString& name);
  const qel_templ::CQelArray<CQelString>& GetExportedFileNames() const { return m_exportedFileNames; }

  // For formats that write one file per dataset: replaces every dataset that holds coded objects
  // by one dataset per code it uses plus one for its uncoded objects. False when nothing was
  // done (not allowed, no dataset, or no point, line, area or point-list data in the job).
  bool SplitDatasetsByCodes(bool allowed);
  // Appends the datasets split from dataset to the root; dataset itself is left as it is.
  void SplitDatasetByCodes(const CIEDataset* dataset);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  // The split of one dataset. consumed is the same dataset when it is deleted right after: objects
  // that go to one new dataset only are then moved there instead of being cloned.
  void SplitDataset(const CIEDataset& dataset, CIEDataset* consumed);

  // Members in the order the holdings of the root are laid out and destroyed.
  TIESettings m_settings;
  TIEJobInfo m_jobInfo;
  qel_ie_cs_utils::CCoordinateSystemInfo m_coordinateSystem;
  qel_templ::CQelArray<CIEDataset*> m_datasets;
  int m_nCurDataset = 0;
  CIEDataDictionary* m_pDataDictionary = nullptr;
  CIEDrawDictionary* m_pDrawDictionary = nullptr;
  qel_templ::CQelArray<CQelString> m_exportedFileNames;
};
