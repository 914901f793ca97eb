// Import of shapefile sets made with shapelib: geometry kinds, heights and units, column types,
// photo-note columns, and damaged or inconsistent sets.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include "IEData.h"
#include "IEDataset.h"
#include "IEDesignPoint.h"
#include "IEPolyLine.h"
#include "ShapeTestSupport.h"

using namespace shape_test;

namespace {

class ShapeImportTest : public ::testing::Test {
 protected:
  std::string Base(const std::string& name) { return tmp.Path(name); }
  TempDir tmp;
};

const CIEStation& StationOf(CIEObject* object, int index = 0) {
  if (object->GetType() == IE_DESIGN_POINT) return static_cast<CIEDesignPoint*>(object)->GetStation();
  return static_cast<CIEPolyLine*>(object)->GetStation(index);
}

TEST_F(ShapeImportTest, ShapeTypesGiveObjectsAndHeights) {
  {
    CFixture f(Base("mixed"), SHPT_POINTZ);
    f.AddField("NAME", FTString, 10, 0);
    f.Add(SHPT_POINTZ, {10.0}, {20.0}, {3.5}, {"a"}, {});
    f.Add(SHPT_MULTIPOINT, {1.0, 2.0}, {1.0, 2.0}, {}, {"skipped"}, {});
    f.Add(SHPT_POINTM, {11.0}, {21.0}, {}, {"m"}, {});
    f.Add(SHPT_ARCZ, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {1, 2, 3, 4, 5}, {"two parts"}, {0, 2});
    f.Add(SHPT_POLYGON, {0, 1, 1, 0}, {0, 0, 1, 0}, {}, {"area"}, {0});
  }
  CJob job;
  ASSERT_EQ(IE_RESULT_OK, job.Import(Base("mixed.shp")));
  ASSERT_EQ(4, job.Count());
  const CIEStation& z = StationOf(job.At(0));
  EXPECT_EQ(IE_DESIGN_POINT, job.At(0)->GetType());
  EXPECT_DOUBLE_EQ(20.0, z.x);  // the station's x is the shape's Y
  EXPECT_DOUBLE_EQ(10.0, z.y);
  EXPECT_DOUBLE_EQ(3.5, z.z);
  EXPECT_FALSE(StationOf(job.At(1)).IsHeightDefined());
  CIEPolyLine* line = static_cast<CIEPolyLine*>(job.At(2));
  EXPECT_EQ(IE_POLYLINE, line->GetType());
  ASSERT_EQ(5, line->GetNumberOfStations());
  EXPECT_DOUBLE_EQ(5.0, line->GetStation(4).z);
  CIEPolyLine* area = static_cast<CIEPolyLine*>(job.At(3));
  EXPECT_EQ(IE_AREA, area->GetType());
  EXPECT_EQ(4, area->GetNumberOfStations());
  EXPECT_FALSE(area->GetStation(0).IsHeightDefined());
  const CIECodeDescription* code = job.Data().GetIEDataDictionary()->FindCodeDiscription(u"mixed");
  ASSERT_NE(nullptr, code);
  EXPECT_EQ(CIECodeDescription::CODE_POINT, code->GetCodeType());
}

TEST_F(ShapeImportTest, CodeNameDropsTheKindSuffixes) {
  for (const char* name : {"roads_POLYLINES", "roads_POINTS"}) {
    CFixture f(Base(name), SHPT_POINT);
    f.AddField("W", FTInteger, 5, 0);
    f.Add(SHPT_POINT, {1.0}, {2.0}, {}, {"7"}, {});
  }
  CJob job;
  EXPECT_EQ(IE_RESULT_OK, job.Import(Base("roads_POLYLINES.shp")));
  EXPECT_EQ(IE_RESULT_OK, job.Import(Base("roads_POINTS.shp")));
  EXPECT_EQ(1, job.Data().GetIEDataDictionary()->GetSize());
  ASSERT_EQ(2, job.Count());
  EXPECT_EQ(0, job.At(1)->GetCodePos(u"roads"));
  EXPECT_EQ(job.At(0)->GetCode(0)->GetDescription(), job.At(1)->GetCode(0)->GetDescription());
}

TEST_F(ShapeImportTest, ColumnTypesGiveAttributeTexts) {
  struct TCase {
    const char* field;
    char type;
    int width, decimals;
    const char* text;
    const char16_t* expected;
    CIEAttrDescription::EAttributeType attrType;
  };
  const TCase cases[] = {
      {"S", 'C', 10, 0, "  ab c ", u"ab c", CIEAttrDescription::ATTR_STRING},
      {"LT", 'L', 1, 0, "T", u"True", CIEAttrDescription::ATTR_BOOL},
      {"LF", 'L', 1, 0, "F", u"False", CIEAttrDescription::ATTR_BOOL},
      {"LY", 'L', 1, 0, "Y", u"False", CIEAttrDescription::ATTR_BOOL},
      {"LB", 'L', 1, 0, " ", u"False", CIEAttrDescription::ATTR_BOOL},
      {"D8", 'D', 8, 0, "20121107", u"2012-11-07", CIEAttrDescription::ATTR_DATE_TIME},
      {"D4", 'D', 8, 0, "2012", u"2012", CIEAttrDescription::ATTR_DATE_TIME},
      {"N3", 'N', 10, 3, "1.5", u"1.500000", CIEAttrDescription::ATTR_FLOAT},
      {"N8", 'N', 12, 8, "1.12345678", u"1.12345678", CIEAttrDescription::ATTR_FLOAT},
      {"I", 'N', 9, 0, "-42", u"-42", CIEAttrDescription::ATTR_INTEGER},
      {"WIDE", 'N', 20, 0, "12345678901", u"12345678901", CIEAttrDescription::ATTR_INTEGER},
      {"F0", 'F', 10, 0, "17", u"17", CIEAttrDescription::ATTR_INTEGER},
      {"EMPTY", 'N', 10, 0, "", u"", CIEAttrDescription::ATTR_INTEGER},
  };
  {
    CFixture f(Base("types"), SHPT_POINT);
    std::vector<std::string> fields;
    for (const TCase& c : cases) {
      DBFFieldType t = c.type == 'C'   ? FTString
                       : c.type == 'L' ? FTLogical
                       : c.type == 'D' ? FTDate
                                       : FTDouble;
      f.AddField(c.field, t, c.width, c.decimals);
      fields.push_back(c.text);
    }
    f.Add(SHPT_POINT, {1.0}, {2.0}, {}, fields, {});
  }
  CJob job;
  ASSERT_EQ(IE_RESULT_OK, job.Import(Base("types.shp")));
  ASSERT_EQ(1, job.Count());
  const CIECodeValues* values = job.At(0)->GetCode(0);
  ASSERT_NE(nullptr, values);
  const CIECodeDescription* code = values->GetDescription();
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    SCOPED_TRACE(cases[i].field);
    EXPECT_EQ(cases[i].expected, values->GetAttrAt(static_cast<int>(i)));
    EXPECT_EQ(cases[i].attrType, code->GetAttrDescriptionAt(static_cast<int>(i))->GetType());
    EXPECT_EQ(Wide(cases[i].field), code->GetAttrDescriptionAt(static_cast<int>(i))->m_strName);
  }
}

