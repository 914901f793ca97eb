#include "IEFormatsData.h"

#include "detail/IEDefaultCatalogue.h"
#include "detail/IEFormatsDataInstance.h"
#include "detail/IEFormatsSettingsFile.h"

namespace {

CIEFormatsData* g_pFormatsData = nullptr;

// Registered when exchcore is loaded; destroys the catalogue when it is unloaded.
struct TUnloadCleanup {
  TUnloadCleanup() = default;
  TUnloadCleanup(const TUnloadCleanup&) = delete;
  TUnloadCleanup& operator=(const TUnloadCleanup&) = delete;
  TUnloadCleanup(TUnloadCleanup&&) = delete;
  TUnloadCleanup& operator=(TUnloadCleanup&&) = delete;
  ~TUnloadCleanup() { CIEFormatsDataInstance::Destroy(); }
} g_unloadCleanup;

}  // namespace

const CIEFormatsData& CIEFormatsDataInstance::Get(const CQelString& settingsPath) {
  if (!g_pFormatsData) g_pFormatsData = new CIEFormatsData(settingsPath);
  return *g_pFormatsData;
}

void CIEFormatsDataInstance::Destroy() {
  delete g_pFormatsData;
  g_pFormatsData = nullptr;
}

const CIEFormatsData& GetIEFormatsData() { return CIEFormatsDataInstance::Get(CQelString()); }

void IntializeIEFormatsDataFromFile(const CQelString& settingsPath) {
  CIEFormatsDataInstance::Get(settingsPath);
}

CIEFormatsData::CIEFormatsData(const CQelString& settingsPath) {
  IEDefaultCatalogue::AppendDataTypes(m_arrDataTypes);
  bool rewrite = true;
  if (!settingsPath.IsEmpty() && IEFormatsSettingsFile::Load(settingsPath, m_arrFormats, rewrite)) return;
  IEDefaultCatalogue::AppendFormats(m_arrFormats);
  // A file that cannot be written leaves the catalogue complete; nothing to report.
  if (!settingsPath.IsEmpty() && rewrite) (void)IEFormatsSettingsFile::Store(settingsPath, m_arrFormats);
}

CIEFormatsData::~CIEFormatsData() {
  for (CIEFormat* format : m_arrFormats) delete format;
  for (CIEDataType* type : m_arrDataTypes) delete type;
}

const CIEFormat* CIEFormatsData::GetFormatByInd(unsigned index) const {
  return index < static_cast<unsigned>(m_arrFormats.GetSize()) ? m_arrFormats[static_cast<int>(index)]
                                                               : nullptr;
}

const CIEFormat* CIEFormatsData::GetFormatByGUID(const _GUID& guid) const {
  for (const CIEFormat* format : m_arrFormats)
    if (format->GetGUID() == guid) return format;
  return nullptr;
}

const CIEFormat* CIEFormatsData::GetFormatById(const unsigned short* id) const {
  _GUID guid;
  return GuidFromString(id, guid) ? GetFormatByGUID(guid) : nullptr;
}

int CIEFormatsData::GetIndFormatById(const unsigned short* id) const {
  for (int i = 0; i < m_arrFormats.GetSize(); ++i)
    if (m_arrFormats[i]->IsIdEqual(id)) return i;
  return 0;
}

const CIEDataType* CIEFormatsData::GetDataTypeById(EIEDataType type) const {
  for (const CIEDataType* dataType : m_arrDataTypes)
    if (dataType->GetTypeID() == type) return dataType;
  return nullptr;
}

void CIEFormatsData::GetDataTypes(qel_templ::CQelArray<const CIEDataType*>& types,
                                  CIECommonType::EDataDirections direction, TIEMask configurations,
                                  TIEMask usingModes) const {
  for (const CIEDataType* dataType : m_arrDataTypes)
    if (dataType->CompareCommonData(direction, configurations, usingModes)) types.Add(dataType);
}

void CIEFormatsData::GetSupportedFormatsByDataType(qel_templ::CQelArray<int>& indices, EIEDataType type,
                                                   CIECommonType::EDataDirections direction,
                                                   TIEMask configurations, TIEMask usingModes) const {
  if (!GetDataTypeById(type)) return;
  for (int i = 0; i < m_arrFormats.GetSize(); ++i) {
    const CIEFormat* format = m_arrFormats[i];
    if (format->IsDataTypeSupported(type) && format->CompareCommonData(direction, configurations, usingModes))
      indices.Add(i);
  }
}
