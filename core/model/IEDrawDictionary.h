// CIEDrawDictionary: the job's layers in the order added, with an optional default layer. It owns
// its layers; objects and code descriptions point into it.
#pragma once

#include "IELayer.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIEDrawDictionary {
 public:
  CIEDrawDictionary() = default;
  // Deep copy: every layer is copied; the default index is kept. Objects of the source keep
  // pointing to the source's layers.
  CIEDrawDictionary(const CIEDrawDictionary& other);
  CIEDrawDictionary& operator=(const CIEDrawDictionary& other);
  virtual ~CIEDrawDictionary();

  // Appended and owned, also when a layer of the same name is present; null is ignored.
  void AddLayer(CIELayer* layer);
  const CIELayer* GetLayerAt(int index) const;
  CIELayer* GetLayerAt(int index);
  int GetNumberOfLayers() const { return m_layers.GetSize(); }
  // The first layer whose name is exactly equal (case counts).
  const CIELayer* FindLayer(const CQelString& name) const;
  CIELayer* FindLayer(const CQelString& name);

  // False, and no change, unless 0 <= index < number of layers.
  bool SetDefaultLayer(int index);
  const CIELayer* GetDefaultLayer() const { return GetLayerAt(m_nDefaultLayer); }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  void DeleteLayers();

  qel_templ::CQelArray<CIELayer*> m_layers;
  int m_nDefaultLayer = -1;
};
