#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "IEHelpers.h"
#include "support/TestSupport.h"

using namespace IEUtils;

namespace {

std::string Narrow(const CQelString& s) {
  std::string out;
  for (int i = 0; i < s.GetLength(); ++i) {
    unsigned c = s[i];
    if (c < 0x80)
      out += static_cast<char>(c);
    else
      out += "\xC2\xB0";  // the only non-ASCII character these texts hold is the degree sign
  }
  return out;
}

EDIST_UNITS Dist(int u) { return static_cast<EDIST_UNITS>(u); }

}  // namespace

TEST(IEUtilsUnits, SingleFactorDistanceUnits) {
  struct Row {
    EDIST_UNITS unit;
    double toMeters;
    double fromMeters;
  } rows[] = {
      {EDIST_UNITS::USCHAINS, 20.116840233680467, 0.04970959595959596},
      {EDIST_UNITS::ICHAINS, 20.1168, 0.049709695378986715},
      {EDIST_UNITS::MILE, 1609.344, 0.0006213711922373339},
      {EDIST_UNITS::INCHES, 0.0254, 39.37007874015748},
      {EDIST_UNITS::MILLIMETERS, 0.001, 1000.0},
      {EDIST_UNITS::CENTIMETERS, 0.01, 100.0},
      {EDIST_UNITS::KILOMETERS, 1000.0, 0.001},
      {EDIST_UNITS::MICROINCHES, 2.54e-08, 39370078.740157485},
      {EDIST_UNITS::MILS, 2.54e-05, 39370.07874015748},
      {EDIST_UNITS::IYARDS, 0.9144, 1.0936132983377078},
      {EDIST_UNITS::USYARDS, 0.9144018288036576, 1.0936111111111111},
      {EDIST_UNITS::ANGSTROMS, 1e-10, 1e+10},
      {EDIST_UNITS::NANOMETERS, 1e-09, 999999999.9999999},
      {EDIST_UNITS::MICRONS, 1e-06, 1000000.0},
      {EDIST_UNITS::DECIMETERS, 0.1, 10.0},
      {EDIST_UNITS::DECAMETERS, 10.0, 0.1},
      {EDIST_UNITS::HECTOMETER, 100.0, 0.01},
      {EDIST_UNITS::GIGAMETERS, 1000000000.0, 1e-09},
      {EDIST_UNITS::ASTRONOMICAL_UNITS, 149597870691.0, 6.684587122670599e-12},
      {EDIST_UNITS::LIGHT_YEARS, 9460730472580800.0, 1.0570008340246154e-16},
      {EDIST_UNITS::PARSECS, 3.08567782e+16, 3.2407790389471053e-17},
  };
  for (const Row& r : rows) {
    const int u = static_cast<int>(r.unit);
    EXPECT_EQ(r.toMeters, ToMetersFactor(1.0, r.unit)) << u;
    EXPECT_EQ(r.fromMeters, FromMetersFactor(1.0, r.unit)) << u;
    EXPECT_EQ(2.5 * r.toMeters, ToMetersFactor(2.5, r.unit)) << u;
    EXPECT_EQ(-3.0 * r.fromMeters, FromMetersFactor(-3.0, r.unit)) << u;
  }
  EXPECT_DOUBLE_EQ(1.0, FromMetersFactor(1609.344, EDIST_UNITS::MILE));
}

