#include <cmath>
#include <cstdint>
#include <cstring>

#include "IEUtilsNumeric.h"
#include "qel_formats.h"

namespace IEUtils {
namespace {

double FromBits(uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

constexpr double kPi = 3.141592653589793;
constexpr double kUsFeetToMeters = 0.3048006096012192;  // 1200/3937
// 3.2808333333333337, the value the stored files were written with, kept bit for bit.
const double kMetersToUsFeet = FromBits(0x400A3F258BF258C0ull);
constexpr double kIFeetToMeters = 0.3048;
constexpr double kMetersToIFeet = 3.280839895013123;

// Metres per unit and units per metre of the units converted by a single multiplication; 0 marks
// the units handled elsewhere.
struct TDistFactor {
  double toMeters;
  double fromMeters;
};
constexpr TDistFactor kDistFactors[EDIST_UNITS_COUNT] = {
    {0, 0},  // METERS
    {0, 0},  // USFEET
    {0, 0},  // IFEET
    {0, 0},  // USFEETINCHES
    {0, 0},  // IFEETINCHES
    {20.116840233680467, 0.04970959595959596},
    {20.1168, 0.049709695378986715},
    {1609.344, 0.0006213711922373339},
    {0.0254, 39.37007874015748},
    {0.001, 1000.0},
    {0.01, 100.0},
    {1000.0, 0.001},
    {2.54e-08, 39370078.740157485},
    {2.54e-05, 39370.07874015748},
    {0.9144, 1.0936132983377078},
    {0.9144018288036576, 1.0936111111111111},
    {1e-10, 1e+10},
    {1e-09, 999999999.9999999},
    {1e-06, 1000000.0},
    {0.1, 10.0},
    {10.0, 0.1},
    {100.0, 0.01},
    {1000000000.0, 1e-09},
    {149597870691.0, 6.684587122670599e-12},
    {9460730472580800.0, 1.0570008340246154e-16},
    {3.08567782e+16, 3.2407790389471053e-17},
    {0, 0},  // ANY_UNITS
};

// The feet, inch and angle conversions scale by a million first; the rounding of each of the
// three products is part of the values stored files hold.
double Scaled(double value, double factor) { return value * 1000000.0 * factor * 0.000001; }

// Whole feet, inches and eighths with eighths carried into inches and inches into feet.
void CarryInches(double& feet, double& inches, double& eighths) {
  if (eighths >= 8.0) {
    inches += std::floor(eighths / 8.0);
    eighths = std::fmod(eighths, 8.0);
  }
  if (inches >= 12.0) {
    feet += std::floor(inches / 12.0);
    inches = std::fmod(inches, 12.0);
  }
}

// The decimals a packed angle is printed with when the caller asks for the default.
constexpr int kDefaultPackedDecimals = 12;

}  // namespace

double USFeet2Meter(double value) { return Scaled(value, kUsFeetToMeters); }
double Meter2USFeet(double value) { return Scaled(value, kMetersToUsFeet); }
double IFeet2Meter(double value) { return Scaled(value, kIFeetToMeters); }
double Meter2IFeet(double value) { return Scaled(value, kMetersToIFeet); }

double FFFII2Meter(double value, bool usFeet) {
  const bool negative = value < 0;
  const double a = std::fabs(value);
  double feet = std::floor(a);
  const double t = (a - feet) * 100.0;
  double inches = std::floor(t);
  double eighths = 0.0;
  if (inches + 1.0 - t < 1e-07) {
    inches += 1.0;
  } else {
    const double t2 = (t - inches) * 10.0;
    eighths = std::floor(t2);
    if (eighths + 1.0 - t2 < 1e-07) eighths += 1.0;
  }
  CarryInches(feet, inches, eighths);
  double result = (eighths * 0.125 + inches) * 0.08333333333333333 + feet;
  if (negative) result = -result;
  return usFeet ? USFeet2Meter(result) : IFeet2Meter(result);
}

double Meter2FFFII(double meters, bool usFeet) {
  const double feetValue = usFeet ? Meter2USFeet(meters) : Meter2IFeet(meters);
  const double a = std::fabs(feetValue);
  double feet = std::trunc(a);
  const double t = (a - feet) * 12.0;
  double inches = std::trunc(t);
  double eighths = std::trunc(dNearInt((t - inches) * 8.0));
  CarryInches(feet, inches, eighths);
  const double result = eighths * 0.001 + inches * 0.01 + feet;
  return feetValue < 0 ? -result : result;
}

double ToMetersFactor(double value, EDIST_UNITS unit) {
  if (value == kMissingValue) return value;
  switch (unit) {
    case EDIST_UNITS::USFEET:
      return USFeet2Meter(value);
    case EDIST_UNITS::IFEET:
      return IFeet2Meter(value);
    case EDIST_UNITS::USFEETINCHES:
      return FFFII2Meter(value, true);
    case EDIST_UNITS::IFEETINCHES:
      return FFFII2Meter(value, false);
    default:
      break;
  }
  const int u = static_cast<int>(unit);
  if (u < 0 || u >= EDIST_UNITS_COUNT || kDistFactors[u].toMeters == 0) return value;
  return value * kDistFactors[u].toMeters;
}

double FromMetersFactor(double meters, EDIST_UNITS unit) {
  if (meters == kMissingValue) return meters;
  switch (unit) {
    case EDIST_UNITS::USFEET:
      return Meter2USFeet(meters);
    case EDIST_UNITS::IFEET:
      return Meter2IFeet(meters);
    case EDIST_UNITS::USFEETINCHES:
      return Meter2FFFII(meters, true);
    case EDIST_UNITS::IFEETINCHES:
      return Meter2FFFII(meters, false);
    default:
      break;
  }
  const int u = static_cast<int>(unit);
  if (u < 0 || u >= EDIST_UNITS_COUNT || kDistFactors[u].fromMeters == 0) return meters;
  return meters * kDistFactors[u].fromMeters;
}

double StringByStyleToDist(EDIST_UNITS unit, const CQelString& text) {
  if (text.IsEmpty()) return 0.0;
  return ToMetersFactor(qel_formats::WideToDouble(text), unit);
}

double StringByStyleToDist(EDIST_UNITS unit, const CQelString& text, bool& ok) {
  double value = 0.0;
  ok = StringToDouble(text, value, false);
  return ok ? ToMetersFactor(value, unit) : 0.0;
}

CQelString DistByStyleToString(EDIST_UNITS unit, double meters, int decimals) {
  return DoubleToString(FromMetersFactor(meters, unit), decimals);
}

double ModDeg360(double value, bool positive) {
  double r = std::fmod(value, 360.0);
  if (positive && r < 0) r += 360.0;
  return r;
}

double Rad2Deg(double value) { return Scaled(value, 180.0 / kPi); }
double Deg2Rad(double value) { return Scaled(ModDeg360(value, true), kPi * 0.005555555555555556); }
double Grad2Deg(double value) { return Scaled(value, 0.9); }
double Deg2Grad(double value) { return Scaled(ModDeg360(value, true), 1.1111111111111112); }
double Mil2Deg(double value) { return Scaled(value, 0.05625); }
double Deg2Mil(double value) { return Scaled(ModDeg360(value, true), 17.77777777777778); }

double DDDMMSS2Deg(double packed) {
  const bool negative = packed < 0;
  const double a = std::fmod(std::fabs(packed), 360.0);
  double d = std::floor(a);
  const double t = (a - d) * 100.0;
  double m = std::floor(t);
  double s = (t - m) * 100.0;
  if ((m + 1.0) - t < 1e-07) {
    m += 1.0;
    s = 0.0;
  }
  if (std::fabs(s - 60.0) < 0.00036) {
    m += 1.0;
    s = 0.0;
  }
  if (m > 59.0) {
    d += 1.0;
    m = std::fmod(m, 60.0);
  }
  if (d > 359.0) d -= 360.0;
  const double result = s * 0.0002777777777777778 + m * 0.016666666666666666 + d;
  return negative ? -result : result;
}

double Deg2DDDMMSS(double degrees, int precision, bool keepFullRange) {
  // A negative precision asks for the default text; without this the carry threshold below
  // would exceed a minute and every value would gain one.
  if (precision < 0) precision = kDefaultPackedDecimals;
  const bool negative = degrees < 0;
  if (!keepFullRange) degrees = std::fmod(degrees, 360.0);
  const double v = std::fabs(degrees);
  double d = std::floor(v);
  const double m = (v - d) * 60.0;
  double mm = std::floor(m);
  double s = (m - mm) * 60.0;
  if (std::fabs(s - 60.0) < 5.0 / std::pow(10.0, precision - 3)) {
    mm += 1.0;
    s = 0.0;
  }
  if (mm > 59.0) {
    d += 1.0;
    mm = std::fmod(mm, 60.0);
  }
  if (!keepFullRange && d > 359.0) d -= 360.0;
  const double result = mm * 0.01 + d + s * 0.0001;
  return negative ? -result : result;
}

double AngleToDecDeg(double value, EANGLE_UNITS unit) {
  if (value == kMissingValue) return value;
  switch (unit) {
    case EANGLE_UNITS::RADIANS:
      return Rad2Deg(value);
    case EANGLE_UNITS::GRADS_GONS:
      return Grad2Deg(value);
    case EANGLE_UNITS::MILS:
      return Mil2Deg(value);
    case EANGLE_UNITS::DDDMMSSS:
      return DDDMMSS2Deg(value);
    default:
      return value;
  }
}

double DecDegToAngle(EANGLE_UNITS unit, double degrees, int precision) {
  switch (unit) {
    case EANGLE_UNITS::RADIANS:
      return Deg2Rad(degrees);
    case EANGLE_UNITS::GRADS_GONS:
      return Deg2Grad(degrees);
    case EANGLE_UNITS::MILS:
      return Deg2Mil(degrees);
    case EANGLE_UNITS::DDDMMSSS:
      return Deg2DDDMMSS(degrees, precision, false);
    default:
      return degrees;
  }
}

CQelString AngleByStyleToString(EANGLE_UNITS unit, double degrees, int precision) {
  return DoubleToString(DecDegToAngle(unit, degrees, precision), precision);
}

double StringByStyleToAngle(EANGLE_UNITS unit, const CQelString& text) {
  if (text.IsEmpty()) return 0.0;
  return AngleToDecDeg(qel_formats::WideToDouble(text), unit);
}

double FromCelsius(double value, ETEMPERATURE_UNITS unit) {
  return unit == TEMPERATURE_FAHRENHEIT ? value * 1.8 + 32.0 : value;
}

double FromHPA(double value, EPRESSURE_UNITS unit) {
  switch (unit) {
    case PRESSURE_MMHG:
      return value * 0.7500615758456564;
    case PRESSURE_INHG:
      return value * 0.02953;
    default:
      return value;
  }
}

}  // namespace IEUtils
