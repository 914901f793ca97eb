// Types shared by every family of exchcore and by the plug-ins: job results, unit enumerations
// and the data types that formats and jobs carry.
#pragma once

#include <cstdint>

// Result of every job and job step: positive values report success, negative ones failure.
enum EIEResult {
  IE_RESULT_OK = 20,
  IE_RESULT_INVALID_NAMES = 4,
  IE_RESULT_NOTHING_DONE = -1,
  IE_RESULT_BAD_FILE = -10,
  IE_RESULT_NO_ENGINE = -11,
  IE_RESULT_CANNOT_OPEN = -12,
  IE_RESULT_NO_PARSER = -13,
  IE_RESULT_NO_JOB_HISTORY = -15,
  IE_RESULT_STOPPED = -16,
  IE_RESULT_OUT_OF_MEMORY = -17,
  IE_RESULT_FAILED = -20
};

// Distance units; the enumerators are the keywords of the formats settings file. ANY_UNITS also
// marks a unit that is not set. Scoped, since MILS and ANY_UNITS are angle units too.
enum class EDIST_UNITS : int {
  METERS,
  USFEET,
  IFEET,
  USFEETINCHES,
  IFEETINCHES,
  USCHAINS,
  ICHAINS,
  MILE,
  INCHES,
  MILLIMETERS,
  CENTIMETERS,
  KILOMETERS,
  MICROINCHES,
  MILS,
  IYARDS,
  USYARDS,
  ANGSTROMS,
  NANOMETERS,
  MICRONS,
  DECIMETERS,
  DECAMETERS,
  HECTOMETER,
  GIGAMETERS,
  ASTRONOMICAL_UNITS,
  LIGHT_YEARS,
  PARSECS,
  ANY_UNITS
};
constexpr int EDIST_UNITS_COUNT = 27;

// Angle units: MILS count 6400 per turn, DDDMMSSS is the packed form D.MMSSsss.
enum class EANGLE_UNITS : int { RADIANS, GRADS_GONS, MILS, DECDEG, DDDMMSSS, ANY_UNITS };
constexpr int EANGLE_UNITS_COUNT = 6;

// Fixed underlying types: settings may carry values outside the list, which conversions pass
// through unchanged.
enum ETEMPERATURE_UNITS : int { TEMPERATURE_FAHRENHEIT, TEMPERATURE_CELSIUS };
enum EPRESSURE_UNITS : int { PRESSURE_MMHG, PRESSURE_HPA, PRESSURE_INHG, PRESSURE_MBAR };

// The exchangeable data types; the enumerators are the keywords of the formats settings file.
enum EIEDataType {
  POINTS,
  CODES,
  LINES,
  AREAS,
  PARCELS,
  H_ALIGNMENTS,
  V_ALIGNMENTS,
  X_SECTIONS,
  ROAD_STRINGS,
  ROADS,
  SURFACES,
  POINT_LISTS,
  X_SECTION_TEMPLATES,
  ROAD_SURVEY,
  LOCALIZATION,
  SCANNING_DATA,
  JOB_HISTORY,
  LAYER_STATES,
  RAW_DATA,
  STAKE_REPORTS,
  MULTIPLE
};
constexpr int EIEDataType_COUNT = 21;

// Bit n of a capability mask stands for the enumerator with value n.
typedef uint64_t TIEMask;
