// CIECodeDescription: one code of the job's code library: its attributes, its draw properties per
// geometry, its layer, a description text, the code type and the attribute prompt type.
#pragma once

#include "IEAttrDescription.h"
#include "IEDrawProperties.h"
#include "IEInterfaces.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIELayer;

class CIECodeDescription : public IIENameInterface {
 public:
  enum EIECodeType : int { CODE_POINT = 0, CODE_LINE = 1, CODE_AREA = 2, CODE_UNDEFINED = 3 };
  // Values other than ATTRIB_PROMPT_NOT_GIVEN belong to the host; they are stored unchanged.
  enum EIEAttribPromptType : int { ATTRIB_PROMPT_NOT_GIVEN = 3 };

  explicit CIECodeDescription(const CQelString& name = CQelString());
  // Deep copy: attribute descriptions and draw properties are copied; the layer is shared, as it
  // belongs to the draw dictionary.
  CIECodeDescription(const CIECodeDescription& other);
  CIECodeDescription& operator=(const CIECodeDescription& other);
  ~CIECodeDescription() override;

  // Appended and owned; null is ignored.
  void AddAttrDescription(CIEAttrDescription* attr);
  const CIEAttrDescription* GetAttrDescriptionAt(int index) const {
    return m_attrs.IsValidIndex(index) ? m_attrs[index] : nullptr;
  }
  CIEAttrDescription* GetAttrDescriptionAt(int index) {
    return m_attrs.IsValidIndex(index) ? m_attrs[index] : nullptr;
  }
  int GetSize() const { return m_attrs.GetSize(); }
  // The first attribute description whose name is exactly equal, or null; -1 for the index.
  const CIEAttrDescription* FindAttrDescription(const CQelString& name) const;
  CIEAttrDescription* FindAttrDescription(const CQelString& name);
  int FindAttrDescriptionIndex(const CQelString& name) const;

  // Owned; the properties held for the type are deleted, null clears, a type of 3 or more
  // changes nothing.
  void SetDrawProperties(IIEDrawProperties::EIEDrawType type, IIEDrawProperties* props) {
    m_drawProps.Set(type, props);
  }
  IIEDrawProperties* GetDrawProperties(IIEDrawProperties::EIEDrawType type) const {
    return m_drawProps.Get(type);
  }
  bool IsDrawPropertiesWasDefined() const { return m_drawProps.IsAnySet(); }
  static IIEDrawProperties* CreateDrawPropertiesFromString(const CQelString& name) {
    return IIEDrawProperties::CreateFromTypeName(name);
  }

  // The layer is not owned.
  void SetLayer(CIELayer* layer) { m_pLayer = layer; }
  CIELayer* GetLayer() const { return m_pLayer; }
  void SetDescCodeName(const CQelString& text) { m_strDescription = text; }
  const CQelString& GetDescCodeName() const { return m_strDescription; }
  void SetCodeType(EIECodeType type) { m_eCodeType = type; }
  EIECodeType GetCodeType() const { return m_eCodeType; }
  void SetAttribPromptType(EIEAttribPromptType type) { m_eAttribPromptType = type; }
  EIEAttribPromptType GetAttribPromptType() const { return m_eAttribPromptType; }
  void SetName(const CQelString& name) override { m_strName = name; }
  const CQelString& GetName() const override { return m_strName; }

  // True while the code is nothing but its name.
  bool IsOnlyCodeNameDefined() const;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  void DeleteAttrs();

  qel_templ::CQelArray<CIEAttrDescription*> m_attrs;
  CIEDrawPropertiesSlots m_drawProps;
  CIELayer* m_pLayer = nullptr;
  CQelString m_strDescription;
  EIECodeType m_eCodeType = CODE_UNDEFINED;
  EIEAttribPromptType m_eAttribPromptType = ATTRIB_PROMPT_NOT_GIVEN;
  CQelString m_strName;
};
