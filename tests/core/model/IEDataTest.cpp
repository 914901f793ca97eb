#include <gtest/gtest.h>

#include <vector>

#include "IEModel.h"

namespace {

TIESettings PointSettings() {
  TIESettings s;
  s.AddDataType(POINTS);
  return s;
}

CIEDesignPoint* Point(const char16_t* name, std::vector<CIECodeDescription*> codes = {}) {
  auto* p = new CIEDesignPoint();
  p->SetName(name);
  for (CIECodeDescription* c : codes) p->AddCode(new CIECodeValues(c));
  return p;
}

std::vector<CQelString> Names(const CIEDataset* ds) {
  std::vector<CQelString> names;
  for (int i = 0; i < ds->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false); ++i)
    names.push_back(ds->GetObjectAt(i)->GetName());
  return names;
}

TEST(IEDataTest, CurrentDatasetAndStopgap) {
  CIEData data{TIESettings()};
  const CIEData& constData = data;
  EXPECT_EQ(nullptr, constData.GetCurDataset());
  EXPECT_EQ(0, data.GetNumberOfDatasets());
  CIEDataset* stopgap = data.GetCurDataset();
  ASSERT_NE(nullptr, stopgap);
  EXPECT_TRUE(stopgap->GetName() == u"STOPGAP");
  EXPECT_EQ(1, data.GetNumberOfDatasets());
  EXPECT_EQ(stopgap, data.GetCurDataset());

  data.AddDataset(new CIEDataset(u"SECOND"));
  data.AddDataset(nullptr);
  data.SetCurDataset(1);
  EXPECT_EQ(1, data.GetCurDatasetID());
  data.SetCurDataset(5);
  data.SetCurDataset(-1);
  EXPECT_EQ(1, data.GetCurDatasetID());
  EXPECT_TRUE(data.GetCurDataset()->GetName() == u"SECOND");
  EXPECT_EQ(nullptr, data.GetDatasetAt(2));
  EXPECT_EQ(nullptr, data.GetDatasetAt(-1));

  stopgap->Add(Point(u"1"));
  data.GetDatasetAt(1)->Add(Point(u"2"));
  data.GetDatasetAt(1)->Add(nullptr);
  EXPECT_EQ(2, data.GetNumberOfObjectsInAllDatasets());
}

TEST(IEDataTest, DictionariesAttachCreateAndAdd) {
  CIEData data{TIESettings()};
  const CIEData& constData = data;
  EXPECT_EQ(nullptr, constData.GetIEDataDictionary());
  EXPECT_EQ(nullptr, constData.GetIEDrawDictionary());
  CIEDrawDictionary* layers = data.GetIEDrawDictionary();
  ASSERT_NE(nullptr, layers);
  data.AttachIELayars(nullptr);
  EXPECT_EQ(layers, data.GetIEDrawDictionary());
  auto* replacement = new CIEDrawDictionary();
  data.AttachIELayars(replacement);
  data.AttachIELayars(replacement);
  EXPECT_EQ(replacement, constData.GetIEDrawDictionary());

  EXPECT_FALSE(data.AddCodeToIEDataDictionary(nullptr));
  auto* tree = new CIECodeDescription(u"TREE");
  EXPECT_TRUE(data.AddCodeToIEDataDictionary(tree));
  CIECodeDescription duplicate(u"TREE");
  EXPECT_FALSE(data.AddCodeToIEDataDictionary(&duplicate));
  EXPECT_EQ(1, data.GetIEDataDictionary()->GetSize());
  EXPECT_EQ(tree, data.GetIEDataDictionary()->FindCodeDiscription(u"TREE"));
  data.AttachIEDataDictionary(nullptr);
  EXPECT_EQ(1, constData.GetIEDataDictionary()->GetSize());
  data.AttachIEDataDictionary(new CIEDataDictionary());
  EXPECT_EQ(0, constData.GetIEDataDictionary()->GetSize());
}

