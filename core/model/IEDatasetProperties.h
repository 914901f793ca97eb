// CIEDatasetProperties: the extent of a dataset and the automatic text, dash and symbol sizes
// that drawing outputs derive from it.
#pragma once

#include <cstdint>

#include "IEPositions.h"
#include "QelAlloc.h"

class CIEDatasetProperties {
 public:
  enum EMinMax : int { MIN = 0, MAX = 1 };

  CIEDatasetProperties() { reset(); }
  CIEDatasetProperties(const CIEDatasetProperties& other) { clone(other); }
  CIEDatasetProperties& operator=(const CIEDatasetProperties& other) {
    clone(other);
    return *this;
  }
  virtual ~CIEDatasetProperties() = default;

  // The extent becomes undefined and the further values zero; the corners stay.
  void reset();
  void clone(const CIEDatasetProperties& other);

  // Widens the extent to take pos in; the first position defines both corners.
  void UpdateBorders(const CIEPosition3D& pos);
  bool IsMinMaxDefined() const { return m_bMinMaxDefined; }
  const CIEPosition3D& GetBorder(EMinMax which) const { return m_borders[which == MAX ? MAX : MIN]; }

  // A text height of 1/150 of the extent's width plus height; 0.2 without an extent.
  double CalcAutoTextSize() const;
  // Dash, gap and dot lengths from the larger side of the extent; unchanged without an extent.
  void CalcAutoDashSize(double& dash, double& gap, double& dot) const;
  void CalcAutoSymbolSize(double& size) const;

  // Carried values; no operation reads them.
  uint32_t m_nExtra[3];

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  // The larger side of the extent (sides beyond 1e10 count as 0); -1.0 without an extent.
  double CalcMaxDiff() const;

  CIEPosition3D m_borders[2];
  bool m_bMinMaxDefined;
};