TEST(IEUtilsUnits, UnchangedValuesAndMissingValue) {
  for (double v : {0.0, 12.75, -3.5}) {
    EXPECT_EQ(v, ToMetersFactor(v, EDIST_UNITS::METERS));
    EXPECT_EQ(v, FromMetersFactor(v, EDIST_UNITS::METERS));
    EXPECT_EQ(v, ToMetersFactor(v, EDIST_UNITS::ANY_UNITS));
    EXPECT_EQ(v, FromMetersFactor(v, EDIST_UNITS::ANY_UNITS));
    EXPECT_EQ(v, ToMetersFactor(v, Dist(27)));
    EXPECT_EQ(v, FromMetersFactor(v, Dist(-1)));
  }
  for (int u = 0; u <= 26; ++u) {
    EXPECT_EQ(kMissingValue, ToMetersFactor(kMissingValue, Dist(u))) << u;
    EXPECT_EQ(kMissingValue, FromMetersFactor(kMissingValue, Dist(u))) << u;
  }
  for (int a = 0; a <= 5; ++a)
    EXPECT_EQ(kMissingValue, AngleToDecDeg(kMissingValue, static_cast<EANGLE_UNITS>(a))) << a;
  EXPECT_EQ(1.7976931348623157e+308, kMissingValue);
}

// The feet conversions multiply by a million, the factor and a millionth in that order; the
// expected values are the doubles that order gives, which differ from value * factor.
TEST(IEUtilsUnits, FeetUseScaledMultiplication) {
  const uint64_t bits = 0x400A3F258BF258C0ull;
  double usFactor;
  std::memcpy(&usFactor, &bits, sizeof usFactor);
  EXPECT_EQ(3.2808333333333337, usFactor);

  struct Row {
    double (*convert)(double);
    EDIST_UNITS unit;
    bool toMeters;
    double value;
    double expected;
  } rows[] = {
      {USFeet2Meter, EDIST_UNITS::USFEET, true, 1.0, 0.3048006096012192},
      {USFeet2Meter, EDIST_UNITS::USFEET, true, 0.1, 0x1.f362a4403e6c4p-6},
      {USFeet2Meter, EDIST_UNITS::USFEET, true, 1000.0, 0x1.30ccf4c036199p+8},
      {Meter2USFeet, EDIST_UNITS::USFEET, false, 1.0, 0x1.a3f258bf258bfp+1},
      {Meter2USFeet, EDIST_UNITS::USFEET, false, 123.456, 0x1.9509df1172ef1p+8},
      {IFeet2Meter, EDIST_UNITS::IFEET, true, 1.0, 0x1.381d7dbf487fcp-2},
      {IFeet2Meter, EDIST_UNITS::IFEET, true, 2.2, 0x1.5753a3ec02f2fp-1},
      {Meter2IFeet, EDIST_UNITS::IFEET, false, 1.0, 0x1.a3f28fca3f28ep+1},
      {Meter2IFeet, EDIST_UNITS::IFEET, false, 1000.0, 0x1.9a1ae06b81adfp+11},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.expected, r.convert(r.value)) << r.value;
    EXPECT_EQ(r.expected, r.toMeters ? ToMetersFactor(r.value, r.unit) : FromMetersFactor(r.value, r.unit));
  }
}

TEST(IEUtilsUnits, FeetInchesEighths) {
  struct Row {
    double encoded;
    bool us;
    double feet;  // decoded feet, converted with the feet factor below
  } rows[] = {
      {5.063, false, 5.0 + (6.0 + 3.0 / 8.0) / 12.0},
      {5.06, false, 5.5},
      {3.118, false, 4.0},               // 11 in + 8/8 in carry into a foot
      {2.088, false, 2.0 + 9.0 / 12.0},  // 8 in + 8/8 in
      {0.12, false, 1.0},                // 12 in
      {-5.063, false, -(5.0 + (6.0 + 3.0 / 8.0) / 12.0)},
      {1.0, true, 1.0},
  };
  for (const Row& r : rows) {
    const double expected = r.us ? USFeet2Meter(r.feet) : IFeet2Meter(r.feet);
    EXPECT_NEAR(expected, FFFII2Meter(r.encoded, r.us), 1e-12) << r.encoded;
    EXPECT_EQ(FFFII2Meter(r.encoded, r.us),
              ToMetersFactor(r.encoded, r.us ? EDIST_UNITS::USFEETINCHES : EDIST_UNITS::IFEETINCHES));
  }
  EXPECT_NEAR(1.685925, FFFII2Meter(5.063, false), 1e-12);
  EXPECT_NEAR(1.6764, FFFII2Meter(5.06, false), 1e-12);
  EXPECT_NEAR(1.2192, FFFII2Meter(3.118, false), 1e-12);
  EXPECT_EQ(0.3048006096012192, FFFII2Meter(1.0, true));
}

