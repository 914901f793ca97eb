// Cross-link files: what the writer writes is read back, both versions are recognised, and
// damaged files give the records before the damage.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "CrossLink.h"
#include "IEUtils.h"
#include "ShapeTestSupport.h"

using namespace shape_test;

namespace {

std::string Bytes(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }
template <class T>
std::string Le(T value) {
  return Bytes(&value, sizeof value);
}

// A name in its fixed 18-byte field: zero-padded, not terminated when it fills the field.
std::string NameField(const char* name) {
  std::string field(name, std::min<size_t>(std::strlen(name), 18));
  field.resize(18, '\0');
  return field;
}

std::string Version1Record(const char* name, int16_t typeFlag, int16_t heightFlag, double x, double y,
                           double z) {
  return NameField(name) + Le(typeFlag) + Le(heightFlag) + Le(x) + Le(y) + Le(z);
}

std::string Vs(const char* name, double x, double y, bool withHeight = false, double z = 0.0,
               int32_t code = 0) {
  std::string body = NameField(name) + Le<int16_t>(1) + Le<int16_t>(withHeight ? 1 : 0) + Le(x) + Le(y);
  if (withHeight) body += Le(z) + Le(code);
  return std::string(withHeight ? "VS032" : "VS026") + body;
}

const std::string kHeader2 = "FS014CrossLinkFile_Ver2.0";

class CrossLinkTest : public ::testing::Test {
 protected:
  CCrossLinkReader Read(const std::string& bytes, const char* name = "set.clf") {
    tmp.Write(name, bytes);
    CCrossLinkReader reader;
    reader.Read(Wide(tmp.Path("set.shp")));
    return reader;
  }
  TempDir tmp;
};

TEST_F(CrossLinkTest, WrittenRecordsReadBack) {
  CCrossLinkWriter writer;
  ASSERT_TRUE(writer.Create(Wide(tmp.Path("set.clf"))));
  struct TCase {
    const char16_t* name;
    int type;
    bool height;
    const char16_t* readName;
    int readType;
  };
  const TCase cases[] = {{u"P100", 0, true, u"P100", 2},
                         {u"EIGHTEEN_BYTES_XYZ", 3, false, u"EIGHTEEN_BYTES_XYZ", 3},
                         {u"NINETEEN_BYTES_XYZW", 1, true, u"NINETEEN_BYTES_XYZ", 2},
                         {u"\u00e4\u00e4\u00e4\u00e4\u00e4\u00e4\u00e4\u00e4\u00e4\u00e4", 3, true,
                          u"\u00e4\u00e4\u00e4\u00e4\u00e4\u00e4\u00e4\u00e4\u00e4", 3}};
  int i = 0;
  for (const TCase& c : cases) {
    CIEStation s(static_cast<CIEStation::EStationType>(c.type));
    s.SetName(c.name);
    s.SetPosition(0, 0, 12.5, 0.0);
    writer.WriteStation(s, 10.0 + i, 20.0 + i, c.height, EDIST_UNITS::USFEET);
    ++i;
  }
  ASSERT_TRUE(writer.Close());
  CCrossLinkReader reader;
  ASSERT_TRUE(reader.Read(Wide(tmp.Path("set.shp"))));
  ASSERT_EQ(4, reader.GetCount());
  i = 0;
  for (const TCase& c : cases) {
    const TCrossLinkRecord* r = reader.GetAt(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(c.readName, r->station.GetName());
    EXPECT_EQ(c.readType, r->station.GetStationType());
    EXPECT_EQ(10.0 + i, r->station.x);
    EXPECT_EQ(c.height, r->hasUnitCode);
    EXPECT_EQ(c.height, r->heightDefined);
    if (c.height) {
      EXPECT_EQ(1, r->unitCode);
      EXPECT_DOUBLE_EQ(12.5, UnitCodeToMeters(r->station.z, r->unitCode));
    }
    ++i;
  }
  EXPECT_EQ(reader.GetAt(0), reader.Find(10.0, 20.0, IEUtils::Meter2USFeet(12.5), true));
  EXPECT_EQ(nullptr, reader.Find(10.0, 20.0, 0.0, true));
  EXPECT_EQ(reader.GetAt(0), reader.Find(10.0, 20.0, 0.0, false));
}

TEST_F(CrossLinkTest, VersionsAndDamage) {
  std::string v1Header = std::string("CrossLinkFile_Ver1.0") + std::string(26, '\0');
  struct TCase {
    const char* what;
    std::string bytes;
    int count;
  };
  const TCase cases[] = {
      {"version 1 in a .clf",
       v1Header + Version1Record("A", 1, 1, 1, 2, 3) + Version1Record("B", 0, 0, 4, 5, 6), 2},
      {"version 2 header only", kHeader2, 0},
      {"unknown header", "FS014SomethingElse_Ver9.0" + Vs("A", 1, 2), 0},
      {"coordinate out of range ends reading", kHeader2 + Vs("A", 1, 2) + Vs("B", 2e9, 2) + Vs("C", 3, 4), 1},
      {"truncated record", kHeader2 + Vs("A", 1, 2) + Vs("B", 3, 4).substr(0, 20), 1},
      {"unknown tag skipped by its length", kHeader2 + "XX003abc" + Vs("A", 1, 2), 1},
      {"NS record", kHeader2 + "NS016" + std::string(2, '\0') + Le(1.0) + Le(2.0) + Le<int32_t>(9002), 1},
      {"empty file", "", 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    CCrossLinkReader reader = Read(c.bytes);
    EXPECT_EQ(c.count, reader.GetCount());
  }
  CCrossLinkReader v1 = Read(cases[0].bytes);
  EXPECT_EQ(2, v1.GetAt(0)->station.GetStationType());
  EXPECT_EQ(3.0, v1.GetAt(0)->station.z);
  EXPECT_EQ(3, v1.GetAt(1)->station.GetStationType());
  EXPECT_FALSE(v1.GetAt(1)->heightDefined);
  CCrossLinkReader ns = Read(cases[6].bytes);
  EXPECT_FALSE(ns.GetAt(0)->hasUnitCode);
  EXPECT_EQ(9002, ns.GetAt(0)->unitCode);
}

TEST_F(CrossLinkTest, IdxIsTheFallbackAndNamedRecordsWin) {
  tmp.Write("set.idx", kHeader2 + Vs("", 1, 2) + Vs("A", 1, 2) + Vs("", 1, 2));
  CCrossLinkReader reader;
  ASSERT_TRUE(reader.Read(Wide(tmp.Path("set.shp"))));
  ASSERT_NE(nullptr, reader.Find(1, 2, 0, false));
  EXPECT_EQ(u"A", reader.Find(1, 2, 0, false)->station.GetName());
  tmp.Write("set.clf", kHeader2 + Vs("", 1, 2) + Vs("", 1, 2));
  ASSERT_TRUE(reader.Read(Wide(tmp.Path("set.shp"))));
  EXPECT_EQ(reader.GetAt(1), reader.Find(1, 2, 0, false));
}

// Lookups among many records that share positions give what a walk through all records in file
// order gives: the first named match, else the last unnamed one; Z counts only where the record
// has a unit code; 0.0 and -0.0 are the same place and NaN matches nothing.
TEST_F(CrossLinkTest, LookupsAgreeWithAWalkThroughAllRecords) {
  const double places[] = {0.0, -0.0, 1.5, 2.0};
  const char* names[] = {"", "A", "B"};
  std::string bytes = kHeader2;
  for (int i = 0; i < 200; ++i)
    bytes += Vs(names[(i * 7) % 3], places[i % 4], places[(i / 4) % 4], i % 5 != 0, places[(i / 3) % 4]);
  CCrossLinkReader reader = Read(bytes);
  ASSERT_EQ(200, reader.GetCount());
  const double probes[] = {0.0, -0.0, 1.5, 2.0, 3.0, std::nan("")};
  for (double x : probes)
    for (double y : probes)
      for (double z : probes)
        for (bool hasZ : {false, true}) {
          const TCrossLinkRecord* expected = nullptr;
          for (int i = 0; i < reader.GetCount(); ++i) {
            const TCrossLinkRecord* r = reader.GetAt(i);
            if (r->station.x != x || r->station.y != y || (hasZ && r->hasUnitCode && r->station.z != z))
              continue;
            expected = r;
            if (!r->station.GetName().IsEmpty()) break;
          }
          EXPECT_EQ(expected, reader.Find(x, y, z, hasZ)) << x << ' ' << y << ' ' << z << ' ' << hasZ;
        }
}

TEST(CrossLinkUnitsTest, UnitCodes) {
  EXPECT_EQ(0, JobUnitsToUnitCode(EDIST_UNITS::METERS));
  EXPECT_EQ(1, JobUnitsToUnitCode(EDIST_UNITS::USFEET));
  EXPECT_EQ(4, JobUnitsToUnitCode(EDIST_UNITS::IFEETINCHES));
  EXPECT_EQ(9035, JobUnitsToUnitCode(EDIST_UNITS::MILE));
  EXPECT_EQ(0, JobUnitsToUnitCode(EDIST_UNITS::KILOMETERS));
  EXPECT_DOUBLE_EQ(3.048, UnitCodeToMeters(10.0, 9002));
  EXPECT_DOUBLE_EQ(1000.0, UnitCodeToMeters(1.0, 9036));
  EXPECT_DOUBLE_EQ(7.0, UnitCodeToMeters(7.0, 12345));
  EXPECT_DOUBLE_EQ(IEUtils::Meter2IFeet(2.0), MetersToUnitCode(2.0, 2));
}

}  // namespace
