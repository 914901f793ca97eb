// IEAsciiFields: the fixed vocabulary of fields that user-defined text formats may place on a
// line, with the kinds of file (owners) that may use each field, and conversions of field
// layouts to and from text.
#pragma once

#include "qel_templ.h"
#include "qel_text.h"

namespace IEAsciiFields {

// Kinds of custom file; used as bit numbers of the owner masks.
enum EOwner {
  OWNER_POINTS = 0,
  OWNER_POINTS_BASIC = 1,
  OWNER_POINTS_QC = 2,
  OWNER_STAKE_REPORT = 3,
  OWNER_XSECTIONS = 4,
  OWNER_CODE_STYLE = 5,
  OWNER_CODE_LIBRARY = 6
};

// The fields; each value names one field. Values are stored in settings: never renumber. Based
// on int, so that any number read back is a valid value that lookups can reject.
// Prefixes: XS_ cross-section fields, CS_ pieces of the code style, CL_ code-library columns.
enum EType : int {
  NAME = 0,
  LAT_NORTH = 1,
  LON_EAST = 2,
  HT = 3,
  HT_G = 4,
  NOTES = 5,
  CODES = 6,
  CODES_DESCRIPTIONS = 7,
  CODES_STRINGS = 8,
  CODES_ATTRIBUTES = 9,
  FULL_CODES = 10,
  HRMS = 11,
  VRMS = 12,
  DATE = 13,
  TIME = 14,
  PDOP = 15,
  HDOP = 16,
  VDOP = 17,
  SOLUTION_TYPE = 18,
  GPS_SATELLITES = 19,
  GLONASS_SATELLITES = 20,
  HI = 21,
  BACKSIGHT_PT = 22,
  INSTRUMENT_POINT = 23,
  HR_ANT_HT = 24,
  DESIGN_POINT = 25,
  STAKED_POINT = 26,
  CUT = 27,
  FILL = 28,
  CUT_FILL = 29,
  TIME_STAMP = 30,
  STATION = 31,
  OFFSET_DIRECTION = 32,
  OFFSET_DISTANCE = 33,
  DESIGN_NORTH = 34,
  DESIGN_EAST = 35,
  DESIGN_ELEVATION = 36,
  STATION_NORTH = 37,
  STATION_EAST = 38,
  STATION_ELEVATION = 39,
  DELTA_NORTH = 40,
  DELTA_EAST = 41,
  DELTA_ELEVATION = 42,
  CHAINAGE = 43,
  PTL_DISTANCE = 44,
  DELTA_H = 45,
  XS_TEMPLATE_NAME = 46,
  XS_ROAD_SIDE = 47,
  XS_CHAINAGE = 48,
  XS_OFFSET_FROM_CL = 49,
  XS_OFFSET_FROM_PREV_SEG = 50,
  XS_ABSOLUTE_HEIGHT = 51,
  XS_HEIGHT_FROM_CL = 52,
  XS_HEIGHT_FROM_PREV_SEG = 53,
  XS_CODE = 54,
  XS_CUT = 55,
  XS_FILL = 56,
  CS_GENERAL_PREFIX = 57,
  CS_CODE = 58,
  CS_CODE_SEPARATOR = 59,
  CS_CONTROL_CODE = 60,
  CS_CONTROL_CODE_SEPARATOR = 61,
  CS_CODE_STRING = 62,
  CS_STRING_SEPARATOR = 63,
  CS_NOTE = 64,
  CS_NOTE_SEPARATOR = 65,
  CS_ATTRIBUTE_NAME = 66,
  CS_ATTRIBUTE_NAME_SEPARATOR = 67,
  CS_ATTRIBUTE_VALUE = 68,
  CS_ATTRIBUTE_VALUE_SEPARATOR = 69,
  CL_DESCRIPTION = 70,
  CL_CODE_TYPE = 71,
  CL_LAYER_NAME = 72,
  CL_LAYER_COLOR = 73,
  CL_LAYER_POINT_SYMBOL = 74,
  CL_LAYER_LINE_STYLE = 75,
  CL_LAYER_LINE_WIDTH = 76,
  CL_LAYER_AREA_STYLE = 77,
  CL_LAYER_AREA_TRANSPARENCY = 78,
  CL_CODE_POINT_SYMBOL = 79,
  CL_CODE_POINT_COLOR = 80,
  CL_CODE_LINE_STYLE = 81,
  CL_CODE_LINE_WIDTH = 82,
  CL_CODE_LINE_COLOR = 83,
  CL_CODE_AREA_STYLE = 84,
  CL_CODE_AREA_COLOR = 85,
  CL_CODE_AREA_TRANSPARENCY = 86,
  CL_CODE_ATTRIBUTE_PROMPT = 87,
  LAT = 88,
  LON = 89,
  X = 90,
  Y = 91,
  Z = 92,
  NORTHING = 93,
  EASTING = 94,
  GEOID_SEPARATION = 95,
  COMBINED_SCALE_FACTOR = 96,
  TARGET_POINT = 97,
  AZIMUTH = 98,
  SLOPE_DISTANCE = 99,
  HOR_CIRCLE = 100,
  ZENITH_ANGLE = 101,
  TS_TYPE = 102,
  VERTICAL_ANGLE = 103,
  HORIZONTAL_DISTANCE = 104,
  VERTICAL_DISTANCE = 105,
  OFFSET_HEIGHT = 106,
  BASE_ANTENNA_TYPE = 107,
  ROVER_ANTENNA_TYPE = 108,
  DX = 109,
  DY = 110,
  DZ = 111,
  SIGMA_X = 112,
  SIGMA_Y = 113,
  SIGMA_Z = 114,
  COR_XY = 115,
  COR_XZ = 116,
  COR_YZ = 117,
  COV_XY = 118,
  COV_XZ = 119,
  COV_YZ = 120,
  EPOCHS_COUNT = 121
};
constexpr int kFieldCount = 122;

typedef qel_templ::CQelArray<EType, EType> CTypesArray;

// The names of the types in order, separated by the delimiter; unknown types add nothing.
CQelString FieldsToString(const CTypesArray& types, unsigned short delimiter);
// The types of the ","-separated names the owner may use; true when every name was recognised.
bool StringToFields(const CQelString& text, CTypesArray& types, EOwner owner);
// The decimal values of the known types, separated by ",".
CQelString TypesToString(const CTypesArray& types);
// The types of the ","-separated decimal values; unknown values are skipped.
void StringToTypes(const CQelString& text, CTypesArray& types);
int FindTypeInArray(EType type, const CTypesArray& types);
bool IsArraysEqual(const CTypesArray& a, const CTypesArray& b);
// Appends the owner's fields in the table's order (the order shown to the user).
void GetSupportedFieldsByOwner(CTypesArray& types, EOwner owner);

}  // namespace IEAsciiFields
