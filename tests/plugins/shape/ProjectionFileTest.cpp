// Projection files and the name dictionary: parsing, number text, dictionary loading with
// numbered families, reading with unit precedence and writing by copy or composition.
#include <gtest/gtest.h>

#include "CoordinateSystemCatalog.h"
#include "CsDictionary.h"
#include "ProjectionFile.h"
#include "ShapeTestSupport.h"

using namespace shape_test;

namespace {

const char kDictionary[] =
    "# test dictionary\n"
    "[SPHEROIDS]\nWGS84 = WGS_1984\n"
    "[DATUMS]\nWGS84 = D_WGS_1984, a, b, False\nWGS84b = D_WGS_1984, a, b, True\nNAD83 = "
    "D_North_American_1983\n"
    "[PROJECTION_TYPE]\nTMERC = Transverse_Mercator\n"
    "[UNITS]\nMeters = Meter, 1.0\nUSFeet = Foot_US, 0.3048006096012192\n"
    "[PROJECTIONS]\nUTM Zone ##N = WGS_1984_UTM_Zone_##N, 60\nZone $$ ## = Z_$$_##, 12\n"
    "Broken ## = NoPlaceholder, 5\nTooMany ## = T_##, 61\n"
    "SPC83 Texas = NAD_1983_StatePlane_Texas__TPAD\nSPC83 Ohio = NAD_1983_StatePlane_Ohio\n";

const char kProjected[] =
    "PROJCS[\"WGS_1984_UTM_Zone_33N\",GEOGCS[\"GCS_WGS_1984\",DATUM[\"D_WGS_1984\",SPHEROID[\"WGS_1984\","
    "6378137.0,"
    "298.257223563]],PRIMEM[\"Greenwich\",0.0],UNIT[\"Degree\",0.0174532925199433]],PROJECTION[\"Transverse_"
    "Mercator\"],"
    "PARAMETER[\"False_Easting\",500000.0],PARAMETER[\"False_Northing\",0.0],PARAMETER[\"Central_Meridian\","
    "15.0],"
    "PARAMETER[\"Scale_Factor\",0.9996],PARAMETER[\"Latitude_Of_Origin\",0.0],UNIT[\"METER\",1.0]]";

class ProjectionFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tmp.Write("dictionary.ini", kDictionary);
    ASSERT_TRUE(dictionary.Load(Wide(tmp.Path("dictionary.ini"))));
  }
  bool Read(const std::string& text, EDIST_UNITS& unit, int& kind, CQelString& datum,
            CQelString& projection) {
    tmp.Write("in.prj", text);
    return ReadProjectionFile(dictionary, &catalog, Wide(tmp.Path("in.prj")), unit, kind, datum, projection);
  }
  TempDir tmp;
  CCsDictionary dictionary;
  CTestCatalog catalog;
};

TEST_F(ProjectionFileTest, FormatWktNumber) {
  const std::pair<double, const char*> cases[] = {{1.0, "1"}, {0.5, "0.5"},    {500000.0, "500000"},
                                                  {0.0, "0"}, {-2.50, "-2.5"}, {100.0, "100"}};
  for (const auto& c : cases) EXPECT_EQ(c.second, Narrow(FormatWktNumber(c.first, 6))) << c.first;
  EXPECT_EQ("0.017453292519943295474372", Narrow(FormatWktNumber(0.017453292519943295, 24)));
  EXPECT_EQ("100", Narrow(FormatWktNumber(100.0, 0)));
}

TEST_F(ProjectionFileTest, ParseWkt) {
  TWktCoordinateSystem cs;
  ASSERT_TRUE(ParseWkt(Wide(kProjected), cs));
  EXPECT_FALSE(cs.geographic);
  EXPECT_EQ(u"WGS_1984_UTM_Zone_33N", cs.csName);
  EXPECT_EQ(u"D_WGS_1984", cs.datumName);
  EXPECT_EQ(298.257223563, cs.spheroidNumbers[1]);
  EXPECT_EQ(5u, cs.parameters.size());
  EXPECT_EQ(u"METER", cs.linearUnitName);

  const std::string geographic = std::string(kProjected).substr(std::string(kProjected).find("GEOGCS"));
  ASSERT_TRUE(ParseWkt(Wide(geographic), cs));
  EXPECT_TRUE(cs.geographic);
  EXPECT_EQ(u"Geographic", cs.projectionName);
  EXPECT_EQ(u"Degree", cs.linearUnitName);
  ASSERT_TRUE(ParseWkt(Wide("PROJCS[\"\"," + geographic), cs));
  EXPECT_TRUE(cs.geographic);
  for (const char* bad :
       {"", "not wkt at all", "GEOGCS[\"G\",DATUM[\"D\",SPHEROID[\"S\",1]]", "PROJCS[\"P\",GEOGCS[\"G\"]"})
    EXPECT_FALSE(ParseWkt(Wide(bad), cs)) << bad;
}

