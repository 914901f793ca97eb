#include "IELayer.h"

CIELayer::CIELayer(const CIELayer& other)
    : IIENameInterface(),
      m_bActive(other.m_bActive),
      m_bPlot(other.m_bPlot),
      m_bAllByDefault(other.m_bAllByDefault),
      m_drawProps(other.m_drawProps),
      m_strNotes(other.m_strNotes),
      m_strName(other.GetName()) {}

CIELayer& CIELayer::operator=(const CIELayer& other) {
  if (this != &other) {
    m_bActive = other.m_bActive;
    m_bPlot = other.m_bPlot;
    m_bAllByDefault = other.m_bAllByDefault;
    m_drawProps = other.m_drawProps;
    m_strNotes = other.m_strNotes;
    SetName(other.GetName());
  }
  return *this;
}

void CIELayer::SetActiveStatus(bool active) {
  m_bActive = active;
  m_bAllByDefault = false;
}

void CIELayer::SetPlotStatus(bool plot) {
  m_bPlot = plot;
  m_bAllByDefault = false;
}

void CIELayer::SetNotes(const CQelString& notes) {
  m_strNotes = notes;
  m_bAllByDefault = false;
}
