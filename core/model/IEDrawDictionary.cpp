#include "IEDrawDictionary.h"

CIEDrawDictionary::CIEDrawDictionary(const CIEDrawDictionary& other) { *this = other; }

CIEDrawDictionary& CIEDrawDictionary::operator=(const CIEDrawDictionary& other) {
  if (this != &other) {
    DeleteLayers();
    m_layers.Reserve(other.m_layers.GetSize());
    for (const CIELayer* layer : other.m_layers) AddLayer(new CIELayer(*layer));
    m_nDefaultLayer = other.m_nDefaultLayer;
  }
  return *this;
}

CIEDrawDictionary::~CIEDrawDictionary() { DeleteLayers(); }

void CIEDrawDictionary::DeleteLayers() {
  for (CIELayer* layer : m_layers) delete layer;
  m_layers.RemoveAll();
}

void CIEDrawDictionary::AddLayer(CIELayer* layer) {
  if (layer) m_layers.Add(layer);
}

const CIELayer* CIEDrawDictionary::GetLayerAt(int index) const {
  return m_layers.IsValidIndex(index) ? m_layers[index] : nullptr;
}

CIELayer* CIEDrawDictionary::GetLayerAt(int index) {
  return m_layers.IsValidIndex(index) ? m_layers[index] : nullptr;
}

const CIELayer* CIEDrawDictionary::FindLayer(const CQelString& name) const {
  for (const CIELayer* layer : m_layers)
    if (layer && layer->GetName() == name) return layer;
  return nullptr;
}

CIELayer* CIEDrawDictionary::FindLayer(const CQelString& name) {
  return const_cast<CIELayer*>(static_cast<const CIEDrawDictionary*>(this)->FindLayer(name));
}

bool CIEDrawDictionary::SetDefaultLayer(int index) {
  if (!m_layers.IsValidIndex(index)) return false;
  m_nDefaultLayer = index;
  return true;
}
