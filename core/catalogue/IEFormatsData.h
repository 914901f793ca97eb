// CIEFormatsData: the process-wide catalogue of exchange formats and data types, built once from
// the built-in table or the formats settings file, with the lookups and filters through which the
// host builds its menus and the loader finds a format's plug-in.
#pragma once

#include "IEDataType.h"
#include "IEFormat.h"
#include "qel_templ.h"

class CIEFormatsDataInstance;

class CIEFormatsData {
 public:
  CIEFormatsData(const CIEFormatsData&) = delete;
  CIEFormatsData& operator=(const CIEFormatsData&) = delete;
  CIEFormatsData(CIEFormatsData&&) = delete;
  CIEFormatsData& operator=(CIEFormatsData&&) = delete;

  // The format at a catalogue index, or null when index is not below the number of formats.
  const CIEFormat* GetFormatByInd(unsigned index) const;
  // The first format whose GUID equals guid byte for byte, or null.
  const CIEFormat* GetFormatByGUID(const _GUID& guid) const;
  // As GetFormatByGUID for GUID text in registry form; null when the text does not parse.
  const CIEFormat* GetFormatById(const unsigned short* id) const;
  // Catalogue index of the first format with that GUID text; 0 (the first index) when none has it.
  int GetIndFormatById(const unsigned short* id) const;
  // The first data type with that identifier, or null.
  const CIEDataType* GetDataTypeById(EIEDataType type) const;

  // Appends, in catalogue order, every data type offered for the request (CompareCommonData). The
  // array is not cleared first.
  void GetDataTypes(qel_templ::CQelArray<const CIEDataType*>& types, CIECommonType::EDataDirections direction,
                    TIEMask configurations, TIEMask usingModes) const;
  // Appends, in catalogue order, the index of every format that carries the data type and is
  // offered for the request. Appends nothing when the data type has no entry of its own. The
  // array is not cleared first.
  void GetSupportedFormatsByDataType(qel_templ::CQelArray<int>& indices, EIEDataType type,
                                     CIECommonType::EDataDirections direction, TIEMask configurations,
                                     TIEMask usingModes) const;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  friend class CIEFormatsDataInstance;

  // Builds the catalogue: the data types from the built-in table; the formats from the settings
  // file at settingsPath when it is current and switched on, else from the built-in table, which
  // is then written to the file when the file is missing, unreadable or outdated. An empty path
  // neither reads nor writes a file.
  explicit CIEFormatsData(const CQelString& settingsPath);
  ~CIEFormatsData();

  qel_templ::CQelArray<CIEFormat*> m_arrFormats;
  qel_templ::CQelArray<CIEDataType*> m_arrDataTypes;
};

// The catalogue; created on first use without a settings file.
const CIEFormatsData& GetIEFormatsData();
// Creates the catalogue with the given settings file unless it exists already (the name is spelt
// so). The host calls it once at start-up, before anything calls GetIEFormatsData.
void IntializeIEFormatsDataFromFile(const CQelString& settingsPath);