TEST(IEUtilsUnits, MetersToFeetInchesEighths) {
  struct Row {
    double meters;
    bool us;
    double encoded;
  } rows[] = {
      {1.685925, false, 5.063},        {-1.685925, false, -5.063}, {1.6764, false, 5.06},
      {0.304796952, false, 1.0},  // 11 in and 7.999 eighths round up and carry into a foot
      {0.3048006096012192, true, 1.0}, {0.0, false, 0.0},
  };
  for (const Row& r : rows) {
    EXPECT_NEAR(r.encoded, Meter2FFFII(r.meters, r.us), 1e-9) << r.meters;
    EXPECT_EQ(Meter2FFFII(r.meters, r.us),
              FromMetersFactor(r.meters, r.us ? EDIST_UNITS::USFEETINCHES : EDIST_UNITS::IFEETINCHES));
  }
}

TEST(IEUtilsUnits, DistanceText) {
  EXPECT_EQ(0.3048006096012192, StringByStyleToDist(EDIST_UNITS::USFEET, u"1"));
  EXPECT_EQ(1000.0, StringByStyleToDist(EDIST_UNITS::KILOMETERS, u" 1.0 km"));
  EXPECT_EQ(0.0, StringByStyleToDist(EDIST_UNITS::KILOMETERS, u""));

  struct Row {
    const char16_t* text;
    bool ok;
    double meters;
  } rows[] = {
      {u"2.5", true, 2500.0}, {u" 2.5 ", true, 2500.0}, {u"1,5", true, 1000.0},
      {u"abc", false, 0.0},   {u"", false, 0.0},        {u"1e3", false, 0.0},
  };
  for (const Row& r : rows) {
    bool ok = !r.ok;
    EXPECT_EQ(r.meters, StringByStyleToDist(EDIST_UNITS::KILOMETERS, r.text, ok)) << Narrow(r.text);
    EXPECT_EQ(r.ok, ok) << Narrow(r.text);
  }
  EXPECT_EQ(u"1.000", DistByStyleToString(EDIST_UNITS::MILE, 1609.344, 3));
  EXPECT_EQ(u"2.5", DistByStyleToString(EDIST_UNITS::METERS, 2.5, -1));
}

