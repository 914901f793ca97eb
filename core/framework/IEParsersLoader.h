// CIEParsersLoader: the host's entry into running an exchange. It owns the job's data root, binds
// the plug-in library that a format names, and runs imports and exports on the caller's thread or
// on a worker thread that announces its end with a registered window message.
#pragma once

#include "IEDefs.h"
#include "QelAlloc.h"
#include "qel_text.h"

class CIEData;
class CIEFormat;
class CWinThread;
struct TIESettings;

// What one job needs; made for every job and freed by the job's routine at its end.
struct TIEParserJob {
  CIEData* m_pData = nullptr;
  CQelString m_strFileName;
  const CIEFormat* m_pFormat = nullptr;
  void* m_pEntry = nullptr;
  bool m_bNotify = false;

  QEL_DECLARE_SHARED_ALLOCATION()
};

class CIEParsersLoader {
 public:
  CIEParsersLoader() = default;
  CIEParsersLoader(const CIEParsersLoader&) = delete;
  CIEParsersLoader& operator=(const CIEParsersLoader&) = delete;
  // Deletes the data root, then unloads the bound library.
  virtual ~CIEParsersLoader();

  // Creates the data root from the settings unless the loader has one already.
  void InitIEData(const TIESettings& settings);
  CIEData* GetIEData() const { return m_pData; }

  bool LoadImporter(const CIEFormat* format);
  bool LoadExporter(const CIEFormat* format);

  // A null data argument stands for the loader's own data root.
  EIEResult ImportInTheSameThread(const CQelString& fileName, const CIEFormat* format, CIEData* data);
  EIEResult ExportInTheSameThread(const CQelString& fileName, const CIEFormat* format, CIEData* data);
  // Start the job on a worker thread and return at once. The caller owns the returned thread
  // (automatic deletion is off): it may wait on it, read its exit code (the job's EIEResult) and
  // must delete it. Null when the plug-in or the data is missing or no thread can be made.
  CWinThread* StartImportInSeparateThread(const CQelString& fileName, const CIEFormat* format, CIEData* data);
  CWinThread* StartExportInSeparateThread(const CQelString& fileName, const CIEFormat* format, CIEData* data);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  bool LoadEntry(const CIEFormat* format, bool exporter);
  // Unloads the bound library and forgets both entries, which belong to it.
  void DetachCurrentParser();
  // Prepares a job record, or gives null with the reason in result.
  TIEParserJob* PrepareJob(const CQelString& fileName, const CIEFormat* format, CIEData* data, bool exporter,
                           bool notify);
  CWinThread* StartJob(const CQelString& fileName, const CIEFormat* format, CIEData* data, bool exporter);

  void* m_hLibrary = nullptr;
  void* m_pExporterEntry = nullptr;
  void* m_pImporterEntry = nullptr;
  CQelString m_strLibraryName;
  CIEData* m_pData = nullptr;
};
