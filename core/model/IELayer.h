// CIELayer: a named layer with active, plot and notes and one set of draw properties per
// geometry. Layers belong to the draw dictionary; objects and codes only point to them.
#pragma once

#include "IEDrawProperties.h"
#include "IEInterfaces.h"
#include "QelAlloc.h"
#include "qel_text.h"

class CIELayer : public IIENameInterface {
 public:
  CIELayer() = default;
  // Deep copy: the draw properties are cloned.
  CIELayer(const CIELayer& other);
  CIELayer& operator=(const CIELayer& other);
  ~CIELayer() override = default;

  // Each setter below clears the all-by-default flag, even when the value does not change.
  void SetActiveStatus(bool active);
  bool IsActive() const { return m_bActive; }
  void SetPlotStatus(bool plot);
  bool IsPlot() const { return m_bPlot; }
  void SetNotes(const CQelString& notes);
  const CQelString& GetNotes() const { return m_strNotes; }
  void SetName(const CQelString& name) override { m_strName = name; }
  const CQelString& GetName() const override { return m_strName; }

  // The layer owns the given properties and deletes those it held for the type; null clears the
  // slot, a type of 3 or more changes nothing.
  void SetDrawProperties(IIEDrawProperties::EIEDrawType type, IIEDrawProperties* props) {
    m_drawProps.Set(type, props);
  }
  IIEDrawProperties* GetDrawProperties(IIEDrawProperties::EIEDrawType type) const {
    return m_drawProps.Get(type);
  }
  // True until a setter ran or until a held draw property is defined.
  bool AreAllParamsByDefault() const { return m_bAllByDefault && !m_drawProps.IsAnyDefined(); }

  static IIEDrawProperties* CreateDrawPropertiesFromString(const CQelString& name) {
    return IIEDrawProperties::CreateFromTypeName(name);
  }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  bool m_bActive = true;
  bool m_bPlot = true;
  bool m_bAllByDefault = true;
  CIEDrawPropertiesSlots m_drawProps;
  CQelString m_strNotes;
  CQelString m_strName;
};