TEST(IEUtilsUnits, AngleConversions) {
  EXPECT_EQ(Deg2Rad(270.0), Deg2Rad(-90.0));
  EXPECT_NEAR(3.0 * M_PI / 2.0, Deg2Rad(-90.0), 1e-15);
  EXPECT_GT(Rad2Deg(7.0), 360.0);
  EXPECT_NEAR(180.0, Rad2Deg(M_PI), 1e-12);
  EXPECT_NEAR(300.0, Deg2Grad(-90.0), 1e-12);
  EXPECT_NEAR(450.0, Grad2Deg(500.0), 1e-12);
  EXPECT_EQ(0.0, Deg2Mil(360.0));
  EXPECT_NEAR(1600.0, Deg2Mil(90.0), 1e-9);
  EXPECT_NEAR(405.0, Mil2Deg(7200.0), 1e-12);

  EXPECT_EQ(330.0, ModDeg360(-30.0, true));
  EXPECT_EQ(-30.0, ModDeg360(-30.0, false));
  EXPECT_EQ(5.0, ModDeg360(725.0, false));

  EXPECT_EQ(Rad2Deg(1.0), AngleToDecDeg(1.0, EANGLE_UNITS::RADIANS));
  EXPECT_EQ(Grad2Deg(50.0), AngleToDecDeg(50.0, EANGLE_UNITS::GRADS_GONS));
  EXPECT_EQ(Mil2Deg(50.0), AngleToDecDeg(50.0, EANGLE_UNITS::MILS));
  EXPECT_EQ(DDDMMSS2Deg(12.3), AngleToDecDeg(12.3, EANGLE_UNITS::DDDMMSSS));
  EXPECT_EQ(12.3, AngleToDecDeg(12.3, EANGLE_UNITS::DECDEG));
  EXPECT_EQ(12.3, AngleToDecDeg(12.3, EANGLE_UNITS::ANY_UNITS));
  EXPECT_EQ(12.3, AngleToDecDeg(12.3, static_cast<EANGLE_UNITS>(9)));

  EXPECT_EQ(Deg2Rad(12.5), DecDegToAngle(EANGLE_UNITS::RADIANS, 12.5, 3));
  EXPECT_EQ(Deg2Grad(12.5), DecDegToAngle(EANGLE_UNITS::GRADS_GONS, 12.5, 3));
  EXPECT_EQ(Deg2Mil(12.5), DecDegToAngle(EANGLE_UNITS::MILS, 12.5, 3));
  EXPECT_NEAR(12.3, DecDegToAngle(EANGLE_UNITS::DDDMMSSS, 12.5, 5), 1e-12);
  EXPECT_EQ(-400.0, DecDegToAngle(EANGLE_UNITS::DECDEG, -400.0, 3));

  EXPECT_EQ(u"12.3000", AngleByStyleToString(EANGLE_UNITS::DDDMMSSS, 12.5, 4));
  EXPECT_EQ(u"100.000", AngleByStyleToString(EANGLE_UNITS::GRADS_GONS, 90.0, 3));
  EXPECT_NEAR(180.0, StringByStyleToAngle(EANGLE_UNITS::RADIANS, u"3.141592653589793"), 1e-12);
  EXPECT_NEAR(12.5, StringByStyleToAngle(EANGLE_UNITS::DDDMMSSS, u"12.3 deg"), 1e-12);
  EXPECT_EQ(0.0, StringByStyleToAngle(EANGLE_UNITS::DDDMMSSS, u""));
}

TEST(IEUtilsUnits, PackedDegrees) {
  struct Row {
    double packed;
    double degrees;
  } toDegrees[] = {
      {12.3, 12.5},
      {-12.3, -12.5},
      {359.596, 0.0},  // 60 s carry into a minute, 60 min into
                       // 360°
      {10.59599999, 11.0},
      {0.0001, 1.0 / 3600.0},
      {370.3, 10.5},
      {45.0, 45.0},
  };
  for (const Row& r : toDegrees) EXPECT_NEAR(r.degrees, DDDMMSS2Deg(r.packed), 1e-12) << r.packed;

  struct Back {
    double degrees;
    int precision;
    bool full;
    double packed;
  } toPacked[] = {
      {12.5, 5, false, 12.3},
      {-12.5, 5, false, -12.3},
      {370.0, 5, false, 10.0},
      {370.0, 5, true, 370.0},
      {10.9999999, 5, false, 11.0},  // 59.99964 s print as 60 with five decimals
      {359.99999999, 5, false, 0.0},
      {359.99999999, 5, true, 360.0},
      {12.5, -1, false, 12.3},  // default text: no spurious extra minute
      {12.0 + 20.0 / 60.0 + 44.5 / 3600.0, 8, false, 12.20445},
  };
  for (const Back& r : toPacked)
    EXPECT_NEAR(r.packed, Deg2DDDMMSS(r.degrees, r.precision, r.full), 1e-9)
        << r.degrees << " " << r.precision;

  for (double d : {0.0, 1.25, 45.5, 123.456789, 359.5, -77.123456}) {
    const double packed = Deg2DDDMMSS(d, 12, false);
    EXPECT_NEAR(d, DDDMMSS2Deg(packed), 1e-9) << d;
  }
}

