// CCoordinateSystemInfo: the job's coordinate system as the host names it (a kind with a datum
// and a projection name). The library stores and copies it; the shapefile plug-in fills and
// reads it.
#pragma once

#include "QelAlloc.h"
#include "qel_text.h"

namespace qel_ie_cs_utils {

struct CCoordinateSystemInfo {
  // Kinds the shapefile plug-in sets; NOT_SET is the value of a new object.
  enum EKind { GEOGRAPHIC = 1, PROJECTED = 2, NOT_SET = 4 };

  CCoordinateSystemInfo() = default;
  CCoordinateSystemInfo(const CCoordinateSystemInfo&) = default;
  CCoordinateSystemInfo& operator=(const CCoordinateSystemInfo&) = default;
  ~CCoordinateSystemInfo() = default;

  int m_nKind = NOT_SET;
  CQelString m_strDatumName;
  CQelString m_strProjectionName;
  CQelString m_strText3;
  bool m_bFlag = false;

  QEL_DECLARE_SHARED_ALLOCATION()
};

}  // namespace qel_ie_cs_utils