TEST_F(ShapeImportTest, NameDescriptionAndPhotoColumns) {
  {
    CFixture f(tmp.Path("site"), SHPT_POINT);
    for (const char* name : {"OBJNAME", "CODEDESC", "IMAGECAP1", "AZMVAL1", "IMAGECAP2", "TILTXVAL2", "H"})
      f.AddField(name, name[0] == 'A' || name[0] == 'T' ? FTDouble : FTString, 40, name[0] == 'A' ? 2 : 0);
    f.Add(SHPT_POINT, {1.0}, {2.0}, {}, {"P1", "first", "\\Disk\\P1.jpg", "45", "", "9", "x"}, {});
    f.Add(SHPT_POINT, {3.0}, {4.0}, {}, {"P2", "last", "", "12", "", "", "y"}, {});
  }
  CJob job;
  ASSERT_EQ(IE_RESULT_OK, job.Import(tmp.Path("site.shp")));
  ASSERT_EQ(2, job.Count());
  EXPECT_EQ(u"P1", job.At(0)->GetName());
  const CIEPhotoNotes* notes = job.At(0)->GetPhotoNotes();
  ASSERT_NE(nullptr, notes);
  ASSERT_EQ(1, notes->GetNumberOfPhotoNotes());
  EXPECT_EQ(Wide(tmp.Path("site/Notes/P1.jpg")), notes->GetPhotoNote(0)->GetFileName());
  EXPECT_DOUBLE_EQ(45.0, notes->GetPhotoNote(0)->GetData(CIEPhotoNote::PHOTO_AZIMUTH));
  EXPECT_DOUBLE_EQ(0.0, notes->GetPhotoNote(0)->GetData(CIEPhotoNote::PHOTO_TILT_X));
  EXPECT_EQ(nullptr, job.At(1)->GetPhotoNotes());
  const CIECodeDescription* code = job.Data().GetIEDataDictionary()->FindCodeDiscription(u"site");
  ASSERT_EQ(1, code->GetSize());
  EXPECT_EQ(u"last", code->GetDescCodeName());
  EXPECT_EQ(u"x", job.At(0)->GetCode(0)->GetAttrAt(0));
}

