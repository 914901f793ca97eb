#include "IEParsersLoader.h"

#include "IEData.h"
#include "IEDataset.h"
#include "IEExporterImpl.h"
#include "IEFormat.h"
#include "IEImporterImpl.h"
#include "IEUtils.h"
#include "LibraryFuncs.h"
#include "WinFile.h"
#include "WinMessage.h"
#include "WinThread.h"

namespace {

void PostCompletion(const CIEData* data, const char16_t* messageName, EIEResult result) {
  unsigned message = RegisterWindowMessage(messageName);
  HWND target = data && data->GetSettings().m_hNotifyWnd ? data->GetSettings().m_hNotifyWnd : HWND_BROADCAST;
  PostMessage(target, message, 0, static_cast<LPARAM>(result));
}

// Runs one exporter made by the entry; IE_RESULT_NO_PARSER when the entry makes none.
EIEResult RunExporter(void* entry, CIEData* data, const CQelString& fileName, const CIEFormat* format) {
  CExporterImpl* exporter = reinterpret_cast<MakeExporterFunc>(entry)(data, fileName, format);
  if (!exporter) return IE_RESULT_NO_PARSER;
  EIEResult result = exporter->Export();
  delete static_cast<IIEExporterInterface*>(exporter);
  return result;
}

// One file per dataset, each named after its dataset. A failure of one dataset does not stop the
// others; once one has succeeded, later failures are not reported.
EIEResult RunMultiFileExport(TIEParserJob* job) {
  CIEData* data = job->m_pData;
  EIEResult overall = IE_RESULT_NOTHING_DONE;
  for (int i = 0; i < data->GetNumberOfDatasets(); ++i) {
    CIEDataset* dataset = data->GetDatasetAt(i);
    if (!dataset) continue;
    if (!IEUtils::IsValidFileName(dataset->GetName())) {
      overall = IE_RESULT_INVALID_NAMES;
      continue;
    }
    CQelString fileName = IEUtils::CreateFileName(job->m_strFileName, dataset->GetName(), true) +
                          job->m_pFormat->GetExtension(true);
    data->SetCurDataset(i);
    EIEResult step = RunExporter(job->m_pEntry, data, fileName, job->m_pFormat);
    if (overall < 0 && (step > 0 || step == IE_RESULT_STOPPED)) overall = step;
    if (overall == IE_RESULT_STOPPED) break;
  }
  return overall;
}

// Removes what a stopped export registered; a file that cannot be removed is left alone.
void RemoveExportedFiles(const CIEData* data) {
  const auto& names = data->GetExportedFileNames();
  for (int i = 0; i < names.GetSize(); ++i) {
    if (names[i].IsEmpty()) continue;
    try {
      CFile::Remove(names[i]);
    } catch (const CFileException&) {
    }
  }
}

// Runs a job record through its routine: the job itself when it has data and a format, then the
// completion message when the job runs on a worker thread. Frees the record; the result is also
// the thread's exit code.
template <class Job>
unsigned RunJobRecord(void* param, const char16_t* messageName, Job job) {
  TIEParserJob* record = static_cast<TIEParserJob*>(param);
  EIEResult result;
  if (!record->m_pData)
    result = IE_RESULT_FAILED;
  else if (!record->m_pFormat)
    result = IE_RESULT_NO_PARSER;
  else
    result = job(*record);
  if (record->m_bNotify) PostCompletion(record->m_pData, messageName, result);
  delete record;
  return static_cast<unsigned>(result);
}

unsigned ImportWorker(void* param) {
  return RunJobRecord(param, u"IMPORT_DATA_FINISHED", [](TIEParserJob& job) {
    CImporterImpl* importer =
        reinterpret_cast<MakeImporterFunc>(job.m_pEntry)(job.m_pData, job.m_strFileName, job.m_pFormat);
    if (!importer) return IE_RESULT_NO_PARSER;
    const EIEResult result = importer->Import();
    delete static_cast<IIEImporterInterface*>(importer);
    return result;
  });
}

unsigned ExportWorker(void* param) {
  return RunJobRecord(param, u"EXPORT_DATA_FINISHED", [](TIEParserJob& job) {
    const bool multiFile = job.m_pFormat->IsParameterSupported(CIEFormat::MULTIPLE_FILES_EXP) &&
                           job.m_pData->SplitDatasetsByCodes(true);
    const EIEResult result = multiFile
                                 ? RunMultiFileExport(&job)
                                 : RunExporter(job.m_pEntry, job.m_pData, job.m_strFileName, job.m_pFormat);
    if (result == IE_RESULT_STOPPED) RemoveExportedFiles(job.m_pData);
    return result;
  });
}

}  // namespace