TEST(IEDataTest, SettingsJobInfoCoordinateSystemAndExportedNames) {
  TIESettings settings = PointSettings();
  settings.m_eDistUnits = EDIST_UNITS::USFEET;
  CIEData data(settings);
  EXPECT_EQ(EDIST_UNITS::USFEET, data.GetSettings().m_eDistUnits);
  EXPECT_EQ(EDIST_UNITS::ANY_UNITS, data.GetJobInfo().GetDistUnits());
  EXPECT_EQ(qel_ie_cs_utils::CCoordinateSystemInfo::NOT_SET, data.GetCoordinateSystem().m_nKind);
  qel_ie_cs_utils::CCoordinateSystemInfo cs;
  cs.m_nKind = qel_ie_cs_utils::CCoordinateSystemInfo::PROJECTED;
  cs.m_strDatumName = u"WGS84";
  data.SetCoordinateSystem(cs);
  EXPECT_TRUE(data.GetCoordinateSystem().m_strDatumName == u"WGS84");
  TIEJobInfo info;
  info.SetDistUnits(EDIST_UNITS::METERS);
  data.SetJobInfo(info);
  EXPECT_EQ(EDIST_UNITS::METERS, data.GetJobInfo().GetDistUnits());
  data.SetSettings(TIESettings());
  EXPECT_FALSE(data.GetSettings().HasDataType(POINTS));

  data.AddFileNameToExported(u"/tmp/a.shp");
  data.AddFileNameToExported(u"/tmp/b.shp");
  data.AddFileNameToExported(u"/tmp/a.shp");
  ASSERT_EQ(2, data.GetExportedFileNames().GetSize());
  EXPECT_TRUE(data.GetExportedFileNames()[1] == u"/tmp/b.shp");
  EXPECT_FALSE(CIEData::m_bStopProcess);
}

class IESplitTest : public ::testing::Test {
 protected:
  IESplitTest() : data(PointSettings()) {
    // B is added first: the split follows name order, not the order of adding.
    b = new CIECodeDescription(u"B");
    a = new CIECodeDescription(u"A");
    data.AddCodeToIEDataDictionary(b);
    data.AddCodeToIEDataDictionary(a);
    source = new CIEDataset(u"SRC");
    source->UpdateMinMax(CIEPosition3D(1, 2, 3));
    source->Add(Point(u"pa", {a}));
    source->Add(Point(u"pb", {b}));
    source->Add(Point(u"pab", {a, b}));
    source->Add(Point(u"none"));
    data.AddDataset(source);
  }
  CIEData data;
  CIECodeDescription* a;
  CIECodeDescription* b;
  CIEDataset* source;
};

TEST_F(IESplitTest, OneDatasetPerCodeThenTheUncodedObjects) {
  EXPECT_TRUE(data.SplitDatasetsByCodes(true));
  ASSERT_EQ(3, data.GetNumberOfDatasets());
  const std::vector<CQelString> names[] = {{u"pa", u"pab"}, {u"pb", u"pab"}, {u"none"}};
  const char16_t* datasetNames[] = {u"A", u"B", u"SRC"};
  for (int i = 0; i < 3; ++i) {
    const CIEDataset* ds = data.GetDatasetAt(i);
    EXPECT_TRUE(ds->GetName() == datasetNames[i]);
    EXPECT_EQ(names[i], Names(ds));
    ASSERT_NE(nullptr, ds->GetIEDatasetProperties());
    EXPECT_EQ(CIEPosition3D(1, 2, 3), ds->GetIEDatasetProperties()->GetBorder(CIEDatasetProperties::MAX));
  }
  // Each clone carries only the code it was split by.
  const CIEObject* abInB = data.GetDatasetAt(1)->GetObjectAt(1);
  ASSERT_EQ(1, abInB->GetNumberOfCodes());
  EXPECT_EQ(b, abInB->GetCode(0)->GetDescription());
  EXPECT_EQ(0, data.GetDatasetAt(2)->GetObjectAt(0)->GetNumberOfCodes());
}