TEST_F(ShapeImportTest, UnitPrecedenceAndGeographicCoordinates) {
  {
    CFixture f(Base("feet"), SHPT_POINTZ);
    f.AddField("A", FTInteger, 3, 0);
    f.Add(SHPT_POINTZ, {1000.0}, {2000.0}, {10.0}, {"1"}, {});
  }
  const std::string projected =
      "PROJCS[\"UTM Zone "
      "33N\",GEOGCS[\"GCS_WGS_1984\",DATUM[\"D_WGS_1984\",SPHEROID[\"WGS_1984\",6378137,298.257223563]],"
      "PRIMEM[\"Greenwich\",0],UNIT[\"Degree\",0.0174532925199433]],PROJECTION[\"Transverse_Mercator\"],"
      "PARAMETER[\"False_Easting\",500000],UNIT[\"Meter\",1]]";
  const std::string geographic =
      "GEOGCS[\"GCS_WGS_1984\",DATUM[\"D_WGS_1984\",SPHEROID[\"WGS_1984\",6378137,298.257223563]],"
      "PRIMEM[\"Greenwich\",0],UNIT[\"Degree\",0.0174532925199433]]";
  struct TCase {
    EDIST_UNITS setting;
    EDIST_UNITS jobUnits;
    const std::string* prj;
    double factor;   // applied to X and Y
    double zFactor;  // applied to Z
  };
  const double usFoot = 1200.0 / 3937.0;
  const TCase cases[] = {
      {EDIST_UNITS::ANY_UNITS, EDIST_UNITS::USFEET, nullptr, usFoot, usFoot},
      {EDIST_UNITS::ANY_UNITS, EDIST_UNITS::USFEET, &projected, 1.0, 1.0},
      {EDIST_UNITS::IFEET, EDIST_UNITS::METERS, &projected, 0.3048, 0.3048},
      {EDIST_UNITS::ANY_UNITS, EDIST_UNITS::USFEET, &geographic, 1.0, 1.0},
      {EDIST_UNITS::IFEET, EDIST_UNITS::METERS, &geographic, 1.0, 0.3048},
  };
  for (const TCase& c : cases) {
    std::remove(Base("feet.prj").c_str());
    if (c.prj) tmp.Write("feet.prj", *c.prj);
    TIESettings settings = CJob::DefaultSettings();
    settings.m_eDistUnits = c.setting;
    settings.m_pCoordSystemCatalog = new CTestCatalog;
    CJob job(settings);
    TIEJobInfo info;
    info.SetDistUnits(c.jobUnits);
    job.Data().SetJobInfo(info);
    ASSERT_EQ(IE_RESULT_OK, job.Import(Base("feet.shp")));
    const CIEStation& s = StationOf(job.At(0));
    EXPECT_NEAR(2000.0 * c.factor, s.x, 1e-9);
    EXPECT_NEAR(1000.0 * c.factor, s.y, 1e-9);
    EXPECT_NEAR(10.0 * c.zFactor, s.z, 1e-9);
    if (c.prj == &geographic) {
      EXPECT_EQ(1, job.Data().GetCoordinateSystem().m_nKind);
    }
    if (c.prj == &projected) {
      EXPECT_EQ(2, job.Data().GetCoordinateSystem().m_nKind);
      EXPECT_EQ(u"UTM Zone 33N", job.Data().GetCoordinateSystem().m_strProjectionName);
      EXPECT_EQ(u"WGS84", job.Data().GetCoordinateSystem().m_strDatumName);
    }
  }
}

