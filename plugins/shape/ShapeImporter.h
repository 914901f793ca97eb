// CShapeImporter: reads one shapefile set (.shp, .shx, .dbf with the optional .prj and cross-link
// file) into the current dataset: every shape becomes a design point, polyline or area carrying
// one code whose attributes are the table's columns.
#pragma once

#include <vector>

#include "CrossLink.h"
#include "IEDefs.h"
#include "IEImporterImpl.h"
#include "QelAlloc.h"
#include "qel_text.h"

class CIEObject;

class CShapeImporter : public CImporterImpl {
 public:
  CShapeImporter(CIEData* data, const CQelString& fileName, const CIEFormat* format);
  CShapeImporter(const CShapeImporter&) = delete;
  CShapeImporter& operator=(const CShapeImporter&) = delete;
  ~CShapeImporter() override = default;

  EIEResult Import() const override;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  struct TJob;
  EIEResult ImportShapes(TJob& job) const;
  // The record's attribute values and photo notes; false when memory runs out.
  bool FillCodeValues(const TJob& job, int record, CIEObject& object) const;

  // The job interface makes Import const; what it reads is kept for the importer's lifetime.
  mutable CCrossLinkReader m_links;
  mutable std::vector<CQelString> m_fieldNames;
  mutable EDIST_UNITS m_eImportUnit = EDIST_UNITS::ANY_UNITS;
};
