#include "IEDatasetProperties.h"

#include <cmath>

namespace {
// The side along one axis, or 0 when a coordinate is too large to be a real position.
double Side(double lo, double hi) {
  const double kLimit = 1.0e10;
  return std::fabs(lo) < kLimit && std::fabs(hi) < kLimit ? std::fabs(lo - hi) : 0.0;
}
}  // namespace

void CIEDatasetProperties::reset() {
  m_bMinMaxDefined = false;
  for (uint32_t& v : m_nExtra) v = 0;
}

void CIEDatasetProperties::clone(const CIEDatasetProperties& other) {
  if (this == &other) return;
  m_borders[MIN] = other.m_borders[MIN];
  m_borders[MAX] = other.m_borders[MAX];
  m_bMinMaxDefined = other.m_bMinMaxDefined;
  for (int i = 0; i < 3; ++i) m_nExtra[i] = other.m_nExtra[i];
}

void CIEDatasetProperties::UpdateBorders(const CIEPosition3D& pos) {
  if (!m_bMinMaxDefined) {
    m_borders[MIN] = pos;
    m_borders[MAX] = pos;
    m_bMinMaxDefined = true;
  }
  CIEPosition3D& lo = m_borders[MIN];
  CIEPosition3D& hi = m_borders[MAX];
  if (pos.x < lo.x) lo.x = pos.x;
  if (pos.y < lo.y) lo.y = pos.y;
  if (pos.z < lo.z) lo.z = pos.z;
  if (pos.x > hi.x) hi.x = pos.x;
  if (pos.y > hi.y) hi.y = pos.y;
  if (pos.z > hi.z) hi.z = pos.z;
}

double CIEDatasetProperties::CalcAutoTextSize() const {
  if (!m_bMinMaxDefined) return 0.2;
  const CIEPosition3D& lo = m_borders[MIN];
  const CIEPosition3D& hi = m_borders[MAX];
  return (std::fabs(hi.x - lo.x) + std::fabs(hi.y - lo.y)) * (1.0 / 150.0);
}

double CIEDatasetProperties::CalcMaxDiff() const {
  if (!m_bMinMaxDefined) return -1.0;
  const double dx = Side(m_borders[MIN].x, m_borders[MAX].x);
  const double dy = Side(m_borders[MIN].y, m_borders[MAX].y);
  return dx > dy ? dx : dy;
}

void CIEDatasetProperties::CalcAutoDashSize(double& dash, double& gap, double& dot) const {
  const double d = CalcMaxDiff();
  if (d == -1.0) return;
  dash = d * 0.05;
  if (dash > 1.0) dash = 1.0;
  gap = dash * (2.0 / 3.0);
  dot = dash * (-1.0 / 3.0);
}

void CIEDatasetProperties::CalcAutoSymbolSize(double& size) const {
  const double d = CalcMaxDiff();
  if (d != -1.0) size = d * 0.015;
}
