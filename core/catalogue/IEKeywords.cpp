#include "IEKeywords.h"

#include <cstddef>

#include "IERounding.h"

namespace IEKeywords {
namespace {

struct TKeyword {
  int value;
  const char16_t* text;
};

// The enumerator and its keyword from one spelling, so that the two cannot drift apart.
#define IE_KEYWORD(scope, name) \
  { static_cast<int>(scope name), u"" #name }

constexpr TKeyword kConfigurations[] = {
    IE_KEYWORD(CIECommonType::, REGULAR), IE_KEYWORD(CIECommonType::, ONBOARD),
    IE_KEYWORD(CIECommonType::, JAPAN), IE_KEYWORD(CIECommonType::, CONTRACTOR)};

constexpr TKeyword kUsingModes[] = {IE_KEYWORD(CIECommonType::, EXPORT_IN_JAPAN),
                                    IE_KEYWORD(CIECommonType::, ONBOARD_WITH_SCANNING)};

constexpr TKeyword kDataTypes[] = {IE_KEYWORD(, POINTS),
                                   IE_KEYWORD(, CODES),
                                   IE_KEYWORD(, LINES),
                                   IE_KEYWORD(, AREAS),
                                   IE_KEYWORD(, PARCELS),
                                   IE_KEYWORD(, H_ALIGNMENTS),
                                   IE_KEYWORD(, V_ALIGNMENTS),
                                   IE_KEYWORD(, X_SECTIONS),
                                   IE_KEYWORD(, ROAD_STRINGS),
                                   IE_KEYWORD(, ROADS),
                                   IE_KEYWORD(, SURFACES),
                                   IE_KEYWORD(, POINT_LISTS),
                                   IE_KEYWORD(, X_SECTION_TEMPLATES),
                                   IE_KEYWORD(, ROAD_SURVEY),
                                   IE_KEYWORD(, LOCALIZATION),
                                   IE_KEYWORD(, SCANNING_DATA),
                                   IE_KEYWORD(, JOB_HISTORY),
                                   IE_KEYWORD(, LAYER_STATES),
                                   IE_KEYWORD(, RAW_DATA),
                                   IE_KEYWORD(, STAKE_REPORTS),
                                   IE_KEYWORD(, MULTIPLE)};

constexpr TKeyword kDistanceUnits[] = {
    IE_KEYWORD(EDIST_UNITS::, METERS),      IE_KEYWORD(EDIST_UNITS::, USFEET),
    IE_KEYWORD(EDIST_UNITS::, IFEET),       IE_KEYWORD(EDIST_UNITS::, USFEETINCHES),
    IE_KEYWORD(EDIST_UNITS::, IFEETINCHES), IE_KEYWORD(EDIST_UNITS::, USCHAINS),
    IE_KEYWORD(EDIST_UNITS::, ICHAINS),     IE_KEYWORD(EDIST_UNITS::, MILE),
    IE_KEYWORD(EDIST_UNITS::, INCHES),      IE_KEYWORD(EDIST_UNITS::, MILLIMETERS),
    IE_KEYWORD(EDIST_UNITS::, CENTIMETERS), IE_KEYWORD(EDIST_UNITS::, KILOMETERS),
    IE_KEYWORD(EDIST_UNITS::, MICROINCHES), IE_KEYWORD(EDIST_UNITS::, MILS),
    IE_KEYWORD(EDIST_UNITS::, IYARDS),      IE_KEYWORD(EDIST_UNITS::, USYARDS),
    IE_KEYWORD(EDIST_UNITS::, ANGSTROMS),   IE_KEYWORD(EDIST_UNITS::, NANOMETERS),
    IE_KEYWORD(EDIST_UNITS::, MICRONS),     IE_KEYWORD(EDIST_UNITS::, DECIMETERS),
    IE_KEYWORD(EDIST_UNITS::, DECAMETERS),  IE_KEYWORD(EDIST_UNITS::, HECTOMETER),
    IE_KEYWORD(EDIST_UNITS::, GIGAMETERS),  IE_KEYWORD(EDIST_UNITS::, ASTRONOMICAL_UNITS),
    IE_KEYWORD(EDIST_UNITS::, LIGHT_YEARS), IE_KEYWORD(EDIST_UNITS::, PARSECS),
    IE_KEYWORD(EDIST_UNITS::, ANY_UNITS)};

constexpr TKeyword kAngleUnits[] = {
    IE_KEYWORD(EANGLE_UNITS::, RADIANS),  IE_KEYWORD(EANGLE_UNITS::, GRADS_GONS),
    IE_KEYWORD(EANGLE_UNITS::, MILS),     IE_KEYWORD(EANGLE_UNITS::, DECDEG),
    IE_KEYWORD(EANGLE_UNITS::, DDDMMSSS), IE_KEYWORD(EANGLE_UNITS::, ANY_UNITS)};

constexpr TKeyword kParameters[] = {IE_KEYWORD(CIEFormat::, ABILITY_TO_ADD_ATTR_TYPE_TO_ATTR_EXP),
                                    IE_KEYWORD(CIEFormat::, ABILITY_TO_HAVE_ATTR_VALUES_IN_QUOTES_EXP),
                                    IE_KEYWORD(CIEFormat::, ABILITY_TO_USE_NUMERIC_POINT_NAMES_EXP),
                                    IE_KEYWORD(CIEFormat::, ABILITY_TO_USE_ZONES_FOR_XSECTIONS_EXP),
                                    IE_KEYWORD(CIEFormat::, ABILITY_TO_USE_CONTROL_CODES_AS_NOTES_EXP),
                                    IE_KEYWORD(CIEFormat::, ABILITY_TO_USE_DESCRIPTION_AS_ATTR_EXP),
                                    IE_KEYWORD(CIEFormat::, ABILITY_TO_STORE_GPS_POINTS_AS_MANUAL_EXP),
                                    IE_KEYWORD(CIEFormat::, ABILITY_TO_DEFINE_ATTRIBUTES_USING_EXP),
                                    IE_KEYWORD(CIEFormat::, ABILITY_TO_APPEND_TO_EXISTED_FILE_EXP),
                                    IE_KEYWORD(CIEFormat::, NUMERIC_POINTS_ARE_GENERATED_EXP),
                                    IE_KEYWORD(CIEFormat::, CS_IS_STORED_IN_THE_FILE),
                                    IE_KEYWORD(CIEFormat::, CUSTOM_FIELDS),
                                    IE_KEYWORD(CIEFormat::, CODE_STYLE_EXP),
                                    IE_KEYWORD(CIEFormat::, AUTODESK_SETTINGS_EXP),
                                    IE_KEYWORD(CIEFormat::, CODE_STRING_POINTS_ARRAY_EXP),
                                    IE_KEYWORD(CIEFormat::, ROADS_DEFINED_BY_POINTS_ARRAY),
                                    IE_KEYWORD(CIEFormat::, PHOTO_NOTES),
                                    IE_KEYWORD(CIEFormat::, MULTIPLE_FILES_EXP),
                                    IE_KEYWORD(CIEFormat::, DRAW_DATA_EXP),
                                    IE_KEYWORD(CIEFormat::, CODE_WITH_ATTRS_EXP),
                                    IE_KEYWORD(CIEFormat::, PTL_POINTS_EXP),
                                    IE_KEYWORD(CIEFormat::, PTL_SIGN_IN_POINT_NAME_EXP),
                                    IE_KEYWORD(CIEFormat::, GPS_RAWDATA_EXP),
                                    IE_KEYWORD(CIEFormat::, TS_RAWDATA_EXP),
                                    IE_KEYWORD(CIEFormat::, DL_RAWDATA_EXP),
                                    IE_KEYWORD(CIEFormat::, SURVEY_XSECT_ROADS_EXP),
                                    IE_KEYWORD(CIEFormat::, SURVEY_FIND_STA_ROADS_EXP),
                                    IE_KEYWORD(CIEFormat::, MULTIPLE_STAION_POINTS),
                                    IE_KEYWORD(CIEFormat::, PLANE_COORDS_FOR_GPS_POINTS_EXP),
                                    IE_KEYWORD(CIEFormat::, XYZ_COORDS_IN_GPS_RAW_DATA_EXP),
                                    IE_KEYWORD(CIEFormat::, NEZ_COV_MATRIX_IN_GPS_RAW_DATA_EXP),
                                    IE_KEYWORD(CIEFormat::, COORDS_IN_DISPLAY_CS_IN_GPS_POSITIONS_EXP),
                                    IE_KEYWORD(CIEFormat::, COMPOSITE_LINES_FOR_LINEWORK),
                                    IE_KEYWORD(CIEFormat::, SUPPORT_POINT_LISTS),
                                    IE_KEYWORD(CIEFormat::, POINTS_IN_ALPHABETICAL_ORDER_EXP),
                                    IE_KEYWORD(CIEFormat::, BS_POINT_MUST_EXIST),
                                    IE_KEYWORD(CIEFormat::, V_ALIGNMENT_SUPPORTS_ONLY_ARCS),
                                    IE_KEYWORD(CIEFormat::, V_ALIGNMENT_SUPPORT_ARCS),
                                    IE_KEYWORD(CIEFormat::, V_ALIGNMENT_SUPPORT_LONG_SECTIONS),
                                    IE_KEYWORD(CIEFormat::, V_ALIGNMENT_SUPPORT_VERTICAL_ELEMENTS),
                                    IE_KEYWORD(CIEFormat::, H_ALIGNMENT_SUPPORT_COMPOUND_SPIRALS),
                                    IE_KEYWORD(CIEFormat::, H_ALIGNMENT_DOESNT_SUPPORT_FIXED_AZ_FOR_ARCS),
                                    IE_KEYWORD(CIEFormat::, STAKEOUT_POINTS_FOR_REPORTS_EXP),
                                    IE_KEYWORD(CIEFormat::, REDUCED_TS_RAW_DATA_IS_USED_EXP),
                                    IE_KEYWORD(CIEFormat::, ARP_HEIGHT_IS_USED_IN_GPS_RAW_DATA_EXP),
                                    IE_KEYWORD(CIEFormat::, MANUAL_POINTS_WITH_RAW_DATA_EXP),
                                    IE_KEYWORD(CIEFormat::, RAW_POINTS_ARE_USED_EXP),
                                    IE_KEYWORD(CIEFormat::, XSECTIONS_SLOPES_ARE_STORED_SEPARATELY_IMP)};

#undef IE_KEYWORD

// Each table is indexed by value: entry i must be the keyword of value i.
template <size_t N>
constexpr bool IsIndexedByValue(const TKeyword (&table)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (table[i].value != static_cast<int>(i)) return false;
  return true;
}
static_assert(IsIndexedByValue(kConfigurations) && IsIndexedByValue(kUsingModes) &&
                  IsIndexedByValue(kDataTypes) && IsIndexedByValue(kDistanceUnits) &&
                  IsIndexedByValue(kAngleUnits) && IsIndexedByValue(kParameters),
              "keyword tables must list every value in order");
static_assert(sizeof kDataTypes / sizeof kDataTypes[0] == EIEDataType_COUNT, "one keyword per data type");
static_assert(sizeof kDistanceUnits / sizeof kDistanceUnits[0] == EDIST_UNITS_COUNT, "one per unit");
static_assert(sizeof kAngleUnits / sizeof kAngleUnits[0] == EANGLE_UNITS_COUNT, "one per unit");
static_assert(sizeof kParameters / sizeof kParameters[0] == 48, "48 format parameters");

struct TKeywordTable {
  const TKeyword* entries;
  int count;
  const char16_t* section;
};

template <size_t N>
constexpr TKeywordTable MakeTable(const TKeyword (&table)[N], const char16_t* section) {
  return {table, static_cast<int>(N), section};
}

// Indexed by EMaskKind; "AngeUnits" is spelt so in every settings file ever written.
constexpr TKeywordTable kTables[MASK_KIND_COUNT] = {
    MakeTable(kConfigurations, u"Configurations"), MakeTable(kUsingModes, u"UsingModes"),
    MakeTable(kDataTypes, u"DataTypes"),           MakeTable(kDistanceUnits, u"DistanceUnits"),
    MakeTable(kAngleUnits, u"AngeUnits"),          MakeTable(kParameters, u"Parameters")};

const TKeywordTable* TableOf(EMaskKind kind) {
  return kind >= 0 && kind < MASK_KIND_COUNT ? &kTables[kind] : nullptr;
}

bool Equals(const char16_t* keyword, const unsigned short* text) {
  for (; *keyword; ++keyword, ++text)
    if (*text != *keyword) return false;
  return *text == 0;
}

}  // namespace

int GetKeywordCount(EMaskKind kind) {
  const TKeywordTable* table = TableOf(kind);
  return table ? table->count : 0;
}

const char16_t* GetKeyword(EMaskKind kind, int value) {
  const TKeywordTable* table = TableOf(kind);
  return table && value >= 0 && value < table->count ? table->entries[value].text : nullptr;
}

int FindKeyword(EMaskKind kind, const unsigned short* text) {
  const TKeywordTable* table = TableOf(kind);
  if (!table || !text) return -1;
  for (int i = 0; i < table->count; ++i)
    if (Equals(table->entries[i].text, text)) return i;
  return -1;
}

const char16_t* GetSectionName(EMaskKind kind) {
  const TKeywordTable* table = TableOf(kind);
  return table ? table->section : nullptr;
}

const char16_t* GetDirectionKeyword(CIECommonType::EDataDirections direction) {
  switch (direction) {
    case CIECommonType::DIRECTION_IMPORT:
      return u"Import";
    case CIECommonType::DIRECTION_EXPORT:
      return u"Export";
    default:
      return u"ImportExport";
  }
}

TIEMask CollectMask(const CIECommonType& entry, EMaskKind kind) {
  TIEMask mask = 0;
  for (int v = 0; v < GetKeywordCount(kind); ++v) {
    bool set = false;
    if (kind == MASK_CONFIGURATIONS)
      set = entry.IsConfigurationSupported(static_cast<CIECommonType::ESupportedConfigurations>(v));
    else if (kind == MASK_USING_MODES)
      set = entry.IsUsingModeApplied(static_cast<CIECommonType::EUsingModes>(v));
    if (set) mask |= IEUtils::ToFlag(v);
  }
  return mask;
}

TIEMask CollectMask(const CIEFormat& format, EMaskKind kind) {
  if (kind == MASK_CONFIGURATIONS || kind == MASK_USING_MODES)
    return CollectMask(static_cast<const CIECommonType&>(format), kind);
  TIEMask mask = 0;
  for (int v = 0; v < GetKeywordCount(kind); ++v) {
    bool set = false;
    if (kind == MASK_DATA_TYPES)
      set = format.IsDataTypeSupported(static_cast<EIEDataType>(v));
    else if (kind == MASK_DISTANCE_UNITS)
      set = format.IsDistUnitsTypeSupported(static_cast<EDIST_UNITS>(v));
    else if (kind == MASK_ANGLE_UNITS)
      set = format.IsAngleUnitsTypeSupported(static_cast<EANGLE_UNITS>(v));
    else
      set = format.IsParameterSupported(static_cast<CIEFormat::EParameterName>(v));
    if (set) mask |= IEUtils::ToFlag(v);
  }
  return mask;
}

}  // namespace IEKeywords
