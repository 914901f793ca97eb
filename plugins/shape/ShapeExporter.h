// CShapeExporter: writes the points, polylines and areas of the current dataset as shapefile
// sets, one per geometry kind (PointZ, ArcZ, PolygonZ), each with its table, cross-link file,
// projection file and a folder of photo images.
#pragma once

#include <shapefil.h>

#include <memory>
#include <string>
#include <vector>

#include "CrossLink.h"
#include "IEExporterImpl.h"
#include "QelAlloc.h"
#include "qel_text.h"

class CIECodeDescription;
class CIEObject;

// name without its leading invalid characters, every later one replaced by '_'.
CQelString MakeDbfFieldName(const CQelString& name);

class CShapeExporter : public CExporterImpl {
 public:
  static constexpr int KIND_COUNT = 3;

  CShapeExporter(CIEData* data, const CQelString& fileName, const CIEFormat* format);
  CShapeExporter(const CShapeExporter&) = delete;
  CShapeExporter& operator=(const CShapeExporter&) = delete;
  ~CShapeExporter() override;

  int GetNumberOfSteps() override;
  bool SingleStep() override;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  enum EColumnRole { COLUMN_OBJNAME, COLUMN_CODEDESC, COLUMN_ATTRIBUTE, COLUMN_IMAGE, COLUMN_PHOTO_DATA };
  struct TColumn {
    EColumnRole role;
    std::string name;  // in the table's code page, at most 10 bytes
    char type;
    int width;
    int decimals;
    int index;     // the attribute, or the photo note (from 0)
    int dataType;  // photo data: azimuth, tilt X or tilt Y
  };

  bool Prepare();
  void BuildColumns();
  bool OpenKind(int kind, const CQelString& base);
  bool WriteObject(const CIEObject& object);
  bool WriteRecord(int kind, int record, const CIEObject& object);
  // The kind's shape object holding the vertices in m_xs, m_ys and m_zs: the previous object's,
  // refilled, when it has as many vertices, else a new one. Null when it cannot be made.
  SHPObject* MakeShape(int kind);
  // The kind's photo folder, created when needed; empty when it cannot be made.
  CQelString PhotoFolder(int kind);
  void CloseKind(int kind);
  void CloseAll();

  DBFInfo* m_hTables[KIND_COUNT] = {};
  SHPInfo* m_hShapes[KIND_COUNT] = {};
  std::unique_ptr<CCrossLinkWriter> m_pLinks[KIND_COUNT];
  int m_nPhotoColumns = 0;
  std::vector<CQelString> m_fieldNames;
  bool m_bSplit = false;

  const CIECodeDescription* m_pCode = nullptr;
  std::vector<TColumn> m_columns;
  CQelString m_strKindNames[KIND_COUNT];
  CQelString m_strPhotoFolders[KIND_COUNT];
  int m_nObjects = 0;
  // Reused from object to object, so that writing one allocates nothing of its own.
  std::vector<double> m_xs, m_ys, m_zs;
  SHPObject* m_pShapes[KIND_COUNT] = {};
  std::string m_fieldBytes;
  std::string m_record;
};
