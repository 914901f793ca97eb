// CImporterImpl: base of every importer. Holds the data root to fill, the file to read and the
// chosen format, and makes sure a dataset exists when the job imports dataset objects.
#pragma once

#include "IEParserInterfaces.h"
#include "qel_text.h"

class CIEData;
class CIEFormat;

class CImporterImpl : public IIEImporterInterface {
 public:
  CImporterImpl(const CImporterImpl& other);
  CImporterImpl& operator=(const CImporterImpl& other);
  EIEResult Import() const override = 0;

 protected:
  CImporterImpl(CIEData* data, const CQelString& fileName, const CIEFormat* format);
  ~CImporterImpl() override;

  CIEData* m_pData;
  CQelString m_strFileName;
  const CIEFormat* m_pFormat;
};

// Entry point of a plug-in that imports: a new importer for the format, or null when the format
// is not one of the plug-in's or the object cannot be allocated.
typedef CImporterImpl* (*MakeImporterFunc)(CIEData* data, const CQelString& fileName,
                                           const CIEFormat* format);
