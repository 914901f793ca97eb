// CIEFormat: one exchange format of the catalogue - its identity, the plug-in libraries that
// implement it, its file extension and dialog filter, and what it can carry and how.
#pragma once

#include "IECommonType.h"
#include "WinGuid.h"

class CIEFormat : public CIECommonType {
 public:
  // Special features and behaviours; the enumerators are the settings-file keywords.
  enum EParameterName : int {
    ABILITY_TO_ADD_ATTR_TYPE_TO_ATTR_EXP = 0,
    ABILITY_TO_HAVE_ATTR_VALUES_IN_QUOTES_EXP,
    ABILITY_TO_USE_NUMERIC_POINT_NAMES_EXP,
    ABILITY_TO_USE_ZONES_FOR_XSECTIONS_EXP,
    ABILITY_TO_USE_CONTROL_CODES_AS_NOTES_EXP,
    ABILITY_TO_USE_DESCRIPTION_AS_ATTR_EXP,
    ABILITY_TO_STORE_GPS_POINTS_AS_MANUAL_EXP,
    ABILITY_TO_DEFINE_ATTRIBUTES_USING_EXP,
    ABILITY_TO_APPEND_TO_EXISTED_FILE_EXP,
    NUMERIC_POINTS_ARE_GENERATED_EXP,
    CS_IS_STORED_IN_THE_FILE,
    CUSTOM_FIELDS,
    CODE_STYLE_EXP,
    AUTODESK_SETTINGS_EXP,
    CODE_STRING_POINTS_ARRAY_EXP,
    ROADS_DEFINED_BY_POINTS_ARRAY,
    PHOTO_NOTES,
    // The export writes one file per dataset, named after the dataset.
    MULTIPLE_FILES_EXP,
    DRAW_DATA_EXP,
    CODE_WITH_ATTRS_EXP,
    PTL_POINTS_EXP,
    PTL_SIGN_IN_POINT_NAME_EXP,
    GPS_RAWDATA_EXP,
    TS_RAWDATA_EXP,
    DL_RAWDATA_EXP,
    SURVEY_XSECT_ROADS_EXP,
    SURVEY_FIND_STA_ROADS_EXP,
    MULTIPLE_STAION_POINTS,
    PLANE_COORDS_FOR_GPS_POINTS_EXP,
    XYZ_COORDS_IN_GPS_RAW_DATA_EXP,
    NEZ_COV_MATRIX_IN_GPS_RAW_DATA_EXP,
    COORDS_IN_DISPLAY_CS_IN_GPS_POSITIONS_EXP,
    COMPOSITE_LINES_FOR_LINEWORK,
    SUPPORT_POINT_LISTS,
    POINTS_IN_ALPHABETICAL_ORDER_EXP,
    BS_POINT_MUST_EXIST,
    V_ALIGNMENT_SUPPORTS_ONLY_ARCS,
    V_ALIGNMENT_SUPPORT_ARCS,
    V_ALIGNMENT_SUPPORT_LONG_SECTIONS,
    V_ALIGNMENT_SUPPORT_VERTICAL_ELEMENTS,
    H_ALIGNMENT_SUPPORT_COMPOUND_SPIRALS,
    H_ALIGNMENT_DOESNT_SUPPORT_FIXED_AZ_FOR_ARCS,
    STAKEOUT_POINTS_FOR_REPORTS_EXP,
    REDUCED_TS_RAW_DATA_IS_USED_EXP,
    ARP_HEIGHT_IS_USED_IN_GPS_RAW_DATA_EXP,
    MANUAL_POINTS_WITH_RAW_DATA_EXP,
    RAW_POINTS_ARE_USED_EXP,
    XSECTIONS_SLOPES_ARE_STORED_SEPARATELY_IMP
  };

  // exportLibrary, importLibrary: base names of the plug-ins, without extension. extension: without
  // the leading dot. filterExtension: "description (pattern)|" segments joined by one blank.
  CIEFormat(const _GUID& guid, const CQelString& name, EDataDirections direction,
            const CQelString& exportLibrary, const CQelString& importLibrary, const CQelString& title,
            const CQelString& extension, const CQelString& filterExtension, TIEMask configurations,
            TIEMask usingModes, TIEMask dataTypes, TIEMask distUnits, TIEMask angleUnits, TIEMask parameters);
  CIEFormat(const CIEFormat& other) = default;
  CIEFormat& operator=(const CIEFormat&) = delete;
  CIEFormat(CIEFormat&&) = delete;
  CIEFormat& operator=(CIEFormat&&) = delete;
  ~CIEFormat() override;

  const _GUID& GetGUID() const;
  // Registry form: braces, upper-case hexadecimal digits in groups 8-4-4-4-12.
  CQelString GetGUIDAsString() const;
  // True when id is a GUID in registry form (digits in either case) equal to this format's.
  bool IsIdEqual(const unsigned short* id) const;

  // The library of the exporter (exportLibrary true) or of the importer.
  CQelString GetDLLName(bool exportLibrary) const;
  CQelString GetTitle() const;
  // With withDot a non-empty extension gets a leading "."; an empty one stays empty.
  CQelString GetExtension(bool withDot) const;
  const CQelString& GetFilterExtension() const;

  bool IsDataTypeSupported(EIEDataType type) const;
  bool IsDistUnitsTypeSupported(EDIST_UNITS units) const;
  bool IsAngleUnitsTypeSupported(EANGLE_UNITS units) const;
  bool IsParameterSupported(EParameterName parameter) const;
  // True when the format depends on a unit at all (its mask is not 0).
  bool AreDistUnitsUsed() const;
  bool AreAngleUnitsUsed() const;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  _GUID m_guid;
  CQelString m_strExportLibrary;
  CQelString m_strImportLibrary;
  CQelString m_strTitle;
  CQelString m_strExtension;
  CQelString m_strFilterExtension;
  TIEMask m_nDataTypes;
  TIEMask m_nDistUnits;
  TIEMask m_nAngleUnits;
  TIEMask m_nParameters;
};