TEST_F(ShapeImportTest, TableDeclaringACodePageIsReadWithIt) {
  // 037 reads even 7-bit bytes as other characters: plain ASCII text is decoded there as well.
  const struct {
    const char* codePage;
    const char* bytes;
    const char16_t* text;
  } cases[] = {{"1252",
                "Stra\xdf"
                "e",
                u"Stra\u00dfe"},
               {"037", "ab", u"/\u00c2"},
               {"1252", "plain", u"plain"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.codePage);
    {
      CFixture f(Base("cp"), SHPT_POINT);
      f.AddField("S", FTString, 10, 0);
      f.Add(SHPT_POINT, {1.0}, {2.0}, {}, {c.bytes}, {});
    }
    tmp.Write("cp.cpg", c.codePage);
    CJob job;
    ASSERT_EQ(IE_RESULT_OK, job.Import(Base("cp.shp")));
    EXPECT_EQ(CQelString(c.text), job.At(0)->GetCode(0)->GetAttrAt(0));
  }
}

// Sets that cannot be used give an error result and no objects, never a crash or a read outside
// what the files hold.
TEST_F(ShapeImportTest, BadSetsGiveBadFile) {
  auto makeGood = [this](const std::string& name) {
    CFixture f(Base(name), SHPT_ARC);
    f.AddField("A", FTString, 5, 0);
    f.Add(SHPT_ARC, {0, 1, 2}, {0, 1, 2}, {}, {"a"}, {0});
    f.Add(SHPT_ARC, {5, 6}, {5, 6}, {}, {"b"}, {0});
  };
  auto patch = [this](const std::string& file, long offset, const std::string& bytes) {
    std::fstream io(Base(file), std::ios::in | std::ios::out | std::ios::binary);
    io.seekp(offset);
    io.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  };
  auto truncate = [this](const std::string& file, size_t size) {
    std::string content = tmp.Read(file);
    tmp.Write(file, content.substr(0, size));
  };
  struct TCase {
    const char* name;
    std::function<void(const std::string&)> damage;
  };
  const TCase cases[] = {
      {"missing_dbf", [&](const std::string& n) { std::remove(Base(n + ".dbf").c_str()); }},
      {"missing_shx", [&](const std::string& n) { std::remove(Base(n + ".shx").c_str()); }},
      {"empty_shp", [&](const std::string& n) { tmp.Write(n + ".shp", ""); }},
      {"truncated_shp", [&](const std::string& n) { truncate(n + ".shp", 150); }},
      {"count_mismatch",
       [&](const std::string& n) {
         CFixture f(Base("other"), SHPT_ARC);
         f.AddField("A", FTString, 5, 0);
         f.Add(SHPT_ARC, {0, 1}, {0, 1}, {}, {"a"}, {0});
         f.Close();
         std::rename(Base("other.dbf").c_str(), Base(n + ".dbf").c_str());
       }},
      {"shx_past_end",
       [&](const std::string& n) { patch(n + ".shx", 108, std::string("\x00\x10\x00\x00", 4)); }},
      {"more_parts_than_vertices",
       [&](const std::string& n) { patch(n + ".shp", 100 + 8 + 36, std::string("\x09\x00\x00\x00", 4)); }},
      {"broken_dbf_header", [&](const std::string& n) { patch(n + ".dbf", 8, std::string("\x05\x00", 2)); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    makeGood(c.name);
    c.damage(c.name);
    CJob job;
    EXPECT_EQ(IE_RESULT_BAD_FILE, job.Import(Base(std::string(c.name) + ".shp")));
    EXPECT_EQ(0, job.Count());
  }
}

TEST_F(ShapeImportTest, StopFlagKeepsWhatWasRead) {
  {
    CFixture f(Base("stop"), SHPT_POINT);
    f.AddField("A", FTString, 5, 0);
    f.Add(SHPT_POINT, {1.0}, {2.0}, {}, {"a"}, {});
  }
  CJob job;
  CIEData::m_bStopProcess = true;
  EXPECT_EQ(IE_RESULT_OK, job.Import(Base("stop.shp")));
  CIEData::m_bStopProcess = false;
  EXPECT_EQ(0, job.Count());
}

TEST_F(ShapeImportTest, EntryPointsServeOnlyTheShapefileFormat) {
  CJob job;
  auto dbf = MakeFormat(kDbfFormatId);
  CIEParsersLoader loader;
  TIESettings settings = CJob::DefaultSettings();
  loader.InitIEData(settings);
  EXPECT_EQ(IE_RESULT_NO_PARSER, loader.ImportInTheSameThread(Wide(Base("x.dbf")), dbf.get(), nullptr));
  EXPECT_EQ(IE_RESULT_NO_PARSER, loader.ExportInTheSameThread(Wide(Base("x.dbf")), dbf.get(), nullptr));
}

}  // namespace
