// Export followed by import of a set named after its code: coordinates to the last bit in a metre job, vertex
// names and station types through the cross-link file, codes, attribute values, undefined heights and the
// coordinate system through the projection file; and two jobs on two threads at once.
#include <gtest/gtest.h>

#include <thread>

#include "CodePage.h"
#include "IEData.h"
#include "IEDataset.h"
#include "IEDesignPoint.h"
#include "IEPolyLine.h"
#include "ShapeTestSupport.h"

using namespace shape_test;

namespace {

void Fill(CIEData& data) {
  data.AddDataset(new CIEDataset(u"rt"));
  TIEJobInfo info;
  info.SetDistUnits(EDIST_UNITS::METERS);
  data.SetJobInfo(info);
  CIECodeDescription* code = new CIECodeDescription(u"survey");
  const std::pair<const char16_t*, CIEAttrDescription::EAttributeType> attrs[] = {
      {u"Label", CIEAttrDescription::ATTR_STRING},  {u"Ok", CIEAttrDescription::ATTR_BOOL},
      {u"Count", CIEAttrDescription::ATTR_INTEGER}, {u"Width", CIEAttrDescription::ATTR_FLOAT},
      {u"Day", CIEAttrDescription::ATTR_DATE_TIME}, {u"Spare", CIEAttrDescription::ATTR_INTEGER}};
  for (const auto& a : attrs) {
    CIEAttrDescription* attr = new CIEAttrDescription(a.first);
    attr->SetType(a.second);
    attr->m_nFracLength = 6;
    code->AddAttrDescription(attr);
  }
  data.AddCodeToIEDataDictionary(code);
  CIEDataset* ds = data.GetCurDataset();
  for (int i = 0; i < 3; ++i) {
    CIEDesignPoint* p = new CIEDesignPoint;
    p->SetCoords(5432109.876543211 + i / 3.0, 654321.1234567891 - i / 7.0, 101.10000000000001 * i, 0.0);
    p->SetName(CQelString(u"Pt") + CQelString(std::to_string(i).c_str()));
    CIECodeValues* values = new CIECodeValues(code);
    for (const char16_t* v : {u"Stra\u00dfe", u"True", u"12345678901", u"0.125", u"2012-11-07", u""})
      values->AddAttr(v);
    p->AddCode(values);
    ds->Add(p);
  }
  CIEPolyLine* line = new CIEPolyLine;
  line->SetName(u"Fence");
  for (int i = 0; i < 4; ++i) {
    CIEStation s(static_cast<CIEStation::EStationType>(i == 2 ? 3 : 2));
    s.SetPosition(1000.1 * i + 0.1, 2000.2 / (i + 1), 10.0 + i, 0.0);
    s.SetName(CQelString(u"V") + CQelString(std::to_string(i).c_str()));
    if (i == 3) s.SetHeightUndefined();
    line->AddStation(s);
  }
  ds->Add(line);
  CIEArea* area = new CIEArea;
  for (int i = 0; i < 3; ++i) {
    CIEStation s(static_cast<CIEStation::EStationType>(2));
    s.SetPosition(i * 0.3, i * 0.7, 1.0 / 3.0, 0.0);
    s.SetName(CQelString(u"A") + CQelString(std::to_string(i).c_str()));
    area->AddStation(s);
  }
  ds->Add(area);
}

void ExpectSameStation(const CIEStation& a, const CIEStation& b) {
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(a.IsHeightDefined(), b.IsHeightDefined());
  if (a.IsHeightDefined() && b.IsHeightDefined()) {
    EXPECT_EQ(a.z, b.z);
  }
  EXPECT_EQ(a.GetName(), b.GetName());
}

TEST(ShapeRoundTripTest, MetreJobKeepsEverything) {
  TempDir tmp;
  TIESettings settings = CJob::DefaultSettings();
  settings.m_pCoordSystemCatalog = new CTestCatalog;
  CJob out(settings);
  Fill(out.Data());
  qel_ie_cs_utils::CCoordinateSystemInfo cs;
  cs.m_nKind = 2;
  cs.m_strDatumName = u"WGS84";
  cs.m_strProjectionName = u"UTM Zone 33N";
  out.Data().SetCoordinateSystem(cs);
  ASSERT_EQ(IE_RESULT_OK, out.Export(tmp.Path("survey.shp")));
  ASSERT_TRUE(Exists(tmp.Path("survey_POINTS.prj")));

  CJob in(settings);
  for (const char* kind : {"survey_POINTS.shp", "survey_POLYLINES.shp", "survey_POLYGONS.shp"})
    ASSERT_EQ(IE_RESULT_OK, in.Import(tmp.Path(kind)));
  ASSERT_EQ(5, in.Count());
  EXPECT_EQ(2, in.Data().GetCoordinateSystem().m_nKind);
  EXPECT_EQ(u"WGS84", in.Data().GetCoordinateSystem().m_strDatumName);
  EXPECT_EQ(u"UTM Zone 33N", in.Data().GetCoordinateSystem().m_strProjectionName);
  for (int i = 0; i < 3; ++i) {
    auto* a = static_cast<CIEDesignPoint*>(out.At(i));
    auto* b = static_cast<CIEDesignPoint*>(in.At(i));
    ExpectSameStation(a->GetStation(), b->GetStation());
    const CIECodeValues* va = a->GetCode(0);
    const CIECodeValues* vb = b->GetCode(0);
    ASSERT_NE(nullptr, vb);
    EXPECT_EQ(u"survey", vb->GetDescription()->GetName());
    EXPECT_EQ(u"Stra\u00dfe", vb->GetAttrAt(0));
    EXPECT_EQ(u"True", vb->GetAttrAt(1));
    EXPECT_EQ(va->GetAttrAt(2), vb->GetAttrAt(2));
    EXPECT_EQ(u"0.125000", vb->GetAttrAt(3));
    EXPECT_EQ(va->GetAttrAt(4), vb->GetAttrAt(4));
    EXPECT_EQ(u"", vb->GetAttrAt(5));
  }
  for (int o = 3; o < 5; ++o) {
    auto* a = static_cast<CIEPolyLine*>(out.At(o));
    auto* b = static_cast<CIEPolyLine*>(in.At(o));
    ASSERT_EQ(a->GetType(), b->GetType());
    ASSERT_EQ(a->GetNumberOfStations(), b->GetNumberOfStations());
    for (int i = 0; i < a->GetNumberOfStations(); ++i) {
      SCOPED_TRACE(o * 10 + i);
      const CIEStation& sa = a->GetStation(i);
      const CIEStation& sb = b->GetStation(i);
      EXPECT_EQ(sa.x, sb.x);
      EXPECT_EQ(sa.y, sb.y);
      EXPECT_EQ(sa.GetName(), sb.GetName());
      EXPECT_EQ(sa.GetStationType() == 3 ? 3 : 2, sb.GetStationType());
      // The fence has a vertex without height: its record keeps no heights at all.
      if (o == 3) {
        EXPECT_FALSE(sb.IsHeightDefined());
      } else {
        EXPECT_EQ(sa.z, sb.z);
      }
    }
  }
}

TEST(ShapeRoundTripTest, ProcessCodePageIsRecordedAndRead) {
  ASSERT_TRUE(qel_cp::SetAnsiCodePage("CP1252"));
  TempDir tmp;
  {
    CJob out;
    Fill(out.Data());
    ASSERT_EQ(IE_RESULT_OK, out.Export(tmp.Path("cp.shp")));
  }
  EXPECT_EQ("1252", tmp.Read("cp_POINTS.cpg"));
  ASSERT_TRUE(qel_cp::SetAnsiCodePage(nullptr));
  CJob in;
  ASSERT_EQ(IE_RESULT_OK, in.Import(tmp.Path("cp_POINTS.shp")));
  EXPECT_EQ(u"Stra\u00dfe", in.At(0)->GetCode(0)->GetAttrAt(0));
}

// Two jobs on two worker threads use the shapefile library at the same time.
TEST(ShapeRoundTripTest, WorkerThreadsRunJobsAtOnce) {
  TempDir tmp;
  {
    CJob out;
    Fill(out.Data());
    ASSERT_EQ(IE_RESULT_OK, out.Export(tmp.Path("t.shp")));
  }
  EIEResult results[2] = {IE_RESULT_FAILED, IE_RESULT_FAILED};
  std::thread threads[2];
  for (int t = 0; t < 2; ++t) {
    threads[t] = std::thread([&, t] {
      CJob job;
      CJob out;
      Fill(out.Data());
      EIEResult exported = out.Export(tmp.Path("w" + std::to_string(t) + ".shp"));
      results[t] = exported == IE_RESULT_OK ? job.Import(tmp.Path("t_POLYLINES.shp")) : exported;
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(IE_RESULT_OK, results[0]);
  EXPECT_EQ(IE_RESULT_OK, results[1]);
}

}  // namespace