TEST_F(IESplitTest, NothingHappensWithoutPermissionOrFittingDataTypes) {
  EXPECT_FALSE(data.SplitDatasetsByCodes(false));
  TIESettings codesOnly;
  codesOnly.AddDataType(CODES);
  data.SetSettings(codesOnly);
  EXPECT_FALSE(data.SplitDatasetsByCodes(true));
  EXPECT_EQ(1, data.GetNumberOfDatasets());
  EXPECT_EQ(source, data.GetDatasetAt(0));
  CIEData empty(PointSettings());
  EXPECT_FALSE(empty.SplitDatasetsByCodes(true));
}

TEST_F(IESplitTest, DatasetsWithoutCodesOrEntriesStay) {
  auto* uncoded = new CIEDataset(u"PLAIN");
  uncoded->Add(Point(u"x"));
  data.AddDataset(uncoded);
  data.AddDataset(new CIEDataset(u"EMPTY"));
  TIESettings lines;
  lines.AddDataType(POINT_LISTS);
  data.SetSettings(lines);
  EXPECT_TRUE(data.SplitDatasetsByCodes(true));
  std::vector<CQelString> names;
  for (int i = 0; i < data.GetNumberOfDatasets(); ++i) names.push_back(data.GetDatasetAt(i)->GetName());
  EXPECT_EQ((std::vector<CQelString>{u"PLAIN", u"EMPTY", u"A", u"B", u"SRC"}), names);
}

TEST_F(IESplitTest, UndescribedCodesAreLeftOut) {
  CIECodeDescription loose(u"LOOSE");
  source->Add(Point(u"pl", {&loose}));
  data.SplitDatasetByCodes(source);
  ASSERT_EQ(4, data.GetNumberOfDatasets());
  EXPECT_EQ((std::vector<CQelString>{u"none"}), Names(data.GetDatasetAt(3)));
  EXPECT_EQ(5, source->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false));
}

// The split hands the source's objects on: a source with a name index, and objects that share
// a name, leave nothing behind that is freed twice or still indexed.
TEST(IESplitIndexTest, ObjectsOfAnIndexedSourceMoveOnce) {
  CIEData data(PointSettings());
  auto* a = new CIECodeDescription(u"A");
  data.AddCodeToIEDataDictionary(a);
  auto* source = new CIEDataset(u"SRC", 0, true);
  source->Add(Point(u"p", {a}));
  source->Add(Point(u"q"));
  source->Add(Point(u"p", {a}));
  data.AddDataset(source);
  EXPECT_TRUE(data.SplitDatasetsByCodes(true));
  ASSERT_EQ(2, data.GetNumberOfDatasets());
  EXPECT_EQ((std::vector<CQelString>{u"p", u"p"}), Names(data.GetDatasetAt(0)));
  EXPECT_EQ((std::vector<CQelString>{u"q"}), Names(data.GetDatasetAt(1)));
  EXPECT_EQ(a, data.GetDatasetAt(0)->GetObjectAt(1)->GetCode(0)->GetDescription());
}

TEST(IEDatasetNamesTest, MaxNumericObjectName) {
  CIEDataset ds(u"D");
  const char16_t* names[] = {u"12", u"7", u"A1", u"", u"99999999999999999999"};
  for (const char16_t* n : names) ds.Add(Point(n));
  auto* line = new CIEPolyLine();
  line->SetName(u"500");
  ds.Add(line);
  int counter = 1;
  const TIEMask points = IEUtils::ToFlag(IE_DESIGN_POINT);
  EXPECT_EQ(2147483647, ds.GetMaxNumericObjectName(points, counter));
  EXPECT_EQ(3, counter);
  counter = 0;
  EXPECT_EQ(500, ds.GetMaxNumericObjectName(IEUtils::ToFlag(IE_POLYLINE), counter));
  EXPECT_EQ(0, counter);
  EXPECT_EQ(0, ds.GetMaxNumericObjectName(IEUtils::ToFlag(IE_ARC), counter));
}

}  // namespace
