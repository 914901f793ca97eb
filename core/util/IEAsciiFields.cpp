#include "IEAsciiFields.h"

#include "IERounding.h"
#include "IEUtilsText.h"
#include "qel_formats.h"

namespace IEAsciiFields {
namespace {

struct TField {
  const char16_t* name;
  EType type;
  uint64_t owners;
};

constexpr uint64_t O(int n) { return uint64_t(1) << n; }
constexpr uint64_t kPoints3 = O(OWNER_POINTS) | O(OWNER_POINTS_BASIC) | O(OWNER_POINTS_QC);
constexpr uint64_t kPointsFull = O(OWNER_POINTS) | O(OWNER_POINTS_QC);
constexpr uint64_t kQc = O(OWNER_POINTS_QC);
constexpr uint64_t kStake = O(OWNER_STAKE_REPORT);
constexpr uint64_t kXs = O(OWNER_XSECTIONS);
constexpr uint64_t kStyle = O(OWNER_CODE_STYLE);
constexpr uint64_t kLib = O(OWNER_CODE_LIBRARY);

// The order is the order in which fields are offered to the user; it differs from the value
// order in a few places. Built at compile time, so it exists before any job starts.
constexpr TField kFields[] = {
    {u"Name", NAME, kPoints3},
    {u"Lat(North)", LAT_NORTH, kPoints3},
    {u"Lon(East)", LON_EAST, kPoints3},
    {u"Ht", HT, kPoints3},
    {u"Ht(G)", HT_G, kPoints3},
    {u"Notes", NOTES, kPointsFull},
    {u"Codes", CODES, kPoints3 | kStake},
    {u"Codes&Descriptions", CODES_DESCRIPTIONS, kPoints3 | kStake},
    {u"Codes&Strings", CODES_STRINGS, kPointsFull | kStake},
    {u"Codes&Attributes", CODES_ATTRIBUTES, kPointsFull | kStake},
    {u"FullCodes", FULL_CODES, kPointsFull | kStake},
    {u"HRMS", HRMS, kQc},
    {u"VRMS", VRMS, kQc},
    {u"Date", DATE, kQc},
    {u"Time", TIME, kQc},
    {u"HDOP", HDOP, kQc},
    {u"PDOP", PDOP, kQc},
    {u"VDOP", VDOP, kQc},
    {u"Solution Type", SOLUTION_TYPE, kQc},
    {u"GPS satellites", GPS_SATELLITES, kQc},
    {u"GLONASS satellites", GLONASS_SATELLITES, kQc},
    {u"HI", HI, kStake},
    {u"Backsight Pt", BACKSIGHT_PT, kStake},
    {u"Instrument Point", INSTRUMENT_POINT, kStake},
    {u"HR/Ant Ht.", HR_ANT_HT, kStake},
    {u"Design Point", DESIGN_POINT, kStake},
    {u"Staked Point", STAKED_POINT, kStake},
    {u"Cut", CUT, kStake},
    {u"Fill", FILL, kStake},
    {u"Cut(Fill)", CUT_FILL, kStake},
    {u"Time Stamp", TIME_STAMP, kStake},
    {u"Station", STATION, kStake},
    {u"Offset Direction", OFFSET_DIRECTION, kStake},
    {u"Offset Distance", OFFSET_DISTANCE, kStake},
    {u"Design North", DESIGN_NORTH, kStake},
    {u"Design East", DESIGN_EAST, kStake},
    {u"Design Elevation", DESIGN_ELEVATION, kStake},
    {u"Station North", STATION_NORTH, kStake},
    {u"Station East", STATION_EAST, kStake},
    {u"Station Elevation", STATION_ELEVATION, kStake},
    {u"Delta North", DELTA_NORTH, kStake},
    {u"Delta East", DELTA_EAST, kStake},
    {u"Delta Elevation", DELTA_ELEVATION, kStake},
    {u"Chainage", CHAINAGE, kStake},
    {u"PTL Distance", PTL_DISTANCE, kStake},
    {u"Delta H", DELTA_H, kStake},
    {u"Template Name", XS_TEMPLATE_NAME, kXs},
    {u"Road Side", XS_ROAD_SIDE, kXs},
    {u"Chainage", XS_CHAINAGE, kXs},
    {u"Offset From CL", XS_OFFSET_FROM_CL, kXs},
    {u"Offset From Prev. Seg.", XS_OFFSET_FROM_PREV_SEG, kXs},
    {u"Absolute Height", XS_ABSOLUTE_HEIGHT, kXs},
    {u"Height From CL", XS_HEIGHT_FROM_CL, kXs},
    {u"Height From Prev. Seg.", XS_HEIGHT_FROM_PREV_SEG, kXs},
    {u"Code", XS_CODE, kXs},
    {u"Cut", XS_CUT, kXs},
    {u"Fill", XS_FILL, kXs},
    {u"General Prefix", CS_GENERAL_PREFIX, kStyle},
    {u"Code Separator", CS_CODE_SEPARATOR, kStyle},
    {u"Code", CS_CODE, kStyle | kLib},
    {u"String Separator", CS_STRING_SEPARATOR, kStyle},
    {u"Code String", CS_CODE_STRING, kStyle},
    {u"Control Code Separator", CS_CONTROL_CODE_SEPARATOR, kStyle},
    {u"Control Code", CS_CONTROL_CODE, kStyle},
    {u"Note Separator", CS_NOTE_SEPARATOR, kStyle},
    {u"Note", CS_NOTE, kStyle},
    {u"Attribute Name Separator", CS_ATTRIBUTE_NAME_SEPARATOR, kStyle},
    {u"Attribute Name", CS_ATTRIBUTE_NAME, kStyle},
    {u"Attribute Value Separator", CS_ATTRIBUTE_VALUE_SEPARATOR, kStyle},
    {u"Attribute Value", CS_ATTRIBUTE_VALUE, kStyle},
    {u"Description", CL_DESCRIPTION, kLib},
    {u"Code Type", CL_CODE_TYPE, kLib},
    {u"Layer Name", CL_LAYER_NAME, kLib},
    {u"Layer Color", CL_LAYER_COLOR, kLib},
    {u"Layer Point Symbol", CL_LAYER_POINT_SYMBOL, kLib},
    {u"Layer Line Style", CL_LAYER_LINE_STYLE, kLib},
    {u"Layer Line Width", CL_LAYER_LINE_WIDTH, kLib},
    {u"Layer Area Style", CL_LAYER_AREA_STYLE, kLib},
    {u"Layer Area Transparency", CL_LAYER_AREA_TRANSPARENCY, kLib},
    {u"Code Point Symbol", CL_CODE_POINT_SYMBOL, kLib},
    {u"Code Point Color", CL_CODE_POINT_COLOR, kLib},
    {u"Code Line Style", CL_CODE_LINE_STYLE, kLib},
    {u"Code Line Width", CL_CODE_LINE_WIDTH, kLib},
    {u"Code Line Color", CL_CODE_LINE_COLOR, kLib},
    {u"Code Area Style", CL_CODE_AREA_STYLE, kLib},
    {u"Code Area Color", CL_CODE_AREA_COLOR, kLib},
    {u"Code Area Transparency", CL_CODE_AREA_TRANSPARENCY, kLib},
    {u"Code Attribute Prompt", CL_CODE_ATTRIBUTE_PROMPT, kLib},
    {u"Lat", LAT, kPoints3},
    {u"Lon", LON, kPoints3},
    {u"X", X, kPoints3},
    {u"Y", Y, kPoints3},
    {u"Z", Z, kPoints3},
    {u"Northing", NORTHING, kPoints3},
    {u"Easting", EASTING, kPoints3},
    {u"Geoid Separation", GEOID_SEPARATION, kPoints3},
    {u"Combined Scale Factor", COMBINED_SCALE_FACTOR, kPoints3},
    {u"Target Point", TARGET_POINT, kPoints3},
    {u"Azimuth", AZIMUTH, kPoints3},
    {u"Slope Distance", SLOPE_DISTANCE, kPoints3},
    {u"Hor Circle", HOR_CIRCLE, kPoints3},
    {u"Zenith Angle", ZENITH_ANGLE, kPoints3},
    {u"TS Type", TS_TYPE, kPoints3},
    {u"Vertical Anglee", VERTICAL_ANGLE, kPoints3},
    {u"Horizontal Distance", HORIZONTAL_DISTANCE, kPoints3},
    {u"Vertical Distance", VERTICAL_DISTANCE, kPoints3},
    {u"Offset Height", OFFSET_HEIGHT, kPoints3},
    {u"Base Antenna Type", BASE_ANTENNA_TYPE, kPoints3},
    {u"Rover Antenna Type", ROVER_ANTENNA_TYPE, kPoints3},
    {u"DX", DX, kPoints3},
    {u"DY", DY, kPoints3},
    {u"DZ", DZ, kPoints3},
    {u"SigmaX", SIGMA_X, kPoints3},
    {u"SigmaY", SIGMA_Y, kPoints3},
    {u"SigmaZ", SIGMA_Z, kPoints3},
    {u"CorXY", COR_XY, kPoints3},
    {u"CorXZ", COR_XZ, kPoints3},
    {u"CorYZ", COR_YZ, kPoints3},
    {u"CovXY", COV_XY, kPoints3},
    {u"CovXZ", COV_XZ, kPoints3},
    {u"CovYZ", COV_YZ, kPoints3},
    {u"Epochs count", EPOCHS_COUNT, kPoints3},
};
static_assert(sizeof(kFields) / sizeof(kFields[0]) == kFieldCount, "one entry per field type");

const TField* FindByValue(long value) {
  for (const TField& f : kFields)
    if (f.type == value) return &f;
  return nullptr;
}

bool OwnedBy(const TField& f, EOwner owner) { return (f.owners & IEUtils::ToFlag(owner)) != 0; }

// The ","-separated tokens of the text, trimmed; an empty text is one empty token.
IEUtils::CIEStringArray SplitAtCommas(const CQelString& text) {
  IEUtils::CIEStringArray tokens;
  IEUtils::ParseValues(text, tokens, u',', CQelString());
  return tokens;
}

}  // namespace

CQelString FieldsToString(const CTypesArray& types, unsigned short delimiter) {
  CQelString out;
  for (int i = 0; i < types.GetSize(); ++i) {
    const TField* f = FindByValue(types[i]);
    if (!f) continue;
    if (i != 0) out += delimiter;
    out += f->name;
  }
  return out;
}

bool StringToFields(const CQelString& text, CTypesArray& types, EOwner owner) {
  IEUtils::CIEStringArray tokens = SplitAtCommas(text);
  types.RemoveAll();
  for (const CQelString& token : tokens) {
    for (const TField& f : kFields) {
      if (OwnedBy(f, owner) && token == f.name) {
        types.Add(f.type);
        break;
      }
    }
  }
  return types.GetSize() == tokens.GetSize();
}

CQelString TypesToString(const CTypesArray& types) {
  CQelString out;
  for (int i = 0; i < types.GetSize(); ++i) {
    if (!FindByValue(types[i])) continue;
    if (i != 0) out += u',';
    out += qel_formats::IntToString(types[i]);
  }
  return out;
}

void StringToTypes(const CQelString& text, CTypesArray& types) {
  IEUtils::CIEStringArray tokens = SplitAtCommas(text);
  types.RemoveAll();
  for (const CQelString& token : tokens) {
    const TField* f = FindByValue(qel_formats::WideToLong(token));
    if (f) types.Add(f->type);
  }
}

int FindTypeInArray(EType type, const CTypesArray& types) {
  for (int i = 0; i < types.GetSize(); ++i)
    if (types[i] == type) return i;
  return -1;
}

bool IsArraysEqual(const CTypesArray& a, const CTypesArray& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (int i = 0; i < a.GetSize(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

void GetSupportedFieldsByOwner(CTypesArray& types, EOwner owner) {
  for (const TField& f : kFields)
    if (OwnedBy(f, owner)) types.Add(f.type);
}

}  // namespace IEAsciiFields