TEST(IEUtilsUnits, CoordinateTextStyles) {
  struct Row {
    ECOORDS_STYLE style;
    double degrees;
    int precision;
    ECOORDS_SIGN sign;
    const char* text;
  } rows[] = {
      {COORDS_DEC_DEG, 45.5, -1, SIGN_NONE, "45.500000000000"},
      {COORDS_DEC_DEG, -12.25, 3, SIGN_NONE, "-12.250"},
      {COORDS_DDD_MMSS, 45.5, -1, SIGN_NONE, "45.300000000000"},
      {COORDS_DDD_MMSS, 12.3456789, 7, SIGN_NONE, "12.2044444"},
      {COORDS_DDDMMSS_S, 45.5, -1, SIGN_NONE, "453000.00000"},
      {COORDS_DDDMMSS_S, 12.3456789, -1, SIGN_NONE, "122044.44404"},
      {COORDS_DDDMMSS_S, -12.3456789, 6, SIGN_NONE, "-122044.44"},
      {COORDS_DDDMMSS_S, 45.5, 2, SIGN_NONE, "453000."},  // fewer than four decimals: zeros fill in
      {COORDS_DDDMMSS_S, 45.0, 0, SIGN_NONE, "450000."},
      {COORDS_DDD_MM_SS, 45.5, -1, SIGN_NONE, "45 30 00.00000"},
      {COORDS_DDD_MM_SS, -12.3456789, -1, SIGN_NONE, "-12 20 44.44404"},
      {COORDS_DDDMMSS, 12.3456789, -1, SIGN_NONE, "122044"},
      {COORDS_DDDMMSS, 45.5, 9, SIGN_NONE, "453000"},
      {COORDS_PLAIN, 0.00001, -1, SIGN_NONE, "0.000"},
      {COORDS_PLAIN, -12.3456, 2, SIGN_NONE, "-12.35"},
      {COORDS_DMS_SYMBOLS, 45.5, -1, SIGN_LATITUDE, "45\u00B030'00.00000\"N"},
      {COORDS_DMS_SYMBOLS, -45.5, -1, SIGN_LATITUDE, "45\u00B030'00.00000\"S"},
      {COORDS_DMS_SYMBOLS, 10.25, -1, SIGN_LONGITUDE, "10\u00B015'00.00000\"E"},
      {COORDS_DMS_SYMBOLS, -10.25, 7, static_cast<ECOORDS_SIGN>(5), "10\u00B015'00.000\"W"},
      {COORDS_DMS_SYMBOLS, -45.5, -1, SIGN_NONE, "-45\u00B030'00.00000\""},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.text, Narrow(CoordsByStyleToString(r.style, r.degrees, r.precision, r.sign)))
        << r.style << " " << r.degrees;
  }
}

TEST(IEUtilsUnits, UnknownCoordinateStyle) {
  EXPECT_EQ(u"", CoordsByStyleToString(static_cast<ECOORDS_STYLE>(9), 45.5, 3, SIGN_NONE));
  bool ok = false;
  EXPECT_EQ(45.5, StringByStyleToCoords(static_cast<ECOORDS_STYLE>(9), u"45.5", ok));
  EXPECT_TRUE(ok);
}

TEST(IEUtilsUnits, CoordinateTextRoundTrips) {
  for (int style = COORDS_DEC_DEG; style <= COORDS_DMS_SYMBOLS; ++style) {
    for (double d : {45.5, -12.3456789, 0.25, 179.99, -0.5}) {
      for (ECOORDS_SIGN sign : {SIGN_NONE, SIGN_LATITUDE, SIGN_LONGITUDE}) {
        const auto s = static_cast<ECOORDS_STYLE>(style);
        const CQelString text = CoordsByStyleToString(s, d, -1, sign);
        bool ok = false;
        const double back = StringByStyleToCoords(s, text, ok);
        EXPECT_TRUE(ok) << style << " " << Narrow(text);
        const double tolerance = s == COORDS_DDDMMSS ? 0.6 / 3600.0 : s == COORDS_PLAIN ? 0.0005 : 1e-8;
        EXPECT_NEAR(d, back, tolerance) << style << " " << Narrow(text);
      }
    }
  }
}

