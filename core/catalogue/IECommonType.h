// CIECommonType: what formats and data types have in common - a display name, the directions in
// which the entry exchanges data, the host configurations that offer it and the using modes it
// requires - and the selection test through which the catalogue filters its entries.
#pragma once

#include "IEDefs.h"
#include "QelAlloc.h"
#include "qel_text.h"

class CIECommonType {
 public:
  // Settings-file keywords "Import", "Export", "ImportExport". A request may carry any other value
  // to match every direction (see CompareCommonData), hence the fixed underlying type.
  enum EDataDirections : int { DIRECTION_IMPORT = 0, DIRECTION_EXPORT = 1, DIRECTION_IMPORT_EXPORT = 2 };
  // Product configurations of the host; the enumerators are the settings-file keywords.
  enum ESupportedConfigurations : int { REGULAR = 0, ONBOARD = 1, JAPAN = 2, CONTRACTOR = 3 };
  // Modes an entry requires; such an entry is offered only when the caller enables the mode.
  enum EUsingModes : int { EXPORT_IN_JAPAN = 0, ONBOARD_WITH_SCANNING = 1 };

  CIECommonType(const CQelString& name, EDataDirections direction, TIEMask configurations,
                TIEMask usingModes);
  CIECommonType(const CIECommonType& other) = default;
  // Descriptors are immutable once built: no assignment.
  CIECommonType& operator=(const CIECommonType&) = delete;
  CIECommonType(CIECommonType&&) = delete;
  CIECommonType& operator=(CIECommonType&&) = delete;

  virtual const CQelString& GetName() const;
  virtual EDataDirections GetDataDirections() const;
  virtual bool IsConfigurationSupported(ESupportedConfigurations configuration) const;
  virtual bool IsUsingModeApplied(EUsingModes mode) const;

  // True when the entry is offered for a request: it can exchange in the requested direction,
  // supports every requested configuration, and every mode it applies is enabled in usingModes.
  bool CompareCommonData(EDataDirections direction, TIEMask configurations, TIEMask usingModes) const;

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  virtual ~CIECommonType();

 private:
  CQelString m_strName;
  EDataDirections m_eDirection;
  TIEMask m_nConfigurations;
  TIEMask m_nUsingModes;
};
