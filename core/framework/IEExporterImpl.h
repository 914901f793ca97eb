// CExporterImpl: base of every exporter. An export runs as a series of steps: the first ones open
// the output (the step counter stays below 0 until then), each further one writes a part, the last
// one closes the output. Export drives the steps and checks the stop flag between them.
#pragma once

#include "IEParserInterfaces.h"
#include "QelAlloc.h"
#include "qel_text.h"

class CIEData;
class CIEFormat;

class CExporterImpl : public IIEExporterInterface {
 public:
  CExporterImpl(const CExporterImpl& other);
  CExporterImpl& operator=(const CExporterImpl& other);

  EIEResult Export() const override;
  // How many SingleStep calls the whole export takes, for a host that shows progress.
  virtual int GetNumberOfSteps() = 0;
  // Runs one step; true while more steps follow.
  virtual bool SingleStep() = 0;
  virtual EIEResult GetIEResult() const { return m_eResult; }

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  CExporterImpl(CIEData* data, const CQelString& fileName, const CIEFormat* format);
  ~CExporterImpl() override;

  CIEData* m_pData;
  CQelString m_strFileName;
  const CIEFormat* m_pFormat;
  int m_nCurrentStep = -2;
  EIEResult m_eResult = IE_RESULT_OK;
};

// Entry point of a plug-in that exports; see MakeImporterFunc.
typedef CExporterImpl* (*MakeExporterFunc)(CIEData* data, const CQelString& fileName,
                                           const CIEFormat* format);