TEST(IEUtilsUnits, CoordinateTextParsing) {
  struct Row {
    ECOORDS_STYLE style;
    const char* text;
    bool ok;
    double degrees;
  } rows[] = {
      {COORDS_DEC_DEG, "45.5", true, 45.5},
      {COORDS_DEC_DEG, "abc", false, 0.0},
      {COORDS_DDD_MMSS, "12.3", true, 12.5},
      {COORDS_DDDMMSS_S, "123000.00", true, 12.5},
      {COORDS_DDDMMSS_S, "1230.00", true, 12.5 / 60.0},  // 0° 12' 30"
      {COORDS_DDDMMSS, "123000", true, 12.5},
      {COORDS_DDD_MM_SS, "12 30 00.0", true, 12.5},
      {COORDS_DDD_MM_SS, "12 30 00.0S", true, -12.5},
      {COORDS_DDD_MM_SS, "12 30 00.0W", true, -12.5},
      {COORDS_DDD_MM_SS, "12 30 00.0N", false, 0.0},
      {COORDS_DDD_MM_SS, "1230.00", false, 0.0},  // no space: not this style
      {COORDS_DMS_SYMBOLS, "12\u00B030'00.0\"S", true, -12.5},
      {COORDS_DMS_SYMBOLS, "12\u00B030'00.0\"", true, 12.5},
      {COORDS_DMS_SYMBOLS, "1230'00.0\"", false, 0.0},
      {COORDS_PLAIN, "-7.25", true, -7.25},
      {COORDS_DDDMMSS_S, "", false, 0.0},
  };
  for (const Row& r : rows) {
    bool ok = !r.ok;
    std::string utf8 = r.text;
    CQelString text;
    for (size_t i = 0; i < utf8.size(); ++i) {
      if (static_cast<unsigned char>(utf8[i]) == 0xC2) {
        text += static_cast<unsigned short>(0xB0);
        ++i;
      } else {
        text += static_cast<unsigned short>(utf8[i]);
      }
    }
    EXPECT_NEAR(r.degrees, StringByStyleToCoords(r.style, text, ok), 1e-12) << r.text;
    EXPECT_EQ(r.ok, ok) << r.text;
  }
}

TEST(IEUtilsUnits, TemperatureAndPressure) {
  EXPECT_EQ(212.0, FromCelsius(100.0, TEMPERATURE_FAHRENHEIT));
  EXPECT_EQ(-40.0, FromCelsius(-40.0, TEMPERATURE_FAHRENHEIT));
  EXPECT_EQ(20.0, FromCelsius(20.0, TEMPERATURE_CELSIUS));
  EXPECT_EQ(20.0, FromCelsius(20.0, static_cast<ETEMPERATURE_UNITS>(7)));
  EXPECT_EQ(1013.25 * 0.7500615758456564, FromHPA(1013.25, PRESSURE_MMHG));
  EXPECT_NEAR(760.0, FromHPA(1013.25, PRESSURE_MMHG), 1e-3);
  EXPECT_EQ(1013.25 * 0.02953, FromHPA(1013.25, PRESSURE_INHG));
  EXPECT_EQ(1013.25, FromHPA(1013.25, PRESSURE_HPA));
  EXPECT_EQ(1013.25, FromHPA(1013.25, PRESSURE_MBAR));
  EXPECT_EQ(1013.25, FromHPA(1013.25, static_cast<EPRESSURE_UNITS>(9)));
}
