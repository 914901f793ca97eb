#include "IEExporterImpl.h"

#include "IEData.h"

CExporterImpl::CExporterImpl(CIEData* data, const CQelString& fileName, const CIEFormat* format)
    : m_pData(data), m_strFileName(fileName), m_pFormat(format) {}

CExporterImpl::CExporterImpl(const CExporterImpl& other) = default;
CExporterImpl& CExporterImpl::operator=(const CExporterImpl& other) = default;
CExporterImpl::~CExporterImpl() = default;

EIEResult CExporterImpl::Export() const {
  // The job operation is const in the interface, but stepping advances the exporter's own state;
  // every exporter is a heap object created by its entry point, never a const one.
  CExporterImpl* self = const_cast<CExporterImpl*>(this);
  while (self->SingleStep() && !CIEData::m_bStopProcess.load()) {
  }
  if (CIEData::m_bStopProcess.load()) return IE_RESULT_STOPPED;
  if (m_nCurrentStep < 0) return IE_RESULT_CANNOT_OPEN;
  return GetIEResult();
}