TEST_F(ProjectionFileTest, DictionaryLoading) {
  // 60 UTM zones and 12 members of the second family; the broken ones are dropped.
  EXPECT_EQ(60 + 12 + 2, dictionary.GetCount(CCsDictionary::PROJECTIONS));
  EXPECT_EQ(u"WGS_1984_UTM_Zone_33N",
            dictionary.FindByKey(CCsDictionary::PROJECTIONS, u"utm zone 33n")->value);
  EXPECT_EQ(u"Zone 07 7", dictionary.FindByValue(CCsDictionary::PROJECTIONS, u"Z_07_7")->key);
  EXPECT_EQ(u"Meters", dictionary.FindByValue(CCsDictionary::UNITS, u"METER")->key);
  EXPECT_EQ(u"WGS84b", dictionary.FindByValue(CCsDictionary::DATUMS, u"D_WGS_1984")->key);
  EXPECT_EQ(nullptr, dictionary.FindByValue(CCsDictionary::DATUMS, u"d_wgs_1984"));

  tmp.Write("short.ini",
            "[SPHEROIDS]\nA = B\n[DATUMS]\nX = Y\n[UNITS]\nMeters = Meter\n[PROJECTIONS]\nP = Q\n");
  CCsDictionary partial;
  ASSERT_TRUE(partial.Load(Wide(tmp.Path("short.ini"))));
  EXPECT_EQ(1, partial.GetCount(CCsDictionary::DATUMS));
  EXPECT_EQ(0, partial.GetCount(CCsDictionary::UNITS));
  EXPECT_EQ(0, partial.GetCount(CCsDictionary::PROJECTIONS));
  EXPECT_FALSE(partial.Load(Wide(tmp.Path("missing.ini"))));
  EXPECT_EQ(0, partial.GetCount(CCsDictionary::SPHEROIDS));
}

TEST_F(ProjectionFileTest, ReadProjectionFile) {
  EDIST_UNITS unit = EDIST_UNITS::USFEET;
  int kind = 0;
  CQelString datum, projection;
  catalog.acceptEmptyDatum = false;
  ASSERT_TRUE(Read(kProjected, unit, kind, datum, projection));
  EXPECT_EQ(EDIST_UNITS::METERS, unit);
  EXPECT_EQ(2, kind);
  EXPECT_EQ(u"WGS84b", datum);
  EXPECT_EQ(u"UTM Zone 33N", projection);
}

TEST_F(ProjectionFileTest, ReadFailuresKeepTheUnitOnlyOnceRecognised) {
  std::string unknownDatum = kProjected;
  unknownDatum.replace(unknownDatum.find("D_WGS_1984"), 10, "D_Unknown");
  std::string feet = unknownDatum;
  feet.replace(feet.rfind("METER"), 5, "Foot_US");
  struct TCase {
    std::string text;
    bool acceptEmptyDatum;
    bool ok;
    EDIST_UNITS unit;
  };
  const TCase cases[] = {
      {unknownDatum, true, true, EDIST_UNITS::METERS},
      {feet, false, false, EDIST_UNITS::USFEET},
      {"garbage", true, false, EDIST_UNITS::IFEET},
      {std::string(kProjected).substr(std::string(kProjected).find("GEOGCS")), true, false,
       EDIST_UNITS::IFEET},
  };
  for (const TCase& c : cases) {
    EDIST_UNITS unit = EDIST_UNITS::IFEET;
    int kind = 0;
    CQelString datum, projection;
    catalog.acceptEmptyDatum = c.acceptEmptyDatum;
    EXPECT_EQ(c.ok, Read(c.text, unit, kind, datum, projection)) << c.text;
    EXPECT_EQ(c.unit, unit) << c.text;
  }
  EDIST_UNITS unit = EDIST_UNITS::IFEET;
  int kind = 0;
  CQelString datum, projection;
  EXPECT_FALSE(
      ReadProjectionFile(dictionary, nullptr, Wide(tmp.Path("in.prj")), unit, kind, datum, projection));
}

