#include "IECommonType.h"

#include "IERounding.h"

namespace {
constexpr int kConfigurationCount = 4;
constexpr int kUsingModeCount = 2;
}  // namespace

CIECommonType::CIECommonType(const CQelString& name, EDataDirections direction, TIEMask configurations,
                             TIEMask usingModes)
    : m_strName(name),
      m_eDirection(direction),
      m_nConfigurations(configurations),
      m_nUsingModes(usingModes) {}

CIECommonType::~CIECommonType() = default;

const CQelString& CIECommonType::GetName() const { return m_strName; }

CIECommonType::EDataDirections CIECommonType::GetDataDirections() const { return m_eDirection; }

bool CIECommonType::IsConfigurationSupported(ESupportedConfigurations configuration) const {
  return (m_nConfigurations & IEUtils::ToFlag(static_cast<uint64_t>(configuration))) != 0;
}

bool CIECommonType::IsUsingModeApplied(EUsingModes mode) const {
  return (m_nUsingModes & IEUtils::ToFlag(static_cast<uint64_t>(mode))) != 0;
}

bool CIECommonType::CompareCommonData(EDataDirections direction, TIEMask configurations,
                                      TIEMask usingModes) const {
  // Through the virtual getters, so that a subclass may answer differently than its masks.
  const EDataDirections own = GetDataDirections();
  switch (direction) {
    case DIRECTION_IMPORT:
      if (own != DIRECTION_IMPORT && own != DIRECTION_IMPORT_EXPORT) return false;
      break;
    case DIRECTION_EXPORT:
      if (own != DIRECTION_EXPORT && own != DIRECTION_IMPORT_EXPORT) return false;
      break;
    case DIRECTION_IMPORT_EXPORT:
      if (own != DIRECTION_IMPORT_EXPORT) return false;
      break;
    default:
      break;
  }
  for (int c = 0; c < kConfigurationCount; ++c) {
    if ((configurations & IEUtils::ToFlag(c)) &&
        !IsConfigurationSupported(static_cast<ESupportedConfigurations>(c)))
      return false;
  }
  for (int m = 0; m < kUsingModeCount; ++m) {
    if (IsUsingModeApplied(static_cast<EUsingModes>(m)) && !(usingModes & IEUtils::ToFlag(m))) return false;
  }
  return true;
}
