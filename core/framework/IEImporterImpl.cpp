#include "IEImporterImpl.h"

#include "IEData.h"
#include "IEDataset.h"

namespace {
// Data types whose objects live in datasets: an import of any of them needs a dataset to fill.
const EIEDataType kDatasetTypes[] = {POINTS,        LINES,       AREAS,       PARCELS,
                                     ROADS,         SURFACES,    POINT_LISTS, ROAD_SURVEY,
                                     SCANNING_DATA, JOB_HISTORY, RAW_DATA,    MULTIPLE};
}  // namespace

CImporterImpl::CImporterImpl(CIEData* data, const CQelString& fileName, const CIEFormat* format)
    : m_pData(data), m_strFileName(fileName), m_pFormat(format) {
  if (!m_pData || m_pData->GetNumberOfDatasets() > 0) return;
  for (EIEDataType type : kDatasetTypes) {
    if (m_pData->GetSettings().HasDataType(type)) {
      CIEDataset* dataset = new CIEDataset(CQelString(u"Import dataset"), 0, false);
      if (dataset) m_pData->AddDataset(dataset);
      return;
    }
  }
}

CImporterImpl::CImporterImpl(const CImporterImpl& other) = default;
CImporterImpl& CImporterImpl::operator=(const CImporterImpl& other) = default;
CImporterImpl::~CImporterImpl() = default;
