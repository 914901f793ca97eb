#include "IEFormat.h"

#include "IERounding.h"

namespace {
bool HasBit(TIEMask mask, int value) { return value >= 0 && (mask & IEUtils::ToFlag(value)) != 0; }
}  // namespace

CIEFormat::CIEFormat(const _GUID& guid, const CQelString& name, EDataDirections direction,
                     const CQelString& exportLibrary, const CQelString& importLibrary,
                     const CQelString& title, const CQelString& extension, const CQelString& filterExtension,
                     TIEMask configurations, TIEMask usingModes, TIEMask dataTypes, TIEMask distUnits,
                     TIEMask angleUnits, TIEMask parameters)
    : CIECommonType(name, direction, configurations, usingModes),
      m_guid(guid),
      m_strExportLibrary(exportLibrary),
      m_strImportLibrary(importLibrary),
      m_strTitle(title),
      m_strExtension(extension),
      m_strFilterExtension(filterExtension),
      m_nDataTypes(dataTypes),
      m_nDistUnits(distUnits),
      m_nAngleUnits(angleUnits),
      m_nParameters(parameters) {}

CIEFormat::~CIEFormat() = default;

const _GUID& CIEFormat::GetGUID() const { return m_guid; }

CQelString CIEFormat::GetGUIDAsString() const { return GuidToString(m_guid); }

bool CIEFormat::IsIdEqual(const unsigned short* id) const {
  _GUID parsed;
  return GuidFromString(id, parsed) && parsed == m_guid;
}

CQelString CIEFormat::GetDLLName(bool exportLibrary) const {
  return exportLibrary ? m_strExportLibrary : m_strImportLibrary;
}

CQelString CIEFormat::GetTitle() const { return m_strTitle; }

CQelString CIEFormat::GetExtension(bool withDot) const {
  if (!withDot || m_strExtension.IsEmpty()) return m_strExtension;
  return u"." + m_strExtension;
}

const CQelString& CIEFormat::GetFilterExtension() const { return m_strFilterExtension; }

bool CIEFormat::IsDataTypeSupported(EIEDataType type) const { return HasBit(m_nDataTypes, type); }

bool CIEFormat::IsDistUnitsTypeSupported(EDIST_UNITS units) const {
  return HasBit(m_nDistUnits, static_cast<int>(units));
}

bool CIEFormat::IsAngleUnitsTypeSupported(EANGLE_UNITS units) const {
  return HasBit(m_nAngleUnits, static_cast<int>(units));
}

bool CIEFormat::IsParameterSupported(EParameterName parameter) const {
  return HasBit(m_nParameters, parameter);
}

bool CIEFormat::AreDistUnitsUsed() const { return m_nDistUnits != 0; }

bool CIEFormat::AreAngleUnitsUsed() const { return m_nAngleUnits != 0; }