CIEParsersLoader::~CIEParsersLoader() {
  delete m_pData;
  DetachCurrentParser();
}

void CIEParsersLoader::InitIEData(const TIESettings& settings) {
  if (!m_pData) m_pData = new CIEData(settings);
}

bool CIEParsersLoader::LoadImporter(const CIEFormat* format) { return LoadEntry(format, false); }
bool CIEParsersLoader::LoadExporter(const CIEFormat* format) { return LoadEntry(format, true); }

bool CIEParsersLoader::LoadEntry(const CIEFormat* format, bool exporter) {
  if (!format) return false;
  const CQelString name = format->GetDLLName(exporter);
  void*& entry = exporter ? m_pExporterEntry : m_pImporterEntry;
  const bool sameLibrary = m_hLibrary && m_strLibraryName == name;
  if (entry && sameLibrary) return true;
  if (m_hLibrary && !sameLibrary) DetachCurrentParser();
  void* found = nullptr;
  const bool ok = GetLibraryFunction(m_hLibrary, found, exporter ? "MakeExporter" : "MakeImporter", name);
  if (!ok || !found) return false;
  entry = found;
  m_strLibraryName = name;
  return true;
}

void CIEParsersLoader::DetachCurrentParser() {
  if (!m_hLibrary) return;
  FreeLibraryFunction(m_hLibrary);
  m_hLibrary = nullptr;
  m_pExporterEntry = nullptr;
  m_pImporterEntry = nullptr;
  m_strLibraryName.Empty();
}

TIEParserJob* CIEParsersLoader::PrepareJob(const CQelString& fileName, const CIEFormat* format, CIEData* data,
                                           bool exporter, bool notify) {
  LoadEntry(format, exporter);
  if (!data) data = m_pData;
  void* entry = exporter ? m_pExporterEntry : m_pImporterEntry;
  if (!data || !entry) return nullptr;
  TIEParserJob* job = new TIEParserJob;
  if (!job) return nullptr;
  job->m_pData = data;
  job->m_strFileName = fileName;
  job->m_pFormat = format;
  job->m_pEntry = entry;
  job->m_bNotify = notify;
  return job;
}

EIEResult CIEParsersLoader::ImportInTheSameThread(const CQelString& fileName, const CIEFormat* format,
                                                  CIEData* data) {
  TIEParserJob* job = PrepareJob(fileName, format, data, false, false);
  return job ? static_cast<EIEResult>(static_cast<int>(ImportWorker(job))) : IE_RESULT_NO_PARSER;
}

EIEResult CIEParsersLoader::ExportInTheSameThread(const CQelString& fileName, const CIEFormat* format,
                                                  CIEData* data) {
  TIEParserJob* job = PrepareJob(fileName, format, data, true, false);
  return job ? static_cast<EIEResult>(static_cast<int>(ExportWorker(job))) : IE_RESULT_NO_PARSER;
}

CWinThread* CIEParsersLoader::StartJob(const CQelString& fileName, const CIEFormat* format, CIEData* data,
                                       bool exporter) {
  TIEParserJob* job = PrepareJob(fileName, format, data, exporter, true);
  if (!job) return nullptr;
  CWinThread* thread = AfxBeginThread(exporter ? ExportWorker : ImportWorker, job, THREAD_PRIORITY_NORMAL, 0,
                                      CREATE_SUSPENDED);
  if (!thread) {
    delete job;
    return nullptr;
  }
  thread->m_bAutoDelete = false;
  if (thread->ResumeThread() == kResumeFailed) {
    delete thread;
    delete job;
    return nullptr;
  }
  return thread;
}

CWinThread* CIEParsersLoader::StartImportInSeparateThread(const CQelString& fileName, const CIEFormat* format,
                                                          CIEData* data) {
  return StartJob(fileName, format, data, false);
}

CWinThread* CIEParsersLoader::StartExportInSeparateThread(const CQelString& fileName, const CIEFormat* format,
                                                          CIEData* data) {
  return StartJob(fileName, format, data, true);
}