TEST_F(ProjectionFileTest, WriteComposesOrCopies) {
  const std::string out = tmp.Path("out.prj");
  ASSERT_TRUE(WriteProjectionFile(dictionary, &catalog, true, u"WGS84", u"UTM Zone 33N", EDIST_UNITS::USFEET,
                                  Wide(out)));
  EXPECT_EQ(
      "PROJCS[\"UTM Zone 33N\",GEOGCS[\"GCS_D_WGS_1984\",DATUM[\"D_WGS_1984\",SPHEROID[\"WGS_1984\",6378137,"
      "298.257223563000025]],PRIMEM[\"Greenwich\",0],UNIT[\"Degree\",0.017453292519943295474372]],"
      "PROJECTION[\"Transverse_Mercator\"],PARAMETER[\"Central_Meridian\",15],PARAMETER[\"Scale_Factor\",0."
      "9996],"
      "PARAMETER[\"Latitude_Of_Origin\",0],PARAMETER[\"False_Easting\",1640416.6666666667442769],"
      "PARAMETER[\"False_Northing\",0],UNIT[\"Foot_US\",0.30480060960121918567]]",
      tmp.Read("out.prj"));
  EDIST_UNITS unit = EDIST_UNITS::METERS;
  int kind = 0;
  CQelString datum, projection;
  ASSERT_TRUE(ReadProjectionFile(dictionary, &catalog, Wide(out), unit, kind, datum, projection));
  EXPECT_EQ(EDIST_UNITS::USFEET, unit);
  EXPECT_EQ(u"UTM Zone 33N", projection);

  ASSERT_TRUE(
      WriteProjectionFile(dictionary, &catalog, false, u"WGS84", u"", EDIST_UNITS::METERS, Wide(out)));
  EXPECT_EQ(0u, tmp.Read("out.prj").find("GEOGCS[\"GCS_D_WGS_1984\""));
  EXPECT_FALSE(WriteProjectionFile(dictionary, &catalog, true, u"WGS84", u"UTM Zone 33N", EDIST_UNITS::MILE,
                                   Wide(tmp.Path("mile.prj"))));
  EXPECT_FALSE(Exists(tmp.Path("mile.prj")));

  catalog.folder = Wide(tmp.Path());
  tmp.Write("NAD 1983 StatePlane Texas_TPAD.prj", "texas");
  tmp.Write("NAD 1983 StatePlane Ohio (Feet).prj", "ohio feet");
  ASSERT_TRUE(WriteProjectionFile(dictionary, &catalog, true, u"NAD83", u"SPC83 Texas", EDIST_UNITS::METERS,
                                  Wide(out)));
  EXPECT_EQ("texas", tmp.Read("out.prj"));
  ASSERT_TRUE(WriteProjectionFile(dictionary, &catalog, true, u"NAD83", u"SPC83 Ohio", EDIST_UNITS::USFEET,
                                  Wide(out)));
  EXPECT_EQ("ohio feet", tmp.Read("out.prj"));
}

// The host's catalogue and the shipped dictionary agree: every projection of the catalogue is
// written and read back with the same names.
TEST(HostGeoDataTest, CatalogueAndDictionaryRoundTrip) {
  TIESettings settings;
  ASSERT_TRUE(InstallCoordinateSystemCatalog(settings));
  const IIECoordinateSystemCatalog* catalog = settings.m_pCoordSystemCatalog;
  TempDir tmp;
  const std::string path = tmp.Path("x.prj");
  for (const char16_t* name : {u"UTM Zone 33N", u"UTM Zone 60S", u"NAD83 UTM Zone 17N",
                               u"ETRS89 UTM Zone 32N", u"SPC83 California III", u"SPC83 Texas Central"}) {
    SCOPED_TRACE(Narrow(name));
    TProjectionParameters params;
    ASSERT_TRUE(catalog->GetProjectionParameters(name, params));
    CQelString datum = CQelString(name).Find(u"NAD83") >= 0 || CQelString(name).Find(u"SPC83") >= 0 ? u"NAD83"
                       : CQelString(name).Find(u"ETRS89") >= 0 ? u"ETRS89"
                                                               : u"WGS84";
    ASSERT_TRUE(WriteProjectionFile(catalog, true, datum, name, EDIST_UNITS::METERS, Wide(path)));
    EDIST_UNITS unit = EDIST_UNITS::USFEET;
    int kind = 0;
    CQelString readDatum, readProjection;
    ASSERT_TRUE(ReadProjectionFile(catalog, Wide(path), unit, kind, readDatum, readProjection));
    EXPECT_EQ(EDIST_UNITS::METERS, unit);
    EXPECT_EQ(2, kind);
    EXPECT_EQ(datum, readDatum);
    EXPECT_EQ(CQelString(name), readProjection);
  }
  ASSERT_TRUE(WriteProjectionFile(catalog, false, u"ETRS89", u"", EDIST_UNITS::METERS, Wide(path)));
  EDIST_UNITS unit = EDIST_UNITS::USFEET;
  int kind = 0;
  CQelString readDatum, readProjection;
  ASSERT_TRUE(ReadProjectionFile(catalog, Wide(path), unit, kind, readDatum, readProjection));
  EXPECT_EQ(1, kind);
  EXPECT_EQ(u"ETRS89", readDatum);
}

}  // namespace
