#include <gtest/gtest.h>

#include <cstdlib>

#include "IECodeStyle.h"
#include "IEJobInfo.h"
#include "IESettings.h"
#include "IIECoordinateSystemCatalog.h"
#include "IIEMessageBox.h"
#include "support/TestSupport.h"

namespace {

int g_liveHostObjects = 0;

class FakeMessageBox : public IIEMessageBox {
 public:
  explicit FakeMessageBox(int answer) : m_answer(answer) { ++g_liveHostObjects; }
  FakeMessageBox(const FakeMessageBox& o) : IIEMessageBox(o), m_answer(o.m_answer) { ++g_liveHostObjects; }
  FakeMessageBox& operator=(const FakeMessageBox&) = delete;
  ~FakeMessageBox() override { --g_liveHostObjects; }
  IIEMessageBox* Duplicate() const override { return new FakeMessageBox(*this); }
  int AskQuestion(HWND, const CQelString&) override { return m_answer; }

 private:
  int m_answer;
};

class FakeCatalog : public IIECoordinateSystemCatalog {
 public:
  FakeCatalog() { ++g_liveHostObjects; }
  FakeCatalog(const FakeCatalog& o) : IIECoordinateSystemCatalog(o) { ++g_liveHostObjects; }
  FakeCatalog& operator=(const FakeCatalog&) = delete;
  ~FakeCatalog() override { --g_liveHostObjects; }
  IIECoordinateSystemCatalog* clone() const override { return new FakeCatalog(*this); }
  bool GetDatumEllipsoid(const CQelString&, CQelString&, double&, double&) const override { return false; }
  bool GetProjectionParameters(const CQelString&, TProjectionParameters&) const override { return false; }
  bool AcceptDatum(const CQelString&) const override { return true; }
  bool AcceptProjection(const CQelString&, const CQelString&) const override { return true; }
  CQelString GetProjectionFilesFolder() const override { return u"/prj"; }
};

TEST(IESettingsTest, Defaults) {
  TIESettings s;
  EXPECT_EQ(0u, s.m_nDataTypes);
  EXPECT_EQ(nullptr, s.m_pMessageBox);
  EXPECT_EQ(EDIST_UNITS::ANY_UNITS, s.m_eDistUnits);
  EXPECT_EQ(EANGLE_UNITS::ANY_UNITS, s.m_eAngleUnits);
  EXPECT_EQ(1, s.m_nValue1);
  EXPECT_EQ(3, s.m_nValues3[2]);
  EXPECT_TRUE(s.m_bFlags2[0] && s.m_bFlags2[1]);
  EXPECT_FALSE(s.m_bFlags7[TIESettings::FLAG_WRITE_CODE_DESCRIPTION]);
  EXPECT_EQ(2, s.m_nValue2);
  EXPECT_EQ(nullptr, s.m_hNotifyWnd);
}

TEST(IESettingsTest, DataTypes) {
  TIESettings s;
  EXPECT_FALSE(s.HasOnlyThisDataType(POINTS));
  s.AddDataType(LINES);
  EXPECT_TRUE(s.HasDataType(LINES));
  EXPECT_TRUE(s.HasOnlyThisDataType(LINES));
  EXPECT_FALSE(s.HasOnlyThisDataType(POINTS));
  s.AddDataType(MULTIPLE);
  EXPECT_FALSE(s.HasOnlyThisDataType(LINES));
  s.RemoveDataType(MULTIPLE);
  s.m_nDataTypes |= IEUtils::ToFlag(40);  // bits beyond the known types do not count
  EXPECT_TRUE(s.HasOnlyThisDataType(LINES));
  s.RemoveAllDataTypes();
  EXPECT_FALSE(s.HasDataType(LINES));
}

TEST(IESettingsTest, CopiesOwnDuplicatesOfEverythingOwned) {
  {
    TIESettings source;
    source.AddDataType(POINTS);
    source.m_eDistUnits = EDIST_UNITS::USFEET;
    source.m_nValues3[1] = 8;
    source.m_bFlags7[TIESettings::FLAG_WRITE_CODE_DESCRIPTION] = true;
    source.m_hNotifyWnd = reinterpret_cast<HWND>(0x1234);
    source.m_pMessageBox = new FakeMessageBox(6);
    source.m_pCoordSystemCatalog = new FakeCatalog();
    source.m_pCodeStyle = new TIECodeStyle();
    source.m_pCodeStyle->m_strCodeSeparator = u"/";
    source.m_pFormatRecord = new TIEFormatRecord();
    source.m_pFormatRecord->m_values.Add(42);
    source.m_pBlock = new TIESettingsBlock();
    source.m_pBlock->m_bytes[TIESettingsBlock::DRAWING_FLAG_BYTE] = 1;

    TIESettings copy(source);
    TIESettings assigned;
    assigned.m_pMessageBox = new FakeMessageBox(7);  // replaced and deleted by the assignment
    assigned = source;
    assigned = assigned;
    EXPECT_EQ(6, g_liveHostObjects);
    for (const TIESettings* s : {&copy, &assigned}) {
      EXPECT_TRUE(s->HasOnlyThisDataType(POINTS));
      EXPECT_EQ(EDIST_UNITS::USFEET, s->m_eDistUnits);
      EXPECT_EQ(8, s->m_nValues3[1]);
      EXPECT_TRUE(s->m_bFlags7[TIESettings::FLAG_WRITE_CODE_DESCRIPTION]);
      EXPECT_EQ(source.m_hNotifyWnd, s->m_hNotifyWnd);
      ASSERT_NE(nullptr, s->m_pMessageBox);
      EXPECT_NE(source.m_pMessageBox, s->m_pMessageBox);
      EXPECT_EQ(6, s->m_pMessageBox->AskQuestion(nullptr, u"f"));
      EXPECT_NE(source.m_pCoordSystemCatalog, s->m_pCoordSystemCatalog);
      ASSERT_NE(nullptr, s->m_pCodeStyle);
      EXPECT_NE(source.m_pCodeStyle, s->m_pCodeStyle);
      EXPECT_TRUE(s->m_pCodeStyle->m_strCodeSeparator == u"/");
      ASSERT_NE(nullptr, s->m_pFormatRecord);
      EXPECT_EQ(42, s->m_pFormatRecord->m_values[0]);
      ASSERT_NE(nullptr, s->m_pBlock);
      EXPECT_EQ(1, s->m_pBlock->m_bytes[TIESettingsBlock::DRAWING_FLAG_BYTE]);
    }
    assigned = TIESettings();
    EXPECT_EQ(nullptr, assigned.m_pMessageBox);
    EXPECT_EQ(nullptr, assigned.m_pCodeStyle);
    EXPECT_EQ(4, g_liveHostObjects);
  }
  EXPECT_EQ(0, g_liveHostObjects);
}

TEST(IEJobInfoTest, UnsetValuesAnswerFalseOrTheirDefaults) {
  TIEJobInfo info;
  EXPECT_EQ(EDIST_UNITS::ANY_UNITS, info.GetDistUnits());
  EXPECT_EQ(EANGLE_UNITS::DECDEG, info.GetAngleUnits());
  EDIST_UNITS dist;
  EANGLE_UNITS angle;
  double a = 0, b = 0;
  ETEMPERATURE_UNITS tu;
  EPRESSURE_UNITS pu;
  FILETIME ft;
  CQelString date = u"d", time = u"t";
  EXPECT_FALSE(info.GetDistUnits(dist));
  EXPECT_FALSE(info.GetAngleUnits(angle));
  EXPECT_FALSE(info.GetEllToGridScaleAndElevation(a, b));
  EXPECT_FALSE(info.GetTemperature(a, tu));
  EXPECT_FALSE(info.GetPressure(a, pu));
  EXPECT_FALSE(info.GetCreateTime(ft));
  EXPECT_FALSE(info.GetCreateTimeStr(date, time));
  EXPECT_TRUE(date == u"d");

  info.SetDistUnits(EDIST_UNITS::IFEET);
  info.SetAngleUnits(EANGLE_UNITS::GRADS_GONS);
  info.SetEllToGridScaleAndElevation(0.9996, 120.0);
  info.SetTemperature(20.5, TEMPERATURE_FAHRENHEIT);
  info.SetPressure(1013.0, PRESSURE_MBAR);
  info.m_strDescTexts[8] = u"job";
  TIEJobInfo copy(info);
  EXPECT_EQ(EDIST_UNITS::IFEET, copy.GetDistUnits());
  EXPECT_TRUE(copy.GetAngleUnits(angle));
  EXPECT_EQ(EANGLE_UNITS::GRADS_GONS, angle);
  EXPECT_TRUE(copy.GetEllToGridScaleAndElevation(a, b));
  EXPECT_EQ(0.9996, a);
  EXPECT_EQ(120.0, b);
  EXPECT_TRUE(copy.GetTemperature(a, tu));
  EXPECT_EQ(20.5, a);
  EXPECT_EQ(TEMPERATURE_FAHRENHEIT, tu);
  EXPECT_TRUE(copy.GetPressure(a, pu));
  EXPECT_EQ(PRESSURE_MBAR, pu);
  EXPECT_TRUE(copy.m_strDescTexts[8] == u"job");
}

using IEJobInfoTimeTest = CentralEuropeanTime;

TEST_F(IEJobInfoTimeTest, CreationTimeAsLocalText) {
  struct Case {
    int year, month, day, hour, minute, second;
    const char16_t* date;
    const char16_t* time;
  } cases[] = {{2012, 3, 5, 7, 4, 9, u"05/03/12", u"07:04:09"},
               {2000, 7, 31, 23, 59, 58, u"31/07/00", u"23:59:58"},
               {1999, 12, 31, 0, 0, 0, u"31/12/99", u"00:00:00"}};
  for (const Case& c : cases) {
    TIEJobInfo info;
    const CTime local(c.year, c.month, c.day, c.hour, c.minute, c.second);
    info.SetCreateTime(TimeToFileTime(local.GetTime()));
    CQelString date, time;
    ASSERT_TRUE(info.GetCreateTimeStr(date, time));
    EXPECT_TRUE(date == c.date) << c.year;
    EXPECT_TRUE(time == c.time) << c.year;
  }
}

}  // namespace
