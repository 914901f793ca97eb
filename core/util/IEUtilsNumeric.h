// Numeric helpers of IEUtils: units of distance, angle, temperature and pressure to and from the
// model's metres and decimal degrees, geographic coordinate text, number text and small
// rounding and plane-geometry helpers. All functions are stateless.
#pragma once

#include "IEDefs.h"
#include "IERounding.h"
#include "qel_text.h"

namespace IEUtils {

// Text styles of a geographic coordinate given in decimal degrees.
enum ECOORDS_STYLE {
  COORDS_DEC_DEG = 0,     // decimal degrees
  COORDS_DDD_MMSS = 1,    // packed D.MMSSsss
  COORDS_DDDMMSS_S = 2,   // DMMSS.sss
  COORDS_DDD_MM_SS = 3,   // D MM SS.sss
  COORDS_DDDMMSS = 4,     // DMMSS
  COORDS_PLAIN = 5,       // the plain value
  COORDS_DMS_SYMBOLS = 6  // D°MM'SS.sss" with an optional hemisphere letter
};

// Hemisphere letter of COORDS_DMS_SYMBOLS; any value above SIGN_LATITUDE means longitude (based on
// int, so that such values are valid).
enum ECOORDS_SIGN : int { SIGN_NONE = 0, SIGN_LATITUDE = 1, SIGN_LONGITUDE = 2 };

// The largest finite double: marks a missing value, which unit conversions pass unchanged.
constexpr double kMissingValue = 1.7976931348623157e+308;

// Distances. Despite their names the two "Factor" functions return converted values.
double ToMetersFactor(double value, EDIST_UNITS unit);
double FromMetersFactor(double meters, EDIST_UNITS unit);
double USFeet2Meter(double value);
double Meter2USFeet(double value);
double IFeet2Meter(double value);
double Meter2IFeet(double value);
// FFF.IIE: whole feet, two digits of inches, one digit of eighths of an inch.
double FFFII2Meter(double value, bool usFeet);
double Meter2FFFII(double meters, bool usFeet);
// The text's number (trailing characters ignored, 0 when empty) in metres.
double StringByStyleToDist(EDIST_UNITS unit, const CQelString& text);
// The text's number in metres when it is a valid decimal number (ok true), else 0.0.
double StringByStyleToDist(EDIST_UNITS unit, const CQelString& text, bool& ok);
CQelString DistByStyleToString(EDIST_UNITS unit, double meters, int decimals);

// Angles. The conversions from degrees normalise to [0, 360); those to degrees do not.
double Rad2Deg(double value);
double Deg2Rad(double value);
double Grad2Deg(double value);
double Deg2Grad(double value);
double Mil2Deg(double value);
double Deg2Mil(double value);
double ModDeg360(double value, bool positive);
// Packed D.MMSSsss to decimal degrees and back; precision is the number of decimals the packed
// value will be printed with, so that seconds that would print as 60 carry into the minutes.
double DDDMMSS2Deg(double packed);
double Deg2DDDMMSS(double degrees, int precision, bool keepFullRange);
double AngleToDecDeg(double value, EANGLE_UNITS unit);
double DecDegToAngle(EANGLE_UNITS unit, double degrees, int precision);
CQelString AngleByStyleToString(EANGLE_UNITS unit, double degrees, int precision);
double StringByStyleToAngle(EANGLE_UNITS unit, const CQelString& text);

// Geographic coordinates as text; precision -1 takes the style's default.
CQelString CoordsByStyleToString(ECOORDS_STYLE style, double degrees, int precision, ECOORDS_SIGN sign);
double StringByStyleToCoords(ECOORDS_STYLE style, const CQelString& text, bool& ok);

// Temperature from Celsius and pressure from hectopascal into the unit.
double FromCelsius(double value, ETEMPERATURE_UNITS unit);
double FromHPA(double value, EPRESSURE_UNITS unit);

// Number text, independent of the process locale. decimals < 0: shortest exact text.
CQelString DoubleToString(double value, int decimals = -1);
CQelString IntToString(int value);
// Fixed-width exponent text with the mantissa starting at the point: 1234.5 gives
// "0.12345000000000000E+04".
bool DoubleToString_WithExp(double value, CQelString& text);
// True when the text is a number; without the exponent form only digits, ',' '.' and a leading
// sign are accepted (surrounding white space allowed).
bool StringToDouble(const CQelString& text, double& value, bool exponentForm);
bool IsValidInteger(const CQelString& text);
bool IsValidDecimalNumber(const CQelString& text);

// Rounds half away from zero (despite the name); clamped to the range of int.
int TRUNC(double value);
double dNearInt(double value);
double CheckZeroVal(double value);
bool IsOdd(int value);
bool IsInBorders(double value, double low, double high);
// Scale from ellipsoid to ground; a radius not above 1 means the mean earth radius.
double getEllToGroundScale(double height, double radius);
double getElevationOnLine(double s1, double z1, double s2, double z2, double s);

// Plane geometry on points given as arrays of doubles (x at index 0, y at index 1).
double DTT(const double* p, const double* q);
double CTT(const double* p, const double* q);  // direction from p to q in radians
// Circle through three points: centre (three doubles, the third set to 0), radius and the
// directions a2, a3 from p2 and p3 to the centre. False for null points or collinear points.
bool ArcBy3Points(const double* p1, const double* p2, const double* p3, double* centre, double& radius,
                  double& a2, double& a3);

}  // namespace IEUtils
